# The "spinforcash" video poker cabinet: pay table on the glass, and the bottom panel.
from _poker_cabinet import cabinet, natural

FOLDER = "gfx/poker/spinforcash"
LEAD = dict(glyph="hand", cards=["QS", "QH"])   # the lobby's picture of this machine
ITEMS = cabinet("Spin for Cash",
                natural(250, 1000, 50, [["Four of a Kind", 25]], 8, 6, 4, 2, 2, "Jacks or Better"),
                'Full house or better at 5 coins spins the cash wheel!')
