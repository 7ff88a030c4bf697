# "patriotwilddeluxe" (Vevovev Ozov Ovevir): the patriot symbols with arrow
# bars and a wild.
FOLDER = "gfx/patriotwilddeluxe"
ITEMS = [
    dict(kind="cabinet", title="VEVOVEV OZOV OVEVIR", colors=["navy", "red"], panel="navy",
         pays=[["WILD WILD WILD", 500], ["3 RED 7s", 300], ["3 WHITE 7s", 200], ["3 BLUE 7s", 150],
               ["3 BLUE BARS", 40], ["3 WHITE BARS", 25], ["3 RED BARS", 10], ["BAR + 7 ONE COLOUR", 2],
               ["3 BLANKS", 1]],
         pays_title="RED WHITE BLUE",
         feature=dict(symbol="flag", symbol_params=dict(style="stripes"), lines=["ARROWS MOVE", "THE BARS"],
                      big="WILD"),
         bottom="ARROW BARS COUNT AS THEIR COLOUR"),
    dict(kind="symbolset", symbols=[["blank", 8], ["barred", 1], ["2barwhite", 1], ["3barblue", 1], ["blue7", 1],
                                    ["red7", 1], ["white7", 1], ["arrowdown_3barblue", 3], ["arrowdown_barred", 3],
                                    ["arrowup_2barwhite", 3], ["arrowup_3barblue", 3], ["arrowup_barred", 3],
                                    ["wild", 2]]),
]
