# "doubledicespinforcash" (Vuzeda Zeva Zari raz Ezoz): dice machine whose
# SPIN symbol on the third reel starts the cash wheel at three coins.
from _gamble import gamble_rule

FOLDER = "gfx/doubledicespinforcash"
LEAD = "gold"   # the lobby's picture of this machine
WHEEL_AT = [217, 81]
# the pointer over the top of the wheel; each wheel frame carries its tip over the rim
POINTER = [380, 62, 420, 62, 400, 104]
TIP = [171.6, -1, 194.4, -1, 183, 23]
ITEMS = [
    dict(kind="cabinet", title="VUZEDA ZEVA ZARI RAZ EZOZ", colors=["burgundy", "black"], title_size=40,
         pays=[["WILD WILD WILD", 500], ["3 SEVENS", 50], ["3 TRIPLE BAR", 30], ["3 DOUBLE BAR", 20],
               ["3 BAR", 10], ["3 GOLD", 10], ["ANY 3 BARS", 5], ["2 GOLD", 5], ["1 GOLD", 2]],
         feature=dict(symbol="spin", lines=["SPIN ON REEL 3", "AT 3 COINS"], big="WHEEL", under="SPINS FOR CASH"),
         bottom="SPIN ON THE THIRD REEL AT THREE COINS: THE WHEEL PAYS IN PLACE OF THE LINE",
         glass_lines=[["SPIN ON REEL 3 AT 3 COINS: WHEEL - SPINS FOR CASH", "spin"],
                      "AT 3 COINS THE WHEEL PAYS IN PLACE OF THE LINE", "AT 3 COINS EVERY WIN PAYS AS 2 COINS",
                      "EACH WILD THAT STANDS IN DOUBLES THE WIN: TWO WILDS PAY 4 TIMES"],
         elements=[dict(text="AT 3 COINS EVERY WIN", at=[721, 286], anchor="mm", size=11, color="yellow",
                        font="sans-bold", max_w=134),
                   dict(text="PAYS AS 2 COINS", at=[721, 302], anchor="mm", size=11, color="yellow",
                        font="sans-bold", max_w=134)]),
    dict(kind="symbolset", symbols=[["blank", 12], ["gold", 2], ["bar", 2], ["2bar", 2], ["3bar", 2], ["7", 2],
                                    ["wild", 2], ["spin", 1]],
         looks=dict(gold=dict(glyph="dice", face=[6, 4], color="gold"))),

    # the wheel bonus (three coins and SPIN on the third reel): background, the
    # 24 wheel frames at (217, 81) (frame i shows slice i under the pointer),
    # the red/black gamble buttons and the collect button; the hub of each
    # frame in the colour of the field under the pointer, named, and the
    # gamble's rule under the wheel (the screen writes nothing of its own)
    dict(kind="background", dir="gfx/bonus/doubledicespinforcash", file="bonus.png", style="red", border=True,
         title="SPIN FOR CASH", title_size=34, title_y=34,
         elements=[dict(circle=[400, 264, 192], fill="darkburgundy", outline="gold", width=4, smooth=True),
                   dict(polygon=POINTER, fill="lightgold", outline="black"),
                   dict(box=[480, 520, 200, 64], fill="black", outline="gold", width=2, radius=6),
                   dict(box=[491, 533, 56, 40], bevel=True, fill="red", label="RED", size=12),
                   dict(box=[551, 533, 56, 40], bevel=True, fill="bronze", label="TAKE", size=12),
                   dict(box=[611, 533, 56, 40], bevel=True, fill="charcoal", label="BLACK", size=12)] +
                  gamble_rule(28, 474, 440)),
    dict(kind="wheel", dir="gfx/bonus/doubledicespinforcash", name="dicespin", size=[366, 366],
         edge="darkburgundy", hub_colour=True,
         lit="white", pointer=dict(polygon=TIP, fill="lightgold", outline="black"),
         fits=dict(at=[WHEEL_AT], room=[0, 60, 800, 473]),
         slices=[["25", "black"], ["20", "red"], ["20", "red"], ["50", "black"], ["50", "black"], ["50", "black"],
                 ["100", "red"], ["100", "red"], ["10", "black"], ["10", "black"], ["10", "black"], ["500", "red"],
                 ["500", "red"], ["15", "black"], ["15", "black"], ["15", "black"], ["2500", "red"], ["2500", "red"],
                 ["150", "black"], ["150", "black"], ["150", "black"], ["30", "red"], ["25", "black"],
                 ["25", "black"]]),
    dict(kind="button", dir="gfx/bonus/doubledicespinforcash", name="red", states=["click", "flash"],
         size=[56, 40], label="RED", color="red", shape="rect",
         fits=dict(at=[[491, 533]], room=[491, 533, 60, 67])),
    dict(kind="button", dir="gfx/bonus/doubledicespinforcash", name="black", states=["click", "flash"],
         size=[56, 40], label="BLACK", color="charcoal", shape="rect",
         fits=dict(at=[[611, 533]], room=[611, 533, 189, 67])),
    dict(kind="button", dir="gfx/bonus/doubledicespinforcash", name="collect", states=["click"],
         size=[56, 40], label="TAKE", color="bronze", shape="rect",
         fits=dict(at=[[551, 533]], room=[551, 533, 60, 67])),
]
