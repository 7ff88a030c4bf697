# "5linedouble" (5 Ziro Dazuru Ruva): five-line three-reel machine with gold
# dice and a wild.
from _multiline import machine

FOLDER = "gfx/5linedouble"
LEAD = "gold"   # the lobby's picture of this machine
ITEMS = machine(
    FOLDER, "5 ZIRO DAZURU RUVA", ["navy", "black"],
    pictures=["2bar_blank_bar", "2bar_blank_wild", "3bar_blank_gold", "bar_blank_3bar", "blank_2bar_blank",
              "blank_3bar_blank", "blank_bar_blank", "blank_blank_bar", "blank_gold_blank", "blank_wild_blank",
              "gold_blank_2bar", "gold_blank_wild", "wild_blank_2bar", "wild_blank_blank"],
    looks=dict(gold=dict(glyph="dice", face=6, color="gold")),
    lines=[(1, 10, 145, 1), (2, 15, 91, 0), (3, 11, 200, 2), (4, 36, 251, 2), (5, 37, 41, 0)],
    pays=[['3 WILDS (N = LINE)', '500xN'], ['3 TRIPLE BAR', 40], ['3 DOUBLE BAR', 25], ['3 BAR', 10], ['3 GOLD', 10], ['ANY 3 BARS', 5], ['2 GOLD', 5], ['1 GOLD', 2]],
    pays_note="WILD = 2 TIMES",
    feature=["EVERY WILD DOUBLES THE LINE", "3 WILDS: 500 x LINE NUMBER"],
    bottom="TWO WILDS ON A LINE PAY FOUR TIMES",
    glass_lines=[["EVERY WILD DOUBLES THE LINE: TWO WILDS ON A LINE PAY FOUR TIMES", "wild"],
                 "3 WILDS PAY 500 TIMES THE LINE NUMBER"])
