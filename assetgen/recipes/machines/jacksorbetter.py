# The "jacksorbetter" video poker cabinet: pay table on the glass, and the bottom panel.
from _poker_cabinet import cabinet

FOLDER = "gfx/poker/jacksorbetter"
LEAD = dict(glyph="hand", cards=["JS", "JH"])   # the lobby's picture of this machine
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
ITEMS = cabinet('Jacks or Better', ROWS,
                'The ace counts high only: A-2-3-4-5 is no straight.')
