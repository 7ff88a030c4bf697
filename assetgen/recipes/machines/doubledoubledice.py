# "doubledoubledice" (Zuzuvo Dazozo Zevi): dice three-reel machine; a wild
# multiplies the win by 4.
FOLDER = "gfx/doubledoubledice"
LEAD = "dice"   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", title="ZUZUVO DAZOZO ZEVI", colors=["darkfelt", "black"], panel="darkfelt",
         pays=[["3 WILDS *", 1000], ["3 SEVENS", 50], ["3 TRIPLE BAR", 30], ["3 DOUBLE BAR", 20],
               ["3 BAR", 10], ["3 DICE", 10], ["ANY 3 BARS", 5], ["2 DICE", 5], ["1 DICE", 3]],
         pays_note="WILD = 4 TIMES",
         feature=dict(symbol="wild", symbol_params=dict(sub="4X"), lines=["3 WILDS", "AT 3 COINS"], big="20000",
                      under="FOR THE BET"),
         elements=[
             dict(box=[20, 458, 590, 96], fill="darkfelt", outline="gold", width=2, radius=6),
             dict(text="* THREE WILDS", at=[315, 476], anchor="mm", size=14, color="lightgold",
                  font="sans-bold"),
             dict(text="1 COIN: 1000 A COIN", at=[315, 504], anchor="mm", size=15, color="cream", font="sans-bold"),
             dict(text="FOR THE BET:  2 COINS 5000     3 COINS 20000", at=[315, 530], anchor="mm", size=15,
                  color="cream", font="sans-bold"),
         ],
         bottom="WILDS MULTIPLY EVERY WIN BY FOUR",
         glass_lines=["EACH WILD THAT STANDS IN MULTIPLIES THE WIN BY 4: TWO WILDS PAY 16 TIMES",
                      "3 WILDS AT 3 COINS: 20000 - FOR THE BET",
                      "* THREE WILDS",
                      "1 COIN: 1000 A COIN",
                      "FOR THE BET:  2 COINS 5000     3 COINS 20000"]),
    dict(kind="symbolset", symbols=[["blank", 13], ["dice", 3], ["bar", 2], ["2bar", 2], ["3bar", 2], ["7", 2],
                                    ["wild", 2]],
         looks=dict(wild=dict(sub="4X"))),
]
