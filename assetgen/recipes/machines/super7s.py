# "super7s" (Vuduv 7'a): sevens and super sevens; every pay holds at its
# own coin count.
FOLDER = "gfx/super7s"
LEAD = "super7"   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", title="VUDUV 7'A", colors=["red", "black"],
         pays=[["3 SUPER 7s (3 COINS)", 500], ["3 SEVENS (3 COINS)", 300], ["ANY 7s (3 COINS)", 200, "super7 7 super7"],
               ["3 SUPER 7s (2 COINS)", 200], ["3 SEVENS (2 COINS)", 150], ["ANY 7s (2 COINS)", 100, "7 super7 7"], ["3 TRIPLE BAR", 60], ["3 DOUBLE BAR", 40],
               ["3 BAR", 20], ["ANY 3 BARS", 5], ["3 BLANKS", 2]],
         pays_title="PAYS FOR THE BET",
         feature=dict(symbol="super7", lines=["SUPER SEVENS", "AT 3 COINS"], big="500"),
         bottom="THE MORE COINS, THE BIGGER THE SEVENS PAY"),
    dict(kind="symbolset", symbols=[["blank", 10], ["bar", 2], ["2bar", 2], ["3bar", 2], ["7", 2], ["super7", 2]]),
]
