# "mountainclimber" (Devizezu Dozozed): mountains, and climb symbols that
# start the mountain climb bonus.
FOLDER = "gfx/mountainclimber"
_CLIMB = dict(glyph="emoji", emoji="climber")
LOOKS = dict(mbar=dict(glyph="bar", bars=1, color="navy", peak="grey"),
             mountain=dict(glyph="emoji", emoji="mountain"), pic=dict(glyph="emoji", emoji="snowmountain"),
             climb=_CLIMB, **{"2climb": dict(_CLIMB, sub="2X")})
LEAD = "pic"   # the lobby's picture of this machine
# The climb bonus picture. The climber's top-left corner goes to a point of
# the path at each height (0 at the foot to 110 at the summit); the picture is
# chosen by the height it climbs from: the big climber to height 97, then the
# two small ones (the jump in the path after height 97 goes with the change of
# size, so the feet stay on the trail). The trail is drawn under the feet, the
# mountain round the trail, the summit under the last point. The checkpoint
# flags stand on the face at the game's places; the camps beside the flags
# whose heights pay at the end of a climb (above 83: 20, above 97: 50). The
# game writes the spin count centred on (548, 536), in black, its figures on
# a baseline half the text's height below that point (about y 538 to 563):
# the cream box holds them.
_PATH = [(200, 444), (200, 440), (202, 437), (202, 432), (204, 430), (205, 427), (207, 424), (209, 419), (211, 417),
         (215, 412), (217, 408), (219, 403), (223, 398), (227, 391), (232, 385), (237, 379), (241, 375), (243, 372),
         (245, 366), (249, 361), (250, 358), (252, 353), (254, 349), (256, 345), (258, 340), (262, 336), (265, 331),
         (265, 328), (268, 324), (270, 321), (270, 316), (270, 312), (270, 309), (271, 305), (271, 300), (273, 295),
         (274, 289), (276, 286), (280, 281), (280, 276), (283, 271), (285, 268), (288, 264), (289, 257), (291, 250),
         (292, 247), (295, 240), (299, 232), (300, 227), (300, 223), (303, 219), (304, 215), (306, 211), (309, 209),
         (312, 205), (316, 200), (316, 196), (318, 191), (320, 188), (323, 184), (326, 179), (327, 175), (329, 172),
         (330, 168), (333, 165), (333, 160), (334, 154), (335, 150), (336, 147), (338, 142), (343, 138), (345, 131),
         (349, 128), (350, 123), (356, 115), (359, 111), (360, 108), (362, 102), (363, 99), (363, 95), (364, 90),
         (365, 85), (367, 80), (368, 75), (369, 69), (374, 65), (377, 59), (377, 56), (377, 52), (378, 46),
         (378, 41), (383, 38), (383, 32), (383, 30), (383, 26), (384, 22), (385, 19), (392, 46), (397, 39),
         (406, 43), (410, 39), (414, 34), (417, 31), (425, 30), (429, 28), (433, 26), (437, 25), (443, 24),
         (446, 22), (449, 19), (454, 17)]
_FLAGS = [(282, 487), (315, 423), (340, 360), (371, 286), (402, 216), (433, 143), (454, 72)]
# the three climbers: size, and the path points each is drawn at (point h + 1
# for a step from height h; the big one also stands at the foot)
_CLIMBERS = [("climber", [40, 57], range(0, 98)), ("scaled1climber", [21, 30], range(98, 106)),
             ("scaled2climber", [20, 29], range(106, 111))]
