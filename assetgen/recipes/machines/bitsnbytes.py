# "bitsnbytes" (Duri D Erore): five-line three-reel machine of bits and bytes.
from _multiline import machine

_BITS = dict(glyph="token", shape="box", color="black", border="green", text="green", face="mono")
FOLDER = "gfx/bitsnbytes"
ITEMS = machine(
    FOLDER, "DURI D ERORE", ["darkfelt", "black"],
    pictures="0_blank_1 0_blank_1110 1001_blank_1 1001_blank_wild 1110_blank_0 1110_blank_1001 1_blank_0 "
             "1_blank_blank blank_0_blank blank_1001_blank blank_1110_blank blank_1_blank blank_blank_wild "
             "blank_wild_blank wild_blank_1001 wild_blank_1110".split(),
    looks={"0": dict(_BITS, label="0"), "1": dict(_BITS, label="1"), "1001": dict(_BITS, label="1001"),
           "1110": dict(_BITS, label="1110"), "wild": dict(glyph="wild", color="green", text="black")},
    lines=[(1, 15, 149), (2, 13, 97), (3, 14, 205), (4, 36, 46), (5, 32, 258)],
    bottom="ONES AND ZEROS PAY ON FIVE LINES")
