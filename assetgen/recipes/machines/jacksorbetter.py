# The "jacksorbetter" video poker cabinet: pay table on the glass, and the bottom panel.
from _poker_cabinet import cabinet, natural

FOLDER = "gfx/poker/jacksorbetter"
LEAD = dict(glyph="hand", cards=["JS", "JH"])   # the lobby's picture of this machine
ITEMS = cabinet("Jacks or Better",
                natural(250, 1000, 50, [["Four of a Kind", 25]], 8, 6, 4, 2, 2, "Jacks or Better"),
                'A-2-3-4-5 counts as a straight.')
