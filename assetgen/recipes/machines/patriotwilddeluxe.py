# "patriotwilddeluxe" (Vevovev Ozov Ovevir): the patriot symbols with arrow
# bars and a wild.
from _patriot import GLASS_UNIT, patriot_pays

FOLDER = "gfx/patriotwilddeluxe"
LEAD = dict(glyph="flag", style="stripes")   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", title="VEVOVEV OZOV OVEVIR", title_size=44, colors=["navy", "red"], panel="navy",
         pays=patriot_pays(300, [10, 25, 40], [300, 200, 150], 500, ("red7", "white7", "blue7")),
         pays_title="RED WHITE BLUE", glass_unit=GLASS_UNIT,
         glass_lines=["ARROW BARS PAY AS THE BAR OF THEIR COLOUR",
                      ["THE WILD STANDS IN FOR EVERY OTHER SYMBOL", "wild"]],
         feature=dict(symbol="flag", symbol_params=dict(style="stripes"), lines=["ARROW BARS", "PAY AS THE BAR", "OF THEIR COLOUR"]),
         bottom="ARROW BARS COUNT AS THEIR COLOUR"),
    dict(kind="symbolset", symbols=[["blank", 8], ["barred", 1], ["2barwhite", 1], ["3barblue", 1], ["blue7", 1],
                                    ["red7", 1], ["white7", 1], ["arrowdown_3barblue", 3], ["arrowdown_barred", 3],
                                    ["arrowup_2barwhite", 3], ["arrowup_3barblue", 3], ["arrowup_barred", 3],
                                    ["wild", 2]]),
]
