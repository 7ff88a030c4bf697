# "doubletriple" (Vedizi Vazade): two wilds, one doubling and one tripling
# the win; they also pay with blanks.
FOLDER = "gfx/doubletriple"
ITEMS = [
    dict(kind="cabinet", title="VEDIZI VAZADE", colors=["purple", "black"], panel="darkburgundy",
         pays=[["3 TRIPLE WILDS", 2000], ["3 DOUBLE WILDS", 1000], ["3 TRIPLE BAR", 40], ["3 DOUBLE BAR", 25],
               ["3 BAR", 10], ["2 WILDS + BLANK", 10], ["ANY 3 BARS", 6], ["1 WILD + BLANKS", 3]],
         pays_note="WILDS x2 AND x3",
         feature=dict(symbol="wild", symbol_params=dict(sub="3X"), lines=["3 TRIPLE WILDS", "AT 3 COINS"],
                      big="7500", under="FOR THE BET"),
         bottom="DOUBLE AND TRIPLE WILDS MULTIPLY THE WIN"),
    dict(kind="symbolset", symbols=[["blank", 13], ["bar", 3], ["2bar", 3], ["3bar", 3], ["doublewild", 2],
                                    ["triplewild", 2]]),
]
