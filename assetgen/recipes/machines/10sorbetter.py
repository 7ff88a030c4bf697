# The "10sorbetter" video poker cabinet: pay table on the glass, and the bottom panel.
from _poker_cabinet import cabinet, natural

FOLDER = "gfx/poker/10sorbetter"
LEAD = dict(glyph="hand", cards=["10S", "10H"])   # the lobby's picture of this machine
ITEMS = cabinet("10's or better",
                natural(250, 1000, 50, [["Four of a Kind", 25]], 9, 6, 4, 3, 1, "Tens or Better"),
                'A-2-3-4-5 counts as a straight.')
