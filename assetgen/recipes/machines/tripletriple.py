# "tripletriple" (Dedova Zirodu Dari): dice three-reel machine; a wild
# multiplies the win by 9.
FOLDER = "gfx/tripletriple"
LEAD = "wild"   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", title="DEDOVA ZIRODU DARI", colors=["red", "darkburgundy"],
         pays=[["3 WILDS *", 20000], ["3 SEVENS", 50], ["3 TRIPLE BAR", 30], ["3 DOUBLE BAR", 20],
               ["3 BAR", 10], ["3 DICE", 10], ["ANY 3 BARS", 5], ["2 DICE", 5], ["1 DICE", 2]],
         pays_note="WILD = 9 TIMES",
         feature=dict(symbol="wild", symbol_params=dict(sub="9X"), lines=["3 WILDS AT", "1 OR 2 COINS"], big="20000",
                      under="TOP PAY PER COIN"),
         elements=[
             dict(box=[20, 458, 590, 96], fill="darkburgundy", outline="gold", width=2, radius=6),
             dict(text="* THREE WILDS, PER COIN", at=[315, 476], anchor="mm", size=14, color="lightgold",
                  font="sans-bold"),
             dict(text="1 COIN: 1000, 5000 OR 20000     2 COINS: 20000", at=[315, 504], anchor="mm", size=15,
                  color="cream", font="sans-bold"),
             dict(text="3 COINS: THREE WILDS DO NOT PAY", at=[315, 530], anchor="mm", size=15, color="cream",
                  font="sans-bold"),
         ],
         bottom="WILDS MULTIPLY EVERY WIN BY NINE",
         glass_lines=["EACH WILD THAT STANDS IN MULTIPLIES THE WIN BY 9: TWO WILDS PAY 81 TIMES",
                      "3 WILDS AT 1 OR 2 COINS: 20000 - TOP PAY PER COIN",
                      "* THREE WILDS, PER COIN",
                      "1 COIN: 1000, 5000 OR 20000     2 COINS: 20000",
                      "3 COINS: THREE WILDS DO NOT PAY"]),
    dict(kind="symbolset", symbols=[["blank", 11], ["dice", 3], ["bar", 2], ["2bar", 2], ["3bar", 2], ["7", 3],
                                    ["wild", 2]],
         looks=dict(wild=dict(sub="9X"))),
]
