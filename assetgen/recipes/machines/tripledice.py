# "tripledice" (Zivivo Vezo): a wild triples the win and pays with blanks.
FOLDER = "gfx/tripledice"
LEAD = "wild"   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", title="ZIVIVO VEZO", colors=["sea", "navy"], panel="navy",
         pays=[["WILD WILD WILD", 800], ["3 SEVENS", 80], ["3 TRIPLE BAR", 40], ["3 DOUBLE BAR", 25],
               ["3 BAR", 10], ["ANY 3 BARS", 5], ["2 WILDS + BLANK", 5], ["1 WILD + BLANKS", 2]],
         pays_note="WILD = 3 TIMES",
         feature=dict(symbol="wild", symbol_params=dict(sub="3X"), lines=["3 WILDS", "AT 3 COINS"], big="CAR",
                      under="WIN THE CAR!"),
         bottom="WILDS TRIPLE EVERY WIN",
         glass_lines=["EACH WILD THAT STANDS IN TRIPLES THE WIN: TWO WILDS PAY 9 TIMES",
                      "3 WILDS AT 3 COINS: CAR - WIN THE CAR!",
                      "THE CAR TAKES THE PLACE OF EVERY CREDIT THAT SPIN WOULD PAY"]),
    dict(kind="symbolset", symbols=[["blank", 11], ["bar", 2], ["2bar", 2], ["3bar", 2], ["7", 3], ["wild", 2]],
         looks=dict(wild=dict(sub="3X"))),
]
