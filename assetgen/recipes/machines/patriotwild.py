# "patriotwild" (Zezedor Ader): the patriot symbols with a wild that doubles.
FOLDER = "gfx/patriotwild"
ITEMS = [
    dict(kind="cabinet", title="ZEZEDOR ADER", colors=["blue", "navy"], panel="navy",
         pays=[["RED WHITE BLUE 7s", "TOP"], ["3 SEVENS ONE COLOUR", "BIG"], ["3 BARS ONE COLOUR", "PAYS"],
               ["BAR + 7 SAME COLOUR", 2]],
         pays_title="RED WHITE BLUE", pays_note="WILD = 2 TIMES",
         feature=dict(symbol="wild", symbol_params=dict(sub="2X"), lines=["WILDS DOUBLE", "EVERY WIN"], big="2X"),
         bottom="WILDS DOUBLE EVERY WIN"),
    dict(kind="symbolset", symbols=[["blank", 13], ["barred", 2], ["2barwhite", 2], ["3barblue", 2], ["blueseven", 2],
                                    ["redseven", 1], ["whiteseven", 2], ["wild", 2]],
         looks=dict(wild=dict(sub="2X"))),
]
