# "shortcircuit" (Zoruz Ivivede): an electric machine whose winning spins
# may spark a free re-spin.
FOLDER = "gfx/shortcircuit"
LEAD = "wild"   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", title="ZORUZ IVIVEDE", colors=["navy", "black"], panel="navy",
         pays=[["WILD WILD WILD", 500], ["3 SEVENS", 80], ["3 TRIPLE BAR", 40], ["3 DOUBLE BAR", 20],
               ["3 BAR", 10], ["ANY 3 BARS", 6], ["2 WILDS + BLANK", 6], ["1 WILD + BLANKS", 3]],
         feature=dict(symbol="wild", symbol_params=dict(color="lightblue", text="navy"), lines=["3 WILDS AT",
                      "3 COINS PAY"], big="2000", under="FOR THE BET"),
         bottom="A WIN MAY SPARK A FREE RE-SPIN",
         glass_lines=["3 WILDS AT 3 COINS PAY: 2000 - FOR THE BET",
                      "A WIN MAY SPARK A FREE RE-SPIN: THE SAME WIN PAID AGAIN, NO BET TAKEN"]),
    dict(kind="symbolset", symbols=[["blank", 10], ["bar", 1], ["2bar", 1], ["3bar", 1], ["7", 1], ["wild", 2]],
         looks=dict(wild=dict(glyph="wild", color="lightblue", text="navy"))),
]
