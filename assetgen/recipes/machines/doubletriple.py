# "doubletriple" (Vedizi Vazade): two wilds, one doubling and one tripling
# the win; they also pay with blanks.
FOLDER = "gfx/doubletriple"
LEAD = "doublewild"   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", title="VEDIZI VAZADE", colors=["purple", "black"], panel="darkburgundy",
         pays=[["3 x3 WILDS *", 2000, "triplewild triplewild triplewild"], ["3 x2 WILDS *", 1000, "doublewild doublewild doublewild"], ["3 TRIPLE BAR", 40], ["3 DOUBLE BAR", 25],
               ["3 BAR", 10], ["2 WILDS + BLANK", 10, "doublewild triplewild blank"], ["ANY 3 BARS", 6], ["1 WILD + BLANKS", 3, "triplewild blank blank"]],
         pays_note="WILDS x2 AND x3",
         feature=dict(symbol="wild", symbol_params=dict(sub="3X"), lines=["3 TRIPLE WILDS", "AT 3 COINS"],
                      big="7500", under="FOR THE BET"),
         elements=[
             dict(box=[20, 458, 590, 96], fill="darkburgundy", outline="gold", width=2, radius=6),
             dict(text="* PER COIN AT 1 OR 2 COINS", at=[315, 476], anchor="mm", size=14, color="lightgold",
                  font="sans-bold"),
             dict(text="AT 3 COINS, FOR THE BET:", at=[315, 504], anchor="mm", size=15, color="cream",
                  font="sans-bold"),
             dict(text="3 TRIPLE WILDS 7500     3 DOUBLE WILDS 3500", at=[315, 530], anchor="mm", size=15,
                  color="cream", font="sans-bold"),
         ],
         bottom="DOUBLE AND TRIPLE WILDS MULTIPLY THE WIN",
         glass_lines=["EACH WILD THAT STANDS IN MULTIPLIES THE WIN BY ITS x2 OR x3:", "TWO WILDS PAY 4, 6 OR 9 TIMES",
                      "3 TRIPLE WILDS AT 3 COINS: 7500 - FOR THE BET",
                      "* PER COIN AT 1 OR 2 COINS",
                      "AT 3 COINS, FOR THE BET:",
                      "3 TRIPLE WILDS 7500     3 DOUBLE WILDS 3500"]),
    dict(kind="symbolset", symbols=[["blank", 13], ["bar", 3], ["2bar", 3], ["3bar", 3], ["doublewild", 2],
                                    ["triplewild", 2]]),
]
