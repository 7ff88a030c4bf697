# "mountainclimber" (Devizezu Dozozed): mountains, and climb symbols that
# start the mountain climb bonus.
FOLDER = "gfx/mountainclimber"
_CLIMB = dict(glyph="emoji", emoji="climber")
LOOKS = dict(mbar=dict(glyph="bar", bars=1, color="navy", peak="grey"),
             mountain=dict(glyph="emoji", emoji="mountain"), pic=dict(glyph="emoji", emoji="snowmountain"),
             climb=_CLIMB, **{"2climb": dict(_CLIMB, sub="2X")})
LEAD = "pic"   # the lobby's picture of this machine
# The climb bonus picture. The climber walks up the left ridge from (200, 444)
# to the summit at (454, 17) (its top-left corner; the trail runs under its
# feet); the checkpoint flags stand on the face; the game writes the spins
# left in the box at (548, 536).
_TRAIL = [(200, 444), (215, 412), (232, 385), (250, 358), (265, 331), (270, 309), (276, 286), (288, 264),
          (299, 232), (309, 209), (323, 184), (333, 160), (343, 138), (356, 115), (364, 90), (369, 69),
          (378, 46), (384, 22), (410, 39), (433, 26), (454, 17)]
_MOUNTAIN = [
    dict(circle=[700, 76, 52], fill=[250, 236, 150]), dict(circle=[700, 76, 40], fill="yellow"),
    # far peaks behind
    dict(polygon=[0, 560, 0, 300, 70, 230, 130, 290, 200, 240, 260, 330, 300, 560], fill=[150, 172, 205]),
    dict(polygon=[560, 560, 610, 290, 680, 220, 740, 300, 800, 250, 800, 560], fill=[150, 172, 205]),
    dict(polygon=[60, 246, 70, 230, 82, 242], fill="white"), dict(polygon=[668, 232, 680, 220, 692, 234], fill="white"),
    # clouds
    dict(circle=[120, 170, 22], fill="white"), dict(circle=[148, 160, 28], fill="white"),
    dict(circle=[178, 172, 20], fill="white"), dict(circle=[600, 150, 18], fill="white"),
    dict(circle=[624, 140, 24], fill="white"), dict(circle=[650, 152, 17], fill="white"),
    # the mountain: a lit left face, a shaded right face, rock bands
    dict(polygon=[40, 560, 190, 500, 212, 478, 262, 392, 295, 305, 338, 213, 376, 124, 395, 60, 470, 12,
                  600, 200, 760, 560], fill=[150, 140, 130], outline=[90, 84, 80]),
    dict(polygon=[470, 12, 600, 200, 760, 560, 420, 560, 450, 330, 440, 170], fill=[108, 100, 96]),
    dict(line=[120, 530, 300, 470], color=[120, 112, 104], width=3),
    dict(line=[230, 440, 380, 400], color=[120, 112, 104], width=3),
    dict(line=[300, 330, 430, 300], color=[120, 112, 104], width=3),
    dict(line=[480, 420, 640, 400], color=[88, 82, 78], width=3),
    dict(line=[470, 260, 560, 250], color=[88, 82, 78], width=3),
    # the snow cap
    dict(polygon=[388, 84, 470, 12, 548, 124, 526, 112, 508, 138, 488, 114, 466, 142, 446, 116, 424, 134, 408, 108],
         fill="white"),
    dict(polygon=[470, 12, 548, 124, 526, 112, 508, 138, 488, 114, 466, 142, 460, 60], fill=[214, 226, 240]),
    # the ground at the foot, with pines
    dict(polygon=[0, 548, 200, 520, 420, 536, 620, 516, 800, 540, 800, 600, 0, 600], fill="darkfelt"),
    dict(symbol="emoji", emoji="pine", box=[30, 480, 44, 60]), dict(symbol="emoji", emoji="pine", box=[80, 496, 36, 48]),
    dict(symbol="emoji", emoji="pine", box=[690, 476, 44, 60]), dict(symbol="emoji", emoji="pine", box=[740, 494, 36, 48]),
] + [
    # the trail up the ridge, under the climber's feet
    dict(line=[a[0] + 12, a[1] + 34, b[0] + 12, b[1] + 34], color=[196, 150, 90], width=3)
    for a, b in zip(_TRAIL[:-1], _TRAIL[1:])
] + [
    # where the climb pays: the summit and the two camps (the flags at heights 83 and 97)
    dict(symbol="emoji", emoji="tent", box=[478, 124, 30, 26]), dict(symbol="emoji", emoji="tent", box=[498, 58, 30, 26]),
    dict(box=[512, 128, 86, 20], fill="navy", outline="white", radius=4, label="CAMP  20", size=12, color="white"),
    dict(box=[532, 62, 110, 20], fill="navy", outline="white", radius=4, label="HIGH CAMP  50", size=12,
         color="white"),
    dict(box=[490, 6, 110, 22], fill="red", outline="white", radius=4, label="SUMMIT  100", size=13, color="white"),
    # the title plate and the spins box
    dict(box=[20, 20, 300, 80], fill="cream", outline="navy", width=3, radius=8),
    dict(text="CLIMB TO THE TOP!", box=[28, 24, 284, 40], size=28, font="serif-bold", color="navy"),
    dict(text="Pass the summit for 100; end a climb", box=[28, 62, 284, 16], size=13, color="navy"),
    dict(text="above a camp for its prize.", box=[28, 79, 284, 16], size=13, color="navy"),
    dict(box=[488, 512, 120, 48], fill="cream", outline="navy", width=3, radius=6),
    dict(text="SPINS", at=[548, 506], size=13, color="white", outline="navy"),
    # the gold frame again, over the hills
    dict(box=[0, 0, 800, 600], outline=[128, 103, 31], width=1), dict(box=[2, 2, 796, 596], outline="gold", width=3),
    dict(box=[7, 7, 786, 586], outline=[150, 120, 36], width=1),
]
ITEMS = [
    dict(kind="cabinet", looks=LOOKS, title="DEVIZEZU DOZOZED", colors=["sky", "navy"], panel="navy",
         pays=[["3 PEAKS", 500, "pic pic pic"], ["3 MOUNTAINS", 100], ["MOUNTAIN+M-BAR", 75, "mountain mbar mountain"],
               ["3 M-BARS", 50, "mbar mbar mbar"], ["3 TRIPLE BAR", 30], ["3 DOUBLE BAR", 20], ["3 BAR", 10], ["3 CHERRIES", 10],
               ["ANY 3 BARS", 5], ["2 CHERRIES", 5], ["1 CHERRY", 2]],
         feature=dict(symbol="climb", lines=["CLIMB SYMBOLS", "START THE CLIMB"], big="BONUS"),
         bottom="CLIMB THE MOUNTAIN FOR A BONUS",
         glass_lines=[["CLIMB SYMBOLS CLIMB 1 OR 2 STEPS: NEAR THE TOP PAYS A BONUS",
                       "climb 2climb"], "3 PEAKS AT 3 COINS: 2500 FOR THE BET"],
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
         colors=["sky", "lightblue"], elements=_MOUNTAIN),
    dict(kind="symbol", dir="gfx/bonus/mountainclimber", file="flag.png", size=[18, 26], glyph="pennant",
         alpha=True, pad=0),
] + [
    dict(kind="symbol", dir="gfx/bonus/mountainclimber", file="%s.png.%d" % (name, k), size=size,
         glyph="climber", pose=k, alpha=True, pad=0)
    for name, size in (("climber", [24, 34]), ("scaled1climber", [18, 26]), ("scaled2climber", [14, 20]))
    for k in range(8)
]
