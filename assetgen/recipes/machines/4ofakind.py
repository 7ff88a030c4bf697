# The "4ofakind" video poker cabinet: pay table on the glass, and the bottom panel.
from _poker_cabinet import cabinet, natural

FOLDER = "gfx/poker/4ofakind"
LEAD = dict(glyph="hand", cards=["4S", "4H", "4D", "4C"])   # the lobby's picture of this machine
ITEMS = cabinet("4 of a Kind",
                natural(375, 500, 75, [["Four Aces", 80], ["Four Kings, Queens, Jacks", 40],
                         ["Four 2s to 10s", 25]], 8, 6, 4, 2, 2, "Jacks or Better"),
                'Four of a kind pays by rank.')
