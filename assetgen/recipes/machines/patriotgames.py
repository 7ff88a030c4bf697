# "patriotgames" (Zoredud Ozovu): red, white and blue bars and sevens.
FOLDER = "gfx/patriotgames"
ITEMS = [
    dict(kind="cabinet", title="ZOREDUD OZOVU", colors=["navy", "darkburgundy"], panel="navy",
         pays=[["RED WHITE BLUE 7s", "TOP"], ["3 SEVENS ONE COLOUR", "BIG"], ["3 BARS ONE COLOUR", "PAYS"],
               ["BAR + 7 SAME COLOUR", 2]],
         pays_title="RED WHITE BLUE",
         feature=dict(symbol="flag", symbol_params=dict(style="stripes"), lines=["RED, WHITE", "AND BLUE"],
                      big="7 7 7"),
         bottom="MIX THE COLOURS FOR MORE WINS"),
    dict(kind="symbolset", symbols=[["blank", 12], ["barred", 2], ["2barwhite", 2], ["3barblue", 2], ["blueseven", 2],
                                    ["redseven", 2], ["whiteseven", 2]]),
]
