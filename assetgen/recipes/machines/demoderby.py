# "demoderby" (Demolition Derby): the derby's own screen. Five plays of
# three reels (symbol windows 75 x 83), the button row, the hold buttons, the
# meters, the win mark, the reel-spin frames and the two attract panels.
FOLDER = "gfx/demoderby"

REELS_X = [172, 255, 339]
ROWS_Y = [366, 279, 191, 103, 15]          # play 1 (bottom) to play 5
# name, x, y, w, h, label: the buttons' mouse-over pictures (colour-keyed); back.png
# shows their everyday look at the same places
BUTTONS = [("change", 173, 471, 30, 14, "CHG"), ("cashout", 205, 471, 30, 14, "OUT"),
           ("betmax", 156, 477, 62, 22, "MAX"), ("betone", 115, 477, 40, 22, "+1"),
           ("play1", 221, 477, 46, 22, "1"), ("play2", 271, 478, 46, 22, "2"), ("play3", 319, 478, 46, 22, "3"),
           ("play4", 370, 477, 46, 22, "4"), ("play5", 418, 477, 46, 22, "5"), ("start", 495, 483, 58, 26, "START"),
           ("cancel", 560, 473, 58, 26, "CANCEL"), ("respin", 427, 442, 60, 24, "RESPIN")]
HOLDS = [("hold1", 174, 449), ("hold2", 254, 449), ("hold3", 340, 449)]

_TOKEN = dict(glyph="token", shape="round", border="gold", text="white")
LOOKS = {"tire": dict(_TOKEN, label="TIRE", shape="circle", color="black", border="grey"),
         "2tire": dict(_TOKEN, label="2 TIRES", color="charcoal", border="grey"),
         "3tire": dict(_TOKEN, label="3 TIRES", color="darkgrey", border="grey"),
         "car": dict(_TOKEN, label="CAR", color="red"), "flag": dict(glyph="flag", style="checker"),
         "trophy": dict(glyph="crown", color="gold")}

ITEMS = [
    dict(kind="background", file="back.png", style="dark", colors=["charcoal", "black"], border=True,
         elements=[dict(box=[160, 8, 265, 450], fill="black", outline="gold", width=3, radius=6)] +
                  [dict(box=[x - 1, y - 1, 77, 85], fill="cream", outline="darkgold")
                   for y in ROWS_Y for x in REELS_X] +
                  [dict(text="PLAY %d" % (k + 1), at=[100, y + 42], size=14, color="lightgold", font="sans-bold")
                   for k, y in enumerate(ROWS_Y)] +
                  [dict(box=[432, y + 24, 44, 20], fill="cream", outline="navy") for y in ROWS_Y] +
                  [dict(text="DEMOLITION", at=[620, 40], size=34, font="serif-bold", color="red", outline="black"),
                   dict(text="DERBY", at=[620, 84], size=40, font="serif-bold", color="lightgold", outline="black"),
                   dict(box=[524, 142, 73, 46], fill="black", outline="gold", width=2, radius=4),
                   dict(box=[482, 306, 120, 30], fill="black", outline="gold", width=2),
                   dict(text="CREDITS", at=[542, 300], anchor="ms", size=12, color="lightgold"),
                   dict(box=[482, 401, 120, 30], fill="black", outline="gold", width=2),
                   dict(text="PAID", at=[542, 396], anchor="ms", size=12, color="lightgold"),
                   dict(box=[555, 449, 32, 22], fill="charcoal", outline="gold", width=2, radius=3),
                   dict(box=[514, 532, 95, 32], fill="charcoal", outline="gold", width=2, radius=4),
                   dict(text="BILLS", at=[561, 548], size=12, color="lightgold"),
                   dict(text="THREE FLAGS ON PLAY 5 AT 5 COINS WIN THE CAR!", at=[400, 585], size=14,
                        color="gold", font="serif-bold")] +
                  [dict(box=[x, y, w, h], bevel=True, fill="burgundy", label=label, size=10, color="cream")
                   for (name, x, y, w, h, label) in sorted(BUTTONS, key=lambda b: b[0] in ("change", "cashout"))] +
                  [dict(box=[x, y, 72, 16], bevel=True, fill="navy", label="HOLD", size=10, color="cream")
                   for (name, x, y) in HOLDS]),
    dict(kind="symbolset", size=[75, 83], reel_frames=34, looks=LOOKS,
         symbols=[["2bar", 1], ["2tire", 1], ["3bar", 1], ["3tire", 1], ["bar", 1], ["car", 1], ["flag", 1],
                  ["tire", 1], ["trophy", 1]]),
    dict(kind="text", file="win.png", size=[60, 22], text="WIN", bg="red", color="lightgold", text_size=16),
] + [
    dict(kind="button", name=name, states=["mo"], size=[w, h], label=label, color="red", key=True, shape="rect",
         label_size=12) for (name, x, y, w, h, label) in BUTTONS
] + [
    dict(kind="button", name=name, states=["click"], size=[72, 16], label="HELD", color="yellow", text="black",
         key=True, shape="rect", label_size=11) for (name, x, y) in HOLDS
] + [
    # the attract panels; the top one leaves room for the LED sign at (200, 551), 200 x 21
    dict(kind="background", file="top.png", style="dark", border=True, title="DEMOLITION DERBY", title_size=54,
         title_y=90, title_color="red",
         subtitle="Crash your way to the car!", subtitle_at=[400, 160],
         elements=[dict(symbol="flag", box=[90, 220, 200, 200]), dict(symbol="flag", box=[510, 220, 200, 200]),
                   dict(box=[195, 546, 210, 31], fill="black", outline="gold", width=2),
                   dict(text="CLICK TO PLAY", at=[400, 480], size=26, color="lightgold", font="sans-bold")]),
    dict(kind="background", file="bottom.png", style="dark", border=True, title="HOW THE DERBY PAYS", title_size=40,
         lines=["Bet one to five coins on one to five plays.", "Play 1 spins first; hold its reels and RESPIN.",
                "Every play then shows its own three symbols.", "Three alike pay; three flags on play 5",
                "at five coins win the car.", "", ["Click to play", "lightgold"]],
         text_size=22, text_x=400, text_align="center"),
]
