# The "spinforcash" video poker cabinet: pay table on the glass, and the bottom panel.
from _poker_cabinet import cabinet

FOLDER = "gfx/poker/spinforcash"
LEAD = dict(glyph="hand", cards=["QS", "QH"])   # the lobby's picture of this machine
ROWS = [
    ['Royal Flush', 250, 5000],
    ['Straight Flush', 50],
    ['Four of a Kind', 25],
    ['Full House', 8],
    ['Flush', 6],
    ['Straight', 4],
    ['Three of a Kind', 2],
    ['Two Pair', 2],
    ['Jacks or Better', 1],
]
ITEMS = cabinet('Spin for Cash', ROWS,
                'Full house or better at 5 coins spins the cash wheel!')
