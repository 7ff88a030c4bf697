# "doubledice" (Rodozu Vada): dice-theme three-reel machine; a wild doubles
# the win. Symbols with their picture counts, the cabinet and its pay glass.
FOLDER = "gfx/doubledice"
LEAD = "gold"   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", title="RODOZU VADA", colors=["navy", "black"], panel="navy",
         pays=[["WILD WILD WILD", 800], ["3 SEVENS", 80], ["3 TRIPLE BAR", 40], ["3 DOUBLE BAR", 25],
               ["3 BAR", 10], ["3 GOLD", 10], ["ANY 3 BARS", 5], ["2 GOLD", 5], ["1 GOLD", 2]],
         pays_note="WILD = 2 TIMES",
         feature=dict(symbol="wild", symbol_params=dict(sub="2X"), lines=["3 WILDS", "AT 2 COINS"], big="CAR",
                      under="WIN THE CAR!"),
         bottom="WILDS DOUBLE EVERY WIN",
         glass_lines=["EACH WILD THAT STANDS IN DOUBLES THE WIN: TWO WILDS PAY 4 TIMES",
                      "3 WILDS AT 2 COINS: CAR - WIN THE CAR!",
                      "THE CAR TAKES THE PLACE OF EVERY CREDIT THAT SPIN WOULD PAY"]),
    dict(kind="symbolset", symbols=[["blank", 13], ["gold", 3], ["bar", 2], ["2bar", 2], ["3bar", 2], ["7", 2],
                                    ["wild", 2]],
         looks=dict(wild=dict(sub="2X"), gold=dict(glyph="dice", face=[6, 5, 4], color="gold"))),
]
