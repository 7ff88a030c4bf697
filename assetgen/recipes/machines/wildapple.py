# "wildapple" (Ravo Zodar): apples and a wild; three wilds at three coins win
# the progressive.
from _progressive import METER
FOLDER = "gfx/wildapple"
LEAD = "apple"   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", title="RAVO ZODAR", colors=["red", "darkburgundy"], progressive=True, holds=[METER],
         pays=[["3 WILDS, 3 COINS", "JP"], ["3 SPENT WILDS", 500, "wildoff wildoff wildoff"], ["3 SEVENS", 50], ["3 TRIPLE BAR", 30],
               ["3 DOUBLE BAR", 20], ["3 BAR", 10], ["3 APPLES", 10], ["ANY 3 BARS", 5], ["2 APPLES", 5],
               ["1 APPLE", 2]],
         pays_note="WILD = 2 TIMES",
         feature=dict(symbol="wild", lines=["3 WILDS AT", "3 COINS WIN"], big="JACKPOT"),
         bottom="THREE WILDS AT THREE COINS WIN THE PROGRESSIVE",
         glass_lines=[["EACH LIT WILD THAT STANDS IN DOUBLES THE WIN: TWO LIT WILDS PAY 4 TIMES", "wild"],
                      ["A SPENT WILD STANDS IN TOO BUT LEAVES THE WIN AS IT IS", "wildoff"],
                      ["3 WILDS AT 3 COINS WIN: JACKPOT", "wild"]]),
    dict(kind="symbolset", symbols=[["blank", 10], ["apple", 3], ["bar", 3], ["2bar", 2], ["3bar", 2], ["7", 2],
                                    ["wild", 2], ["wildoff", 4]]),
]
