# The "deuceswild" video poker cabinet: pay table on the glass, and the bottom panel.
from _poker_cabinet import cabinet

FOLDER = "gfx/poker/deuceswild"
LEAD = dict(glyph="hand", cards=["2S", "2H"])   # the lobby's picture of this machine
ROWS = [
    ['Natural Royal Flush', 500, 4000],
    ['Four Deuces', 100],
    ['Wild Royal Flush', 20],
    ['Five of a Kind', 10],
    ['Straight Flush', 8],
    ['Four of a Kind', 4],
    ['Full House', 4],
    ['Flush', 2],
    ['Straight', 2],
    ['Three of a Kind', 1],
]
ITEMS = cabinet("Deuces Wild", ROWS, 'All deuces are wild.')
