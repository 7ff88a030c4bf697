# "crazy8s" (Vozer 8'e): three coloured eights that pay with blanks, mixed
# and matched.
FOLDER = "gfx/crazy8s"
_EIGHT = dict(glyph="seven", label="8", outline="black")
ITEMS = [
    dict(kind="cabinet", title="VOZER 8'E", colors=["charcoal", "black"], panel="charcoal",
         pays=[["3 BLUE 8s (3 COINS)", 5000], ["3 GREEN 8s (3 COINS)", 4000], ["3 YELLOW 8s (3 COINS)", 3000],
               ["3 OF ONE 8", 1000], ["3 MIXED EIGHTS", 250], ["3 TRIPLE BAR", 30], ["3 DOUBLE BAR", 20],
               ["3 BAR", 10], ["ANY 3 BARS", 5], ["2 EIGHTS + BLANK", 5], ["1 EIGHT + BLANKS", 2]],
         feature=dict(symbol="seven", symbol_params=dict(label="8", color="blue", outline="black"),
                      lines=["3 BLUE EIGHTS", "AT 3 COINS"], big="5000"),
         bottom="CRAZY EIGHTS"),
    dict(kind="symbolset", symbols=[["blank", 9], ["bar", 2], ["2bar", 2], ["3bar", 2], ["yellow", 2], ["green", 2],
                                    ["blue", 2]],
         looks=dict(yellow=dict(_EIGHT, color="yellow"), green=dict(_EIGHT, color="green"),
                    blue=dict(_EIGHT, color="blue"))),
]
