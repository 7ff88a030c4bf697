# "mountainclimber" (Devizezu Dozozed): mountains, and climb symbols that
# start the mountain climb bonus.
FOLDER = "gfx/mountainclimber"
_CLIMB = dict(glyph="emoji", emoji="climber")
LOOKS = dict(mbar=dict(glyph="bar", bars=1, label="M-BAR", color="navy"),
             mountain=dict(glyph="emoji", emoji="mountain"), pic=dict(glyph="emoji", emoji="snowmountain"),
             climb=_CLIMB, **{"2climb": dict(_CLIMB, sub="2X")})
LEAD = "pic"   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", looks=LOOKS, title="DEVIZEZU DOZOZED", colors=["sky", "navy"], panel="navy",
         pays=[["3 PEAKS", 500, "pic pic pic"], ["3 MOUNTAINS", 100], ["MOUNTAIN+M-BAR", 75, "mountain mbar mountain"],
               ["3 M-BARS", 50, "mbar mbar mbar"], ["3 TRIPLE BAR", 30], ["3 DOUBLE BAR", 20], ["3 BAR", 10], ["3 CHERRIES", 10],
               ["ANY 3 BARS", 5], ["2 CHERRIES", 5], ["1 CHERRY", 2]],
         feature=dict(symbol="climb", lines=["CLIMB SYMBOLS", "START THE CLIMB"], big="BONUS"),
         bottom="CLIMB THE MOUNTAIN FOR A BONUS",
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
         colors=["lightblue", "sky"], border=True,
         elements=[dict(polygon=[40, 560, 190, 500, 212, 478, 262, 392, 295, 305, 338, 213, 376, 124, 395, 60, 470, 12,
                                 600, 200, 760, 560], fill="grey",
                        outline="darkgrey"),
                   dict(polygon=[398, 62, 470, 12, 530, 100, 495, 90, 470, 115, 440, 92, 412, 104], fill="white"),
                   dict(polygon=[0, 560, 800, 560, 800, 600, 0, 600], fill="darkfelt"),
                   dict(text="CLIMB TO THE TOP!", at=[170, 60], size=30, font="serif-bold", color="navy", max_w=300),
                   dict(text="Summit: 100   High camp: 50   Camp: 20", at=[170, 100], size=14, color="navy",
                        max_w=280),
                   dict(box=[488, 512, 120, 48], fill="cream", outline="navy", width=3, radius=6),
                   dict(text="SPINS", at=[548, 506], size=12, color="white", outline="navy")]),
    dict(kind="symbol", dir="gfx/bonus/mountainclimber", file="flag.png", size=[18, 26], glyph="pennant",
         alpha=True, pad=0),
] + [
    dict(kind="symbol", dir="gfx/bonus/mountainclimber", file="%s.png.%d" % (name, k), size=size,
         glyph="climber", pose=k, alpha=True, pad=0)
    for name, size in (("climber", [24, 34]), ("scaled1climber", [18, 26]), ("scaled2climber", [14, 20]))
    for k in range(8)
]
