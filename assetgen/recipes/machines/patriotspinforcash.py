# "patriotspinforcash" (Vazived Irud ovu Vize): the patriot symbols, a wild,
# and SPIN on the third reel for the prize wheel.
from _gamble import gamble_rule
from _patriot import GLASS_UNIT, patriot_pays

FOLDER = "gfx/patriotspinforcash"
LEAD = "blueseven"   # the lobby's picture of this machine
WHEEL_AT = [217, 81]
# the pointer over the top of the wheel; each wheel frame carries its tip over the rim
POINTER = [380, 62, 420, 62, 400, 104]
TIP = [171.6, -1, 194.4, -1, 183, 23]
ITEMS = [
    dict(kind="cabinet", title="VAZIVED IRUD OVU VIZE", colors=["red", "navy"], title_size=44,
         pays=patriot_pays(500, [10, 20, 30], [200, 150, 100], 1500),
         pays_title="RED WHITE BLUE", glass_unit=GLASS_UNIT,
         feature=dict(symbol="spin", lines=["SPIN ON REEL 3", "AT 3 COINS"], big="WHEEL", under="SPINS FOR CASH"),
         glass_lines=[["SPIN ON REEL 3 AT 3 COINS: WHEEL - SPINS FOR CASH", "spin"], "AT 3 COINS THE WHEEL PAYS IN PLACE OF THE LINE",
                      "AT 3 COINS EVERY WIN PAYS AS 2 COINS"],
         bottom="SPIN ON THE THIRD REEL SPINS THE PRIZE WHEEL"),
    dict(kind="symbolset", symbols=[["blank", 13], ["barred", 2], ["2barwhite", 2], ["3barblue", 2], ["blueseven", 2],
                                    ["redseven", 1], ["whiteseven", 1], ["wild", 2], ["spin", 1]]),

    # the prize-wheel bonus: background, 24 wheel frames "patspin" at (217, 81),
    # the red/black gamble buttons at (513, 533) / (632, 533) and collect at
    # (572, 533). The screen writes nothing: the field under the pointer, framed
    # in each frame, tells the prize, the hub in that field's colour names the
    # colour the wheel stopped on, and the caption under the wheel the gamble's rule.
    dict(kind="background", dir="gfx/bonus/patriotspinforcash", file="bonus.png", style="blue", border=True,
         title="STARS AND STRIPES WHEEL", title_size=32, title_y=34,
         elements=[dict(circle=[400, 264, 192], fill="navy", outline="white", width=4, smooth=True),
                   dict(polygon=POINTER, fill="white", outline="red"),
                   dict(box=[503, 520, 196, 64], fill="black", outline="gold", width=2, radius=6),
                   dict(box=[513, 533, 56, 40], bevel=True, fill="red", label="RED", size=12),
                   dict(box=[572, 533, 56, 40], bevel=True, fill="bronze", label="TAKE", size=12),
                   dict(box=[632, 533, 56, 40], bevel=True, fill="charcoal", label="BLACK", size=12)] +
                  gamble_rule(28, 474, 463)),
    dict(kind="wheel", dir="gfx/bonus/patriotspinforcash", name="patspin", size=[366, 366], rim="white",
         edge="navy", hub_colour=True,
         lit="lightgold", pointer=dict(polygon=TIP, fill="white", outline="red"),
         fits=dict(at=[WHEEL_AT], room=[0, 60, 800, 473]),
         slices=[["25", "black"], ["20", "red"], ["20", "red"], ["50", "black"], ["50", "black"], ["100", "red"],
                 ["100", "red"], ["10", "black"], ["10", "black"], ["10", "black"], ["500", "red"], ["500", "red"],
                 ["15", "black"], ["15", "black"], ["15", "black"], ["2500", "red"], ["2500", "red"],
                 ["150", "black"], ["150", "black"], ["30", "red"], ["30", "red"], ["30", "red"], ["25", "black"],
                 ["25", "black"]]),
    dict(kind="button", dir="gfx/bonus/patriotspinforcash", name="red", states=["click", "flash"],
         size=[56, 40], label="RED", color="red", shape="rect",
         fits=dict(at=[[513, 533]], room=[513, 533, 59, 67])),
    dict(kind="button", dir="gfx/bonus/patriotspinforcash", name="black", states=["click", "flash"],
         size=[56, 40], label="BLACK", color="charcoal", shape="rect",
         fits=dict(at=[[632, 533]], room=[632, 533, 168, 67])),
    dict(kind="button", dir="gfx/bonus/patriotspinforcash", name="collect", states=["click"],
         size=[56, 40], label="TAKE", color="bronze", shape="rect",
         fits=dict(at=[[572, 533]], room=[572, 533, 60, 67])),
]
