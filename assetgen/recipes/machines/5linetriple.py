# "5linetriple" (5 Zadi Zadare Vevi): five-line three-reel machine with dice,
# sevens and a wild.
from _multiline import machine

FOLDER = "gfx/5linetriple"
ITEMS = machine(
    FOLDER, "5 ZADI ZADARE VEVI", ["purple", "black"],
    pictures=["2bar_blank_bar", "2bar_blank_blank", "3bar_blank_7", "7_blank_2bar", "7_blank_dice", "bar_blank_3bar",
              "bar_blank_wild", "blank_2bar_blank", "blank_3bar_blank", "blank_7_blank", "blank_bar_blank",
              "blank_blank_dice", "blank_blank_wild", "blank_dice_blank", "blank_wild_blank", "dice_blank_3bar",
              "wild_blank_3bar", "wild_blank_bar", "wild_blank_dice", "3bar_blank_blank", "7_blank_blank",
              "bar_blank_blank", "blank_blank_2bar", "blank_blank_3bar", "blank_blank_7", "blank_blank_bar",
              "dice_blank_blank"],
    looks=dict(dice=dict(glyph="dice", face=5, color="red", pip="white")),
    lines=[(1, 13, 147), (2, 13, 95), (3, 12, 205), (4, 32, 253), (5, 34, 43)],
    bottom="FIVE LINES: MATCH THEM ACROSS THE REELS")
