# "patriotwild" (Zezedor Ader): the patriot symbols with a wild that doubles.
from _patriot import GLASS_UNIT, patriot_pays

FOLDER = "gfx/patriotwild"
LEAD = "wild"   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", title="ZEZEDOR ADER", colors=["blue", "navy"], panel="navy",
         pays=patriot_pays(300, [10, 25, 40], [300, 200, 150], 500),
         pays_title="RED WHITE BLUE", glass_unit=GLASS_UNIT, pays_note="WILD = 2 TIMES",
         feature=dict(symbol="wild", symbol_params=dict(sub="2X"), lines=["WILDS DOUBLE", "EVERY WIN"], big="2X"),
         bottom="WILDS DOUBLE EVERY WIN",
         glass_lines=["EACH WILD THAT STANDS IN DOUBLES THE WIN: TWO WILDS PAY 4 TIMES"]),
    dict(kind="symbolset", symbols=[["blank", 13], ["barred", 2], ["2barwhite", 2], ["3barblue", 2], ["blueseven", 2],
                                    ["redseven", 1], ["whiteseven", 2], ["wild", 2]],
         looks=dict(wild=dict(sub="2X"))),
]
