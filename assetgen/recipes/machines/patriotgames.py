# "patriotgames" (Zoredud Ozovu): red, white and blue bars and sevens.
FOLDER = "gfx/patriotgames"
ITEMS = [
    dict(kind="cabinet", title="ZOREDUD OZOVU", colors=["navy", "darkburgundy"], panel="navy",
         pays=[["3 RED 7s", 300], ["3 WHITE 7s", 200], ["3 BLUE 7s", 150], ["3 BLUE BARS", 40],
               ["3 WHITE BARS", 25], ["3 RED BARS", 10], ["BAR + 7 ONE COLOUR", 2], ["3 BLANKS", 1]],
         pays_title="RED WHITE BLUE",
         feature=dict(symbol="flag", symbol_params=dict(style="stripes"), lines=["RED, WHITE", "AND BLUE"],
                      big="7 7 7"),
         bottom="MIX THE COLOURS FOR MORE WINS"),
    dict(kind="symbolset", symbols=[["blank", 12], ["barred", 2], ["2barwhite", 2], ["3barblue", 2], ["blueseven", 2],
                                    ["redseven", 2], ["whiteseven", 2]]),
]
