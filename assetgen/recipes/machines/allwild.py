# The "allwild" video poker cabinet: pay table on the glass, and the bottom panel.
from _poker_cabinet import cabinet

FOLDER = "gfx/poker/allwild"
LEAD = dict(glyph="hand", cards=["2S", "JOKER"])   # the lobby's picture of this machine
ROWS = [
    ['Natural Royal Flush', 500, 5000],
    ['Five of a Kind', 200],
    ['Four Wild Cards', 200],
    ['Wild Royal Flush', 50],
    ['Straight Flush', 17],
    ['Four of a Kind', 7],
    ['Full House', 3],
    ['Flush', 2],
    ['Straight', 1],
    ['Three of a Kind', 1],
]
ITEMS = cabinet("All Wild", ROWS, 'Deuces and jokers are wild.')
