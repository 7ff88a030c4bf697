# The "10sorbetter" video poker cabinet: pay table on the glass, and the bottom panel.
from _poker_cabinet import cabinet

FOLDER = "gfx/poker/10sorbetter"
LEAD = dict(glyph="hand", cards=["10S", "10H"])   # the lobby's picture of this machine
ROWS = [
    ['Royal Flush', 250, 5000],
    ['Straight Flush', 50],
    ['Four of a Kind', 25],
    ['Full House', 9],
    ['Flush', 6],
    ['Straight', 4],
    ['Three of a Kind', 3],
    ['Two Pair', 1],
    ['Tens or Better', 1],
]
ITEMS = cabinet("10's or better", ROWS,
                'The ace counts high only: A-2-3-4-5 is no straight.')
