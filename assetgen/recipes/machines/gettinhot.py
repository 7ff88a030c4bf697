# "gettinhot" (Rareraz Ure): hot bars with arrow forms, and a wild that pays
# with blanks.
FOLDER = "gfx/gettinhot"
LEAD = dict(glyph="flame")   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", title="RARERAZ URE", colors=["orange", "darkburgundy"],
         pays=[["WILD WILD WILD", 1500], ["3 SEVENS", 80], ["3 TRIPLE BAR", 40], ["3 DOUBLE BAR", 25],
               ["3 BAR", 10], ["ANY 3 BARS", 5], ["2 WILDS + BLANK", 5], ["1 WILD + BLANKS", 2]],
         feature=dict(symbol="flame", lines=["3 WILDS AT", "3 COINS PAY"], big="5000", under="FOR THE BET"),
         bottom="ARROWS HEAT UP THE REELS",
         glass_lines=["3 WILDS AT 3 COINS PAY: 5000 - FOR THE BET", "AT 3 COINS 3 SEVENS PAY 400 FOR THE BET"],
         elements=[dict(text="AT 3 COINS 3 SEVENS", at=[721, 286], anchor="mm", size=11, color="yellow",
                        font="sans-bold", max_w=134),
                   dict(text="PAY 400 FOR THE BET", at=[721, 302], anchor="mm", size=11, color="yellow",
                        font="sans-bold", max_w=134)]),
    dict(kind="symbolset", symbols=[["blank", 6], ["bar", 1], ["2bar", 1], ["3bar", 1], ["7", 1], ["wild", 2],
                                    ["arrowdown_3bar", 3], ["arrowdown_bar", 3], ["arrowup_2bar", 3],
                                    ["arrowup_3bar", 3], ["arrowup_bar", 3]],
         looks=dict(wild=dict(glyph="wild", color="orange", text="red"))),
]
