# The "doublepremium" video poker cabinet: pay table on the glass, and the bottom panel.
from _poker_cabinet import cabinet, natural

FOLDER = "gfx/poker/doublepremium"
LEAD = dict(glyph="hand", cards=["KS", "KH"])   # the lobby's picture of this machine
ITEMS = cabinet("Double Premium Poker",
                natural(500, 1000, 100, [["Four of a Kind", 50]], 20, 15, 5, 3, 2, "Jacks or Better"),
                'A-2-3-4-5 counts as a straight.')
