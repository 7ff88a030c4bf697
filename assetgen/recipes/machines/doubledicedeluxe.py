# "doubledicedeluxe" (Revova Rove Ridovo): gold dice and arrow bars; no
# blank symbol.
FOLDER = "gfx/doubledicedeluxe"
LEAD = "gold"   # the lobby's picture of this machine
LOOKS = dict(gold=dict(glyph="dice", face=[6, 5], color="gold"))
ITEMS = [
    dict(kind="cabinet", looks=LOOKS, title="REVOVA ROVE RIDOVO", colors=["navy", "black"], panel="navy",
         pays=[["WILD WILD WILD", 800], ["3 SEVENS", 80], ["3 TRIPLE BAR", 40], ["3 DOUBLE BAR", 25],
               ["3 BAR", 10], ["3 GOLD DICE", 10, "gold gold gold"], ["ANY 3 BARS", 5], ["2 GOLD DICE", 5, "gold gold"], ["1 GOLD DIE", 2, "gold"]],
         feature=dict(symbol="wild", lines=["3 WILDS AT", "3 COINS PAY"], big="5000", under="FOR THE BET"),
         bottom="A WILD THAT STANDS IN DOUBLES THE WIN",
         glass_lines=[["3 WILDS AT 3 COINS PAY: 5000 - FOR THE BET", "wild"],
                      "EACH WILD THAT STANDS IN DOUBLES THE WIN: TWO WILDS PAY 4 TIMES"]),
    dict(kind="symbolset", symbols=[["gold", 2], ["bar", 1], ["2bar", 1], ["3bar", 1], ["7", 1], ["wild", 1],
                                    ["arrowdown_2bar", 3], ["arrowdown_3bar", 3], ["arrowdown_bar", 3],
                                    ["arrowup_2bar", 3], ["arrowup_3bar", 3], ["arrowup_bar", 3]],
         looks=LOOKS),
]
