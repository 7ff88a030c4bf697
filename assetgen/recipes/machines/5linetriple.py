# "5linetriple" (5 Zadi Zadare Vevi): five-line three-reel machine with dice,
# sevens and a wild.
from _multiline import machine

FOLDER = "gfx/5linetriple"
LEAD = "dice"   # the lobby's picture of this machine
ITEMS = machine(
    FOLDER, "5 ZADI ZADARE VEVI", ["purple", "black"],
    pictures=["2bar_blank_bar", "2bar_blank_blank", "3bar_blank_7", "7_blank_2bar", "7_blank_dice", "bar_blank_3bar",
              "bar_blank_wild", "blank_2bar_blank", "blank_3bar_blank", "blank_7_blank", "blank_bar_blank",
              "blank_blank_dice", "blank_blank_wild", "blank_dice_blank", "blank_wild_blank", "dice_blank_3bar",
              "wild_blank_3bar", "wild_blank_bar", "wild_blank_dice", "3bar_blank_blank", "7_blank_blank",
              "bar_blank_blank", "blank_blank_2bar", "blank_blank_3bar", "blank_blank_7", "blank_blank_bar",
              "dice_blank_blank"],
    looks=dict(dice=dict(glyph="dice", face=5, color="red", pip="white")),
    lines=[(1, 13, 147, 1), (2, 13, 95, 0), (3, 12, 205, 2), (4, 32, 253, 2), (5, 34, 43, 0)],
    pays=[['3 WILDS (N = LINE)', '500xN'], ['3 SEVENS', 80], ['3 TRIPLE BAR', 40], ['3 DOUBLE BAR', 25], ['3 BAR', 10], ['3 DICE', 10], ['ANY 3 BARS', 5], ['2 DICE', 5], ['1 DICE', 2]],
    pays_note="WILD = 3 TIMES",
    feature=["EVERY WILD TRIPLES THE LINE", "3 WILDS: 500 x LINE NUMBER"],
    bottom="TWO WILDS ON A LINE PAY NINE TIMES",
    glass_lines=[["EVERY WILD TRIPLES THE LINE: TWO WILDS ON A LINE PAY NINE TIMES", "wild"],
                 "3 WILDS PAY 500 TIMES THE LINE NUMBER"])
