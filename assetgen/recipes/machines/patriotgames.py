# "patriotgames" (Zoredud Ozovu): red, white and blue bars and sevens.
from _patriot import GLASS_UNIT, patriot_pays

FOLDER = "gfx/patriotgames"
LEAD = dict(glyph="flag", style="stripes")   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", title="ZOREDUD OZOVU", colors=["navy", "darkburgundy"], panel="navy",
         pays=patriot_pays(400, [10, 25, 40], [300, 200, 150]),
         pays_title="RED WHITE BLUE", glass_unit=GLASS_UNIT, pays_note="2 COINS: R-W-B 7s PAY 1000",
         glass_lines=["AT 2 COINS R-W-B 7s PAY 1000 FOR THE BET"],
         feature=dict(symbol="flag", symbol_params=dict(style="stripes"), lines=["RED, WHITE", "AND BLUE"],
                      big="7 7 7"),
         bottom="MIX THE COLOURS FOR MORE WINS"),
    dict(kind="symbolset", symbols=[["blank", 12], ["barred", 2], ["2barwhite", 2], ["3barblue", 2], ["blueseven", 2],
                                    ["redseven", 2], ["whiteseven", 2]]),
]
