# The "jacksorbetter" video poker cabinet: pay table on the glass, and the bottom panel.
from _poker_cabinet import cabinet, natural

FOLDER = "gfx/poker/jacksorbetter"
ITEMS = cabinet("Jacks or Better",
                natural(250, 1000, 50, [["Four of a Kind", 25]], 8, 6, 4, 2, 2, "Jacks or Better"),
                'A-2-3-4-5 counts as a straight.')
