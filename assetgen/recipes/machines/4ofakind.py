# The "4ofakind" video poker cabinet: pay table on the glass, and the bottom panel.
from _poker_cabinet import cabinet

FOLDER = "gfx/poker/4ofakind"
LEAD = dict(glyph="hand", cards=["4S", "4H", "4D", "4C"])   # the lobby's picture of this machine
ROWS = [
    ['Royal Flush', 375, 2500],
    ['Straight Flush', 75],
    ['Four Aces', 80],
    ['Four Kings, Queens, Jacks', 40],
    ['Four 2s to 10s', 25],
    ['Full House', 8],
    ['Flush', 6],
    ['Straight', 4],
    ['Three of a Kind', 2],
    ['Two Pair', 2],
    ['Jacks or Better', 1],
]
ITEMS = cabinet('4 of a Kind', ROWS,
                'Four of a kind pays by rank.')
