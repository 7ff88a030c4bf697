# "crazy8s" (Vozer 8'e): three coloured eights that pay with blanks, mixed
# and matched.
FOLDER = "gfx/crazy8s"
LEAD = "blue"   # the lobby's picture of this machine
_EIGHT = dict(glyph="seven", label="8", outline="black")
ITEMS = [
    dict(kind="cabinet", title="VOZER 8'E", colors=["charcoal", "black"], panel="charcoal",
         pays=[["3 OF ONE 8 *", 1000, "blue blue blue"], ["3 MIXED EIGHTS", 250, "yellow green blue"], ["3 TRIPLE BAR", 30], ["3 DOUBLE BAR", 20],
               ["3 BAR", 10], ["ANY 3 BARS", 5], ["2 EIGHTS + BLANK", 5, "yellow green blank"], ["1 EIGHT + BLANKS", 2, "blue blank blank"]],
         feature=dict(symbol="seven", symbol_params=dict(label="8", color="blue", outline="black"),
                      lines=["3 BLUE EIGHTS", "AT 3 COINS"], big="5000"),
         elements=[
             # at three coins three of one eight may pay a whole-bet amount instead
             dict(box=[20, 458, 590, 96], fill="charcoal", outline="gold", width=2, radius=6),
             dict(text="* AT 3 COINS, 3 OF ONE 8 MAY PAY FOR THE BET:", at=[315, 476], anchor="mm", size=14,
                  color="lightgold", font="sans-bold"),
             dict(text="YELLOW 3000     GREEN 4000     BLUE 5000", at=[315, 508], anchor="mm", size=16,
                  color="cream", font="sans-bold"),
         ],
         bottom="ONE COLOUR OF EIGHT ON ALL THREE REELS PAYS THE MOST",
         glass_lines=[["EVERY EIGHT STANDS IN FOR THE BARS AND THE BLANK", "yellow green blue"],
                      "* AT 3 COINS, 3 OF ONE 8 MAY PAY FOR THE BET:", "YELLOW 3000     GREEN 4000     BLUE 5000"]),
    dict(kind="symbolset", symbols=[["blank", 9], ["bar", 2], ["2bar", 2], ["3bar", 2], ["yellow", 2], ["green", 2],
                                    ["blue", 2]],
         looks=dict(yellow=dict(_EIGHT, color="yellow"), green=dict(_EIGHT, color="green"),
                    blue=dict(_EIGHT, color="blue"))),
]
