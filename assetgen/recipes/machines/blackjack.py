# "blackjack": card-table three-reel machine with a progressive jackpot for
# three wilds at three coins.
from _progressive import METER
FOLDER = "gfx/blackjack"
_HAND = dict(glyph="hand")
LOOKS = {"chips": dict(glyph="chip", label="$", color=["red", "blue", "green", "charcoal", "purple"]),
         "17": dict(_HAND, label="17", cards=[["KS", "7H"]]), "18": dict(_HAND, label="18", cards=[["QD", "8C"]]),
         "19": dict(_HAND, label="19", cards=[["JH", "9S"]]), "20": dict(_HAND, label="20", cards=[["KC", "QH"]])}
LEAD = "20"   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", looks=LOOKS, title="BLACKJACK", colors=["felt", "darkfelt"], panel="darkfelt", progressive=True, holds=[METER],
         pays=[["3 WILDS, 3 COINS", "JP"], ["WILD WILD WILD", 500], ["3 TWENTIES", 30, "20 20 20"], ["3 NINETEENS", 20, "19 19 19"],
               ["3 CHIPS", 10], ["3 EIGHTEENS", 10, "18 18 18"], ["3 SEVENTEENS", 5, "17 17 17"], ["2 CHIPS", 5], ["1 CHIP", 2, "chips"]],
         feature=dict(symbol="wild", lines=["3 WILDS AT", "3 COINS WIN"], big="JACKPOT"),
         bottom="THREE WILDS AT THREE COINS WIN THE PROGRESSIVE"),
    dict(kind="symbolset", symbols=[["blank", 9], ["chips", 5], ["17", 2], ["18", 2], ["19", 2], ["20", 2],
                                    ["wild", 2]],
         looks=LOOKS),
]
