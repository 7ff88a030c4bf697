# "mardigras" (Zuzod Uriz): the nine-line video slot: trumpets, cards, flags,
# the wild mask and the scatter.
FOLDER = "gfx/mardigras"
_CARD = dict(glyph="rank", border="purple")
LOOKS = {"10": dict(_CARD, label="10", suit="C"), "jack": dict(_CARD, label="J", suit="D"),
         "queen": dict(_CARD, label="Q", suit="H"), "king": dict(_CARD, label="K", suit="S"),
         "ace": dict(_CARD, label="A", suit="H"),
         "trumpet": dict(glyph="emoji", emoji="trumpet"),
         "flag": dict(glyph="flag", style="carnival"),
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

# The bottom glass (the marquee): per coin on a line, 1 to 5 in a row from the left.
GLASS = dict(unit="PAYS PER COIN ON A LINE, SYMBOLS IN A ROW FROM THE LEFT", pays=[
    ["trumpet mask", [0, 2, 5, 15, 75]], ["10 mask", [0, 5, 10, 25, 100]], ["jack mask", [0, 0, 10, 50, 150]],
    ["queen mask", [0, 0, 15, 60, 200]], ["king mask", [0, 0, 25, 75, 275]], ["ace mask", [0, 0, 50, 100, 500]],
    ["flag mask", [0, 0, 60, 100, 2500]], ["mask", [0, 0, 75, 1000, 10000]]],
    lines=[["THE MASK STANDS IN FOR EVERY SYMBOL BUT THE SCATTER AND DOUBLES THE LINE", "mask"],
           "3, 4 OR 5 MASKS ALONE ARE DOUBLED TOO: THEY PAY 150, 2000 OR 20000",
           ["SCATTERS PAY ANYWHERE: 2, 3, 4 OR 5 PAY 5, 15, 35 OR 60 x THE BET", "scatter"],
           "AT THE FULL BET SCATTERS PAY 250, 750, 1600 OR 5000"])

ITEMS = [
    dict(kind="cabinet", family="video", title="ZUZOD URIZ", colors=["purple", "black"], panel="purple",
         meters=dict(bet=[190, 41], lastbet=[416, 41], credits=[588, 41], paid=[642, 381]),
         line_buttons=[1, 3, 5, 7, 9], bottom="MASKS ARE WILD AND DOUBLE THE LINE"),
    dict(kind="reelpictures", pictures=PICTURES, looks=LOOKS),
] + [
    dict(kind="text", file="linenumber%d.png" % n, size=[28, 22], text=str(n), bg="purple", color="lightgold",
         text_size=16) for (n, x, y) in LINES
]
