# The "jokerswild" video poker cabinet: pay table on the glass, and the bottom panel.
from _poker_cabinet import cabinet

FOLDER = "gfx/poker/jokerswild"
LEAD = dict(glyph="hand", cards=["JOKER", "JOKER"])   # the lobby's picture of this machine
ROWS = [
    ['Natural Royal Flush', 500, 5000],
    ['Five of a Kind', 200],
    ['Wild Royal Flush', 100],
    ['Straight Flush', 50],
    ['Four of a Kind', 17],
    ['Full House', 7],
    ['Flush', 5],
    ['Straight', 3],
    ['Three of a Kind', 2],
    ['Two Pair', 1],
    ['Kings or Better', 1],
]
ITEMS = cabinet("Jokers Wild", ROWS, 'Two jokers are wild.')
