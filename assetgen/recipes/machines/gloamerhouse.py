# "gloamerhouse" (Gloamer House): a progressive machine that pays for
# blanks too; three gloamers at three coins win the progressive.
from _progressive import METER
FOLDER = "gfx/gloamerhouse"
LOOKS = dict(gloamer=dict(glyph="emoji", emoji="dusk", ring="navy", rim="violet", scale=1.15))
LEAD = "gloamer"   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", looks=LOOKS, title="GLOAMER HOUSE", colors=["purple", "black"], panel="darkburgundy", progressive=True, holds=[METER],
         pays=[["3 GLOAMERS, 3 COINS", "JP"], ["3 GLOAMERS, 2 COINS", 200], ["3 SEVENS, 3 COINS", 300],
               ["3 SEVENS, 2 COINS", 150], ["ANY 7/G, 3 COINS", 200, "7 gloamer 7"], ["ANY 7/G, 2 COINS", 100, "gloamer 7 gloamer"],
               ["3 TRIPLE BAR", 60], ["3 DOUBLE BAR", 40], ["3 BAR", 20], ["ANY 3 BARS", 5], ["3 BLANKS", 2]],
         pays_title="PAYS FOR THE BET",
         feature=dict(symbol="gloamer", lines=["3 GLOAMERS AT", "3 COINS WIN"], big="JACKPOT"),
         bottom="EVEN THE BLANKS PAY AT GLOAMER HOUSE"),
    dict(kind="symbolset", symbols=[["blank", 10], ["bar", 2], ["2bar", 2], ["3bar", 2], ["7", 2], ["gloamer", 2]],
         looks=LOOKS),
]
