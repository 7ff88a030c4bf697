# "5linedouble" (5 Ziro Dazuru Ruva): five-line three-reel machine with gold
# dice and a wild.
from _multiline import machine

FOLDER = "gfx/5linedouble"
ITEMS = machine(
    FOLDER, "5 ZIRO DAZURU RUVA", ["navy", "black"],
    pictures=["2bar_blank_bar", "2bar_blank_wild", "3bar_blank_gold", "bar_blank_3bar", "blank_2bar_blank",
              "blank_3bar_blank", "blank_bar_blank", "blank_blank_bar", "blank_gold_blank", "blank_wild_blank",
              "gold_blank_2bar", "gold_blank_wild", "wild_blank_2bar", "wild_blank_blank"],
    looks=dict(gold=dict(glyph="dice", face=6, color="gold")),
    lines=[(1, 10, 145), (2, 15, 91), (3, 11, 200), (4, 36, 251), (5, 37, 41)],
    bottom="FIVE LINES: MATCH THEM ACROSS THE REELS")
