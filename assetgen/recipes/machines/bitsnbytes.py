# "bitsnbytes" (Duri D Erore): five-line three-reel machine of bits and bytes.
from _multiline import machine

# The bits as signal lamps on a circuit board: a lit lamp for each 1, a dark
# one for each 0, the digits on the glass of the lamps; each symbol its own
# colour, so the four read apart on the reels and on the small pay glass.
_BITS = dict(glyph="bits")
FOLDER = "gfx/bitsnbytes"
LEAD = "1"   # the lobby's picture of this machine
ITEMS = machine(
    FOLDER, "DURI D ERORE", ["darkfelt", "black"],
    pictures="0_blank_1 0_blank_1110 1001_blank_1 1001_blank_wild 1110_blank_0 1110_blank_1001 1_blank_0 "
             "1_blank_blank blank_0_blank blank_1001_blank blank_1110_blank blank_1_blank blank_blank_wild "
             "blank_wild_blank wild_blank_1001 wild_blank_1110".split(),
    looks={"0": dict(_BITS, label="0", color="red"), "1": dict(_BITS, label="1", color="green"),
           "1001": dict(_BITS, label="1001", color="orange"), "1110": dict(_BITS, label="1110", color="lightblue"),
           "wild": dict(glyph="wild", color="green", text="black")},
    lines=[(1, 15, 149, 1), (2, 13, 97, 0), (3, 14, 205, 2), (4, 36, 46, 2), (5, 32, 258, 0)],
    pays=[["3 ONES", 80, "1 1 1"], ["3 1110", 40], ["3 1001", 25], ["3 ZEROS", 10, "0 0 0"], ["ANY 3 NIBBLES", 5, "1110 1001 1110"],
          ["2 ZEROS", 5, "0 0"], ["1 ZERO", 2, "0"]],
    pays_note="WILD STANDS IN",
    feature=["WILD: ALL BUT A LONE ZERO", "3 ONES PAY 80 ON EVERY LINE"],
    bottom="ONES AND ZEROS PAY ON FIVE LINES",
    glass_lines=[["THE WILD STANDS IN FOR ANY SYMBOL BUT A LONE ZERO", "wild"], "THREE ONES PAY 80 ON EVERY LINE"])
