# "mardigras" (Zuzod Uriz): the nine-line video slot: trumpets, cards, flags,
# the wild mask and the scatter.
FOLDER = "gfx/mardigras"
_CARD = dict(glyph="rank", border="purple")
LOOKS = {"10": dict(_CARD, label="10", suit="C"), "jack": dict(_CARD, label="J", suit="D"),
         "queen": dict(_CARD, label="Q", suit="H"), "king": dict(_CARD, label="K", suit="S"),
         "ace": dict(_CARD, label="A", suit="H"),
         "trumpet": dict(glyph="emoji", emoji="trumpet"),
         "flag": dict(glyph="flag", style="plain", color="purple"),
         "mask": dict(glyph="emoji", emoji="mask", ring="purple"),
         "scatter": dict(glyph="star", color="green", label="$")}
LEAD = "mask"   # the lobby's picture of this machine
PICTURES = ("10_jack_queen 10_scatter_ace 10_scatter_flag ace_10_jack ace_trumpet_king ace_10_scatter flag_10_scatter "
            "flag_ace_10 flag_king_trumpet jack_flag_king jack_mask_trumpet jack_queen_mask king_jack_mask "
            "king_queen_mask king_trumpet_ace mask_jack_flag mask_scatter_queen queen_king_jack queen_mask_jack "
            "queen_mask_scatter scatter_ace_trumpet scatter_flag_ace scatter_queen_king trumpet_ace_10 trumpet_flag_10 "
            "trumpet_king_queen").split()
LINES = [(1, 105, 169), (2, 101, 107), (3, 100, 233), (4, 101, 55), (5, 99, 292), (6, 88, 80), (7, 84, 265),
         (8, 87, 137), (9, 84, 200)]
ITEMS = [
    dict(kind="cabinet", family="video", title="ZUZOD URIZ", colors=["purple", "black"], panel="purple",
         meters=dict(bet=[190, 41], lastbet=[416, 41], credits=[588, 41], paid=[642, 381]),
         line_buttons=[1, 3, 5, 7, 9], bottom="MASKS ARE WILD AND DOUBLE THE LINE"),
    dict(kind="reelpictures", pictures=PICTURES, looks=LOOKS),
] + [
    dict(kind="text", file="linenumber%d.png" % n, size=[28, 22], text=str(n), bg="purple", color="lightgold",
         text_size=16) for (n, x, y) in LINES
]
