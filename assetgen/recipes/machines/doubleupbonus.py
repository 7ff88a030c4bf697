# The "doubleupbonus" video poker cabinet: pay table on the glass, and the bottom panel.
from _poker_cabinet import cabinet

FOLDER = "gfx/poker/doubleupbonus"
LEAD = dict(glyph="hand", cards=["AS", "AD"])   # the lobby's picture of this machine
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
ITEMS = cabinet('Double Up Premium Poker', ROWS,
                "Double up any win: beat the dealer's card!")

# The double-up offer (at 227, 343, across the dealt cards: a slim band, so
# the cards' corners above and below it still show) and its answers (at
# 271, 435 and 396, 435).
ITEMS += [
    dict(kind="text", file="doubleup.png", text="DOUBLE UP?", size=[244, 32], font="serif-bold", text_size=24,
         color="lightgold", bg="navy", shadow="black", elements=[dict(box=[1, 1, 242, 30], outline="gold", width=2)]),
    dict(kind="button", name="yes", states=["std"], size=[90, 30], label="YES", color="felt", text="cream", shape="rect"),
    dict(kind="button", name="no", states=["std"], size=[90, 30], label="NO", color="red", text="cream", shape="rect"),
]
