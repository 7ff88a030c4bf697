# "tripledicedeluxe" (Vudozu Zuza Dadudu): arrow bars, and a wild that pays
# with blanks.
FOLDER = "gfx/tripledicedeluxe"
LEAD = "wild"   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", title="VUDOZU ZUZA DADUDU", colors=["sea", "black"], panel="navy",
         pays=[["WILD WILD WILD", 800], ["3 SEVENS", 80], ["3 TRIPLE BAR", 40], ["3 DOUBLE BAR", 25],
               ["3 BAR", 10], ["ANY 3 BARS", 5], ["2 WILDS + BLANK", 5], ["1 WILD + BLANKS", 2]],
         feature=dict(symbol="wild", lines=["3 WILDS AT", "3 COINS PAY"], big="5000", under="FOR THE BET"),
         bottom="A WILD THAT STANDS IN TRIPLES THE WIN",
         glass_lines=[["3 WILDS AT 3 COINS PAY: 5000 - FOR THE BET", "wild"],
                      "EACH WILD THAT STANDS IN TRIPLES THE WIN: TWO WILDS PAY 9 TIMES"]),
    dict(kind="symbolset", symbols=[["blank", 8], ["bar", 1], ["2bar", 1], ["3bar", 1], ["7", 1], ["wild", 1],
                                    ["arrowdown_3bar", 3], ["arrowdown_bar", 3], ["arrowup_2bar", 3],
                                    ["arrowup_3bar", 3], ["arrowup_bar", 3]]),
]
