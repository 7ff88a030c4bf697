# "patriotwild" (Zezedor Ader): the patriot symbols with a wild that doubles.
FOLDER = "gfx/patriotwild"
ITEMS = [
    dict(kind="cabinet", title="ZEZEDOR ADER", colors=["blue", "navy"], panel="navy",
         pays=[["WILD WILD WILD", 500], ["3 RED 7s", 300], ["3 WHITE 7s", 200], ["3 BLUE 7s", 150],
               ["3 BLUE BARS", 40], ["3 WHITE BARS", 25], ["3 RED BARS", 10], ["BAR + 7 ONE COLOUR", 2],
               ["3 BLANKS", 1]],
         pays_title="RED WHITE BLUE", pays_note="WILD = 2 TIMES",
         feature=dict(symbol="wild", symbol_params=dict(sub="2X"), lines=["WILDS DOUBLE", "EVERY WIN"], big="2X"),
         bottom="WILDS DOUBLE EVERY WIN"),
    dict(kind="symbolset", symbols=[["blank", 13], ["barred", 2], ["2barwhite", 2], ["3barblue", 2], ["blueseven", 2],
                                    ["redseven", 1], ["whiteseven", 2], ["wild", 2]],
         looks=dict(wild=dict(sub="2X"))),
]
