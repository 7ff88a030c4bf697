# The "doublepremium" video poker cabinet: pay table on the glass, and the bottom panel.
from _poker_cabinet import cabinet

FOLDER = "gfx/poker/doublepremium"
LEAD = dict(glyph="hand", cards=["KS", "KH"])   # the lobby's picture of this machine
ROWS = [
    ['Royal Flush', 500, 5000],
    ['Straight Flush', 100],
    ['Four of a Kind', 50],
    ['Full House', 20],
    ['Flush', 15],
    ['Straight', 5],
    ['Three of a Kind', 3],
    ['Two Pair', 2],
    ['Jacks or Better', 1],
]
ITEMS = cabinet('Double Premium Poker', ROWS,
                'The ace counts high only: A-2-3-4-5 is no straight.')