_SIZE = {h: size for name, size, heights in _CLIMBERS for h in heights}
_FEET = [(x + _SIZE[h][0] * 9 // 20, y + _SIZE[h][1] - 1) for h, (x, y) in enumerate(_PATH)]
_PEAK = (_FEET[-1][0] + 2, _FEET[-1][1] - 3)
# the lit face's left ridge runs a little left of the trail, from the foot to the peak
_RIDGE = [(x - 30, y + 12) for (x, y) in _FEET[0:97:8]] + [(_FEET[96][0] - 22, _FEET[96][1] + 4)]
_MOUNTAIN = [
    dict(circle=[700, 76, 52], fill=[250, 236, 150]), dict(circle=[700, 76, 40], fill="yellow"),
    # far peaks behind
    dict(polygon=[0, 560, 0, 300, 70, 230, 130, 290, 200, 240, 260, 330, 300, 560], fill=[150, 172, 205]),
    dict(polygon=[560, 560, 610, 290, 680, 220, 740, 300, 800, 250, 800, 560], fill=[150, 172, 205]),
    dict(polygon=[60, 246, 70, 230, 82, 242], fill="white"), dict(polygon=[668, 232, 680, 220, 692, 234], fill="white"),
    # clouds
    dict(circle=[120, 170, 22], fill="white"), dict(circle=[148, 160, 28], fill="white"),
    dict(circle=[178, 172, 20], fill="white"), dict(circle=[600, 190, 18], fill="white"),
    dict(circle=[624, 180, 24], fill="white"), dict(circle=[650, 192, 17], fill="white"),
    # the mountain: a lit left face up the ridge, a shaded right face, rock bands
    dict(polygon=[40, 560] + [v for pt in _RIDGE for v in pt] + list(_PEAK) + [600, 230, 760, 560],
         fill=[150, 140, 130], outline=[90, 84, 80]),
    dict(polygon=list(_PEAK) + [600, 230, 760, 560, 440, 560, 470, 330, 468, 170], fill=[112, 104, 100]),
    dict(line=[140, 530, 300, 490], color=[124, 116, 108], width=3),
    dict(line=[300, 430, 420, 400], color=[124, 116, 108], width=3),
    dict(line=[330, 330, 450, 300], color=[124, 116, 108], width=3),
    dict(line=[480, 420, 640, 400], color=[92, 86, 82], width=3),
    dict(line=[480, 270, 570, 262], color=[92, 86, 82], width=3),
    # the snow cap round the summit
    dict(polygon=[_FEET[88][0] - 26, _FEET[88][1] + 14] + list(_PEAK) +
         [560, 160, 536, 150, 516, 172, 496, 150, 474, 176, 452, 152, 430, 170, 412, 146],
         fill="white"),
    dict(polygon=list(_PEAK) + [560, 160, 536, 150, 516, 172, 496, 150, 474, 176, 468, 100], fill=[214, 226, 240]),
    # the ground at the foot, with pines
    dict(polygon=[0, 548, 200, 520, 420, 536, 620, 516, 800, 540, 800, 600, 0, 600], fill="darkfelt"),
    dict(symbol="emoji", emoji="pine", box=[30, 480, 44, 60]), dict(symbol="emoji", emoji="pine", box=[80, 496, 36, 48]),
    dict(symbol="emoji", emoji="pine", box=[690, 476, 44, 60]), dict(symbol="emoji", emoji="pine", box=[740, 494, 36, 48]),
] + [
    # the trail up the face, under the climber's feet
    dict(line=[a[0], a[1], b[0], b[1]], color=[150, 104, 54], width=3)
    for a, b in zip(_FEET[:97], _FEET[1:97]) if a != b
] + [
    dict(line=[a[0], a[1], b[0], b[1]], color=[150, 104, 54], width=2)
    for a, b in zip(_FEET[97:], _FEET[98:]) if a != b
] + [
    # where the climb pays: the summit, and the camps beside the flags of heights 83 and 97
    dict(symbol="emoji", emoji="tent", box=[486, 130, 30, 26]), dict(symbol="emoji", emoji="tent", box=[506, 62, 30, 26]),
    dict(box=[520, 134, 86, 20], fill="navy", outline="white", radius=4, label="CAMP  20", size=12, color="white"),
    dict(box=[540, 66, 110, 20], fill="navy", outline="white", radius=4, label="HIGH CAMP  50", size=12,
         color="white"),
    dict(box=[_PEAK[0] + 22, 10, 110, 22], fill="red", outline="white", radius=4, label="SUMMIT  100", size=13,
         color="white"),
    # the title plate and the spin count's box
    dict(box=[20, 20, 300, 80], fill="cream", outline="navy", width=3, radius=8),
    dict(text="CLIMB TO THE TOP!", box=[28, 24, 284, 40], size=28, font="serif-bold", color="navy"),
    dict(text="Pass the summit: 100 at once.", box=[28, 62, 284, 16], size=13, color="navy"),
    dict(text="Above a camp at spin 20: its prize.", box=[28, 79, 284, 16], size=13, color="navy"),
    dict(box=[488, 524, 120, 52], fill="cream", outline="navy", width=3, radius=6),
    dict(text="SPIN (OF 20)", at=[548, 514], size=12, color="white", outline="navy", font="sans-bold"),
    # the gold frame again, over the hills
    dict(box=[0, 0, 800, 600], outline=[128, 103, 31], width=1), dict(box=[2, 2, 796, 596], outline="gold", width=3),
    dict(box=[7, 7, 786, 586], outline=[150, 120, 36], width=1),
]
_BACKDROP = "gfx/bonus/mountainclimber/bonus.png"
ITEMS = [
    dict(kind="cabinet", looks=LOOKS, title="DEVIZEZU DOZOZED", colors=["sky", "navy"], panel="navy",
         pays=[["3 PEAKS", 500, "pic pic pic"], ["3 MOUNTAINS", 100], ["MOUNTAIN+M-BAR", 75, "mountain mbar mountain"],
               ["3 M-BARS", 50, "mbar mbar mbar"], ["3 TRIPLE BAR", 30], ["3 DOUBLE BAR", 20], ["3 BAR", 10], ["3 CHERRIES", 10],
               ["ANY 3 BARS", 5], ["2 CHERRIES", 5], ["1 CHERRY", 2]],
         feature=dict(symbol="climb", lines=["CLIMB SYMBOLS", "START THE CLIMB"], big="BONUS"),
         bottom="CLIMB THE MOUNTAIN FOR A BONUS",
         glass_lines=[["CLIMB SYMBOLS ON A LOSING SPIN MOVE THE CLIMBER UP; THE 2X CLIMBS TWICE AS FAR",
                       "climb 2climb"],
                      "PAST THE SUMMIT: 100 AT ONCE. ABOVE A CAMP WHEN 20 SPINS ARE UP: 20 OR 50",
                      "3 PEAKS AT 3 COINS: 2500 FOR THE BET"],
         elements=[dict(box=[688, 329, 60, 26], bevel=True, fill="navy", label="RESET", size=11)] +
                  [dict(text="3 PEAKS AT 3 COINS:", at=[721, 286], anchor="mm", size=11, color="yellow",
                        font="sans-bold", max_w=134),
                   dict(text="2500 FOR THE BET", at=[721, 302], anchor="mm", size=11, color="yellow",
                        font="sans-bold", max_w=134)]),
    dict(kind="symbolset", symbols=[["blank", 8], ["cherry", 2], ["bar", 2], ["2bar", 2], ["3bar", 2], ["mbar", 2],
                                    ["mountain", 2], ["pic", 2], ["climb", 4], ["2climb", 2]],
         looks=LOOKS),
    # the "reset" button's pressed look (its everyday look is on back.png)
    dict(kind="button", name="reset", states=["click"], size=[60, 26], label="RESET", color="navy", shape="rect"),

    # the climb bonus: the mountain, the checkpoint flag and the climber in three
    # sizes (frames 0-7), drawn with their top-left corner on the climbing path
    dict(kind="background", dir="gfx/bonus/mountainclimber", file="bonus.png", style="sky",
         colors=["sky", "lightblue"], elements=_MOUNTAIN,
         writes=[dict(font="cashname.ttf", size=25, at=[548, 536], align=4, color="black",
                      texts=[str(n) for n in range(21)])]),
    dict(kind="symbol", dir="gfx/bonus/mountainclimber", file="flag.png", size=[20, 30], glyph="pennant",
         alpha=True, pad=0, over=[_BACKDROP] + [list(f) for f in _FLAGS]),
] + [
    dict(kind="symbol", dir="gfx/bonus/mountainclimber", file="%s.png.%d" % (name, k), size=size,
         glyph="climber", pose=k, alpha=True, pad=0, over=[_BACKDROP] + [list(_PATH[h]) for h in heights])
    for name, size, heights in _CLIMBERS
    for k in range(8)
]
