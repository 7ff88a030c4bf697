# "demoderby" (Demolition Derby): the derby's own screen. Five plays of
# three reels (symbol windows 75 x 83), the button row, the hold buttons, the
# meters, the win mark, the reel-spin frames and the two attract panels.
FOLDER = "gfx/demoderby"
LEAD = dict(glyph="emoji", emoji="racecar")   # the lobby's picture of this machine

REELS_X = [172, 255, 339]
ROWS_Y = [366, 279, 191, 103, 15]          # play 1 (bottom) to play 5
MARKS = [[175, 370], [175, 285], [175, 194], [175, 110], [175, 21]]   # a winning play's mark, play 1 to 5
FACE_TOP, FACE_BOTTOM = 487, 509            # the row's faces, below the change and cash-out tabs
WINDOW = [38, 56, 98]                      # the symbol windows' night-blue ground: the yellow win amounts read on it           # the button row's faces, whatever a button's top

# name, left, top, width, label. A button's picture reaches from its top down
# to the row's bottom; above the row's faces it is transparent (colour key),
# so the change and cash-out tabs can sit over the row.
ROW = [("betone", 115, 477, 40, "BET 1"), ("betmax", 156, 477, 62, "BET MAX"),
       ("play1", 221, 477, 46, "1 PLAY"), ("play2", 271, 478, 46, "2 PLAYS"), ("play3", 319, 478, 46, "3 PLAYS"),
       ("play4", 370, 477, 46, "4 PLAYS"), ("play5", 418, 477, 46, "5 PLAYS"),
       ("start", 495, 483, 58, "START"), ("cancel", 560, 473, 58, "CANCEL")]
# name, left, top, width, height, label: buttons drawn whole. The change and
# cash-out tabs sit side by side under the first HOLD button, above the row's
# faces: CHANGE (off to the cashier, as on every other machine) in the 32
# pixels up to cash-out, CASH OUT up to the second HOLD button's column; both
# in the same narrow bold face, cream on burgundy, so neither reads fainter.
TABS = [("change", 173, 471, 32, 15, "CHANGE"), ("cashout", 205, 471, 49, 15, "CASH OUT"),
        ("respin", 427, 442, 60, 24, "RESPIN")]
TAB_ROOM = dict(change=[173, 471, 32, 16], cashout=[205, 471, 49, 16], respin=[427, 442, 68, 28])
TAB_FONT = dict(change="narrow", cashout="narrow", respin="condensed-bold")
TAB_SIZE = dict(change=9, cashout=9, respin=10)   # CHANGE fills its tab at 9 px; CASH OUT beside it alike
HOLDS = [("hold1", 174, 449), ("hold2", 254, 449), ("hold3", 340, 449)]

PAYS = [("flag", "FLAG FLAG FLAG", 400), ("trophy", "TROPHY x3", 150), ("car", "CAR CAR CAR", 75),
        ("3bar", "3BAR x3", 30), ("2bar", "2BAR x3", 20), ("bar", "BAR x3", 10), ("", "ANY 3 BARS", 5),
        ("3tire", "3 TIRES x3", 4), ("2tire", "2 TIRES x3", 3), ("tire", "TIRE x3", 2), ("", "ANY 3 TIRES", 1)]


def row_face(name, x, y, w, lit):
    """A row button: transparent down to the faces, then a bevelled face."""
    return [dict(box=[x, FACE_TOP, w, FACE_BOTTOM - FACE_TOP], bevel=True,
                 fill="red" if lit else "burgundy", label=label_of(name), size=10,
                 color="lightgold" if lit else "cream")]


def label_of(name):
    for n, x, y, w, label in ROW:
        if n == name:
            return label
    for n, x, y, w, h, label in TABS:
        if n == name:
            return label
    return name.upper()


def tire(cx, cy, r):
    return [dict(circle=[cx, cy, r], fill="black", outline="darkgrey", width=2),
            dict(circle=[cx, cy, int(r * 0.78)], outline="charcoal", width=2),
            dict(circle=[cx, cy, int(r * 0.5)], fill="grey", outline="silver", width=1),
            dict(circle=[cx, cy, max(2, int(r * 0.18))], fill="charcoal")]


def car(dx, dy, s=1.0, color="red"):
    def p(*pts):
        return [v * s + (dx if k % 2 == 0 else dy) for k, v in enumerate(pts)]
    return [dict(polygon=p(2, 30, 8, 20, 20, 18, 28, 6, 50, 6, 60, 18, 70, 21, 72, 34, 2, 34), fill=color,
                 outline="black"),
            dict(polygon=p(31, 9, 44, 9, 44, 18, 26, 18), fill="lightblue", outline="black"),
            dict(polygon=p(47, 9, 50, 9, 56, 18, 47, 18), fill="lightblue", outline="black"),
            dict(line=p(34, 22, 40, 28) + [], color="black", width=1),
            dict(line=p(40, 28, 37, 33), color="black", width=1)] + \
        tire(int(dx + 17 * s), int(dy + 34 * s), int(9 * s)) + tire(int(dx + 57 * s), int(dy + 34 * s), int(9 * s))


def trophy():
    return [dict(circle=[16, 27, 9], outline="darkgold", width=4), dict(circle=[59, 27, 9], outline="darkgold", width=4),
            dict(polygon=[14, 10, 61, 10, 55, 38, 45, 47, 30, 47, 20, 38], fill="gold", outline="darkgold"),
            dict(polygon=[22, 14, 30, 14, 30, 38, 26, 36], fill="lightgold"),
            dict(box=[33, 47, 9, 11], fill="darkgold"),
            dict(box=[23, 58, 29, 6], fill="gold", outline="darkgold"),
            dict(box=[17, 64, 41, 10], fill="brown", outline="black"),
            dict(text="1", at=[40, 27], size=18, font="serif-bold", color="darkburgundy")]


def flag():
    """A chequered flag on a pole, waving a little (each column a step lower)."""
    checks = [dict(box=[17 + 10 * c, 12 + 9 * r + (c % 2), 10, 9], fill="white" if (r + c) % 2 else "black")
              for r in range(4) for c in range(5)]
    return [dict(box=[10, 8, 6, 68], fill="silver", outline="darkgrey"), dict(circle=[13, 8, 4], fill="gold")] + \
        checks + [dict(box=[16, 11, 52, 39], outline="charcoal", width=1)]


def symbol(file, elements):
    return dict(kind="background", file=file, size=[75, 83], style="gradient", colors=[[58, 80, 130], WINDOW],
                elements=[dict(box=[0, 0, 75, 83], outline="darkgold", width=1)] + elements)


def paytable(x, y, w, size=13, pitch=24):
    gap = max(0, pitch - 24) // 2   # a wider pitch leaves more room under the heading
    els = [dict(box=[x, y, w, pitch * len(PAYS) + 34 + gap], fill="black", outline="gold", width=2, radius=6),
           dict(text="PAYS PER COIN", at=[x + w // 2, y + 16], size=size, color="lightgold", font="sans-bold")]
    for i, (sym, label, pay) in enumerate(PAYS):
        ty = y + 40 + gap + i * pitch
        els.append(dict(text=label, at=[x + 10, ty], anchor="lm", size=size - 2, max_w=w - 80,
                        color="gold" if pay >= 75 else "cream", font="condensed-bold", table="labels"))
        els.append(dict(text=str(pay), at=[x + w - 10, ty], anchor="rm", size=size, color="lightgold",
                        font="sans-bold", table="amounts"))
    return els


BACK = (
    [dict(box=[160, 8, 265, 450], fill="black", outline="gold", width=3, radius=6)] +
    [dict(box=[x - 1, y - 1, 77, 85], fill=WINDOW, outline="darkgold") for y in ROWS_Y for x in REELS_X] +
    [dict(text="PLAY %d" % (k + 1), at=[92, y + 42], size=15, color="lightgold", font="sans-bold")
     for k, y in enumerate(ROWS_Y)] +
    [dict(box=[432, y + 24, 44, 20], fill="cream", outline="navy") for y in ROWS_Y] +
    [dict(text="BET", at=[454, y + 18], size=9, color="lightgold", font="sans-bold") for y in ROWS_Y] +
    [dict(text="DEMOLITION", at=[610, 34], size=30, font="serif-bold", color="brightred", outline="black"),
     dict(text="DERBY", at=[610, 76], size=40, font="serif-bold", color="lightgold", outline="black"),
     dict(box=[524, 142, 73, 46], fill="black", outline="gold", width=2, radius=4),
     dict(text="COIN", at=[560, 200], size=10, color="lightgold"),
     dict(meter=[484, 308, 116, 28], label="CREDITS", size=12, color="lightgold"),
     dict(meter=[484, 403, 116, 28], label="PAID", size=12, color="lightgold"),
     # the coin slot and the bill slot
     dict(box=[555, 449, 32, 22], fill="charcoal", outline="gold", width=2, radius=3),
     dict(box=[563, 455, 16, 10], fill="black"),
     dict(text="COINS", at=[540, 460], anchor="rm", size=9, color="lightgold"),
     dict(box=[514, 532, 95, 32], fill="charcoal", outline="gold", width=2, radius=4),
     dict(box=[524, 544, 75, 8], fill="black"),
     dict(text="INSERT BILLS", at=[561, 574], size=9, color="lightgold"),
     dict(text="HOLD the reels of play 1, then RESPIN", at=[293, 524], size=11, color="cream"),
     dict(text="THREE FLAGS ON PLAY 5 AT 5 COINS WIN THE CAR!", at=[400, 584], size=14,
          color="gold", font="serif-bold")] +
    paytable(612, 120, 172) +
    [dict(box=[x, FACE_TOP, w, FACE_BOTTOM - FACE_TOP], bevel=True, fill="burgundy", label=label, size=10,
          color="cream") for (name, x, y, w, label) in ROW] +
    [dict(box=[x, y, w, h], bevel=True, fill="burgundy", label=label,
          size=TAB_SIZE[name], color="cream", font=TAB_FONT[name]) for (name, x, y, w, h, label) in TABS] +
    [dict(box=[x, y, 72, 16], bevel=True, fill="navy", label="HOLD", size=10, color="cream")
     for (name, x, y) in HOLDS]
)

ITEMS = [
    dict(kind="background", file="back.png", style="dark", colors=["charcoal", "black"], border=True,
         elements=BACK),
    # the bars come from the shared looks; their set also makes the turning frames b.png.0-33
    dict(kind="symbolset", size=[75, 83], reel_frames=34, bg=WINDOW,
         symbols=[["2bar", 1], ["3bar", 1], ["bar", 1]]),
    symbol("flag.png.0", flag()),
    symbol("tire.png.0", tire(37, 41, 31)),
    symbol("2tire.png.0", tire(37, 22, 18) + tire(37, 61, 18)),
    symbol("3tire.png.0", tire(21, 58, 16) + tire(54, 58, 16) + tire(37, 26, 16)),
    symbol("car.png.0", car(1, 20)),
    symbol("trophy.png.0", trophy()),
    # the mark of a winning play, over its reels at (175, row top + 3 to 7): a
    # gold frame round the row, clear inside, so the symbols that won show
    # whole; a WIN tab on the frame's top edge over the gap between the first
    # two reels; and a smoked plate, just large enough, under the amount, which
    # the game writes at 25 points from (280, row's baseline), 105 px in and 62
    # or 63 px down the mark: its digits stand 34 px tall and up to 108 wide
    # (four, at 25 points at the text engine's 96 dots an inch), and the
    # symbols show through the plate round and behind them
    dict(kind="background", file="win.png", size=[234, 74], alpha=True,
         elements=[dict(box=[0, 0, 234, 74], outline="lightgold", width=3, radius=8),
                   dict(box=[101, 24, 117, 45], fill="black", alpha=150, outline="gold", width=1, radius=5),
                   dict(box=[52, 0, 48, 15], bevel=True, fill="red", label="WIN", size=11, color="lightgold")],
         # every amount a play can win (a pay times one to five coins), on the band at each row's anchor
         writes=[dict(font="demoderby.ttf", size=25, at=[280 - 175, baseline - m[1]], align=1, margin=2,
                      color=[255, 231, 37], texts=sorted({str(p * c) for p in [400, 150, 75, 30, 20, 10, 5, 4, 3, 2, 1]
                                                          for c in range(1, 6)}))
                 for m, baseline in zip(MARKS, [432, 347, 257, 172, 84])],
         fits=[dict(at=MARKS, room=[172, 15, 241, 433])] +
              [dict(at=[m], room=[REELS_X[0], y, REELS_X[2] + 75 - REELS_X[0], 83]) for m, y in zip(MARKS, ROWS_Y)]),
] + [
    # mouse-over looks: the row buttons lit, over the key colour above their faces
    dict(kind="background", file=name + "_mo.png", size=[w, FACE_BOTTOM - y], style="plain", colors=["key", "key"],
         key=True, elements=[dict(box=[0, FACE_TOP - y, w, FACE_BOTTOM - FACE_TOP], bevel=True, fill="red",
                                  label=label, size=10, color="lightgold")])
    for (name, x, y, w, label) in ROW
] + [
    dict(kind="background", file=name + "_mo.png", size=[w, h], style="plain", colors=["key", "key"], key=True,
         elements=[dict(box=[0, 0, w, h], bevel=True, fill="red", label=label,
                        size=TAB_SIZE[name], color="lightgold", font=TAB_FONT[name])],
         fits=dict(at=[[x, y]], room=TAB_ROOM[name]))
    for (name, x, y, w, h, label) in TABS
] + [
    dict(kind="background", file=name + "_click.png", size=[72, 16], style="plain", colors=["key", "key"], key=True,
         elements=[dict(box=[0, 0, 72, 16], bevel=True, fill="yellow", label="HELD", size=10, color="black")])
    for (name, x, y) in HOLDS
] + [
    # the attract panels; the top one leaves room for the LED sign at (200, 551), 200 x 21
    dict(kind="background", file="top.png", style="dark", border=True, title="DEMOLITION DERBY", title_size=54,
         title_y=80, title_color="brightred",
         subtitle="Crash your way to the car!", subtitle_at=[400, 150],
         elements=[dict(symbol="flag", box=[70, 200, 170, 170], style="checker"),
                   dict(symbol="flag", box=[560, 200, 170, 170], style="checker")] +
                  car(290, 230, 3.0, "red") +
                  [dict(text="CLICK OR PRESS A KEY TO PLAY", at=[400, 470], size=24, color="lightgold",
                        font="sans-bold"),
                   dict(box=[194, 545, 212, 33], fill="black", outline="gold", width=2)]),
    dict(kind="background", file="bottom.png", style="dark", border=True, title="HOW THE DERBY PAYS", title_size=40,
         title_y=50,
         lines=["Bet 1 to 5 coins on 1 to 5 plays.", "Play 1 spins first.", "HOLD the reels you like,",
                "then RESPIN: the held reels", "carry into every play.", "",
                ["Three flags on play 5", "lightgold"], ["at five coins win the car!", "lightgold"],
                ["The car takes the place", "lightgold"], ["of every credit that game", "lightgold"],
                ["would pay.", "lightgold"]],
         text_size=19, text_x=50, text_top=100, text_align="left",
         elements=paytable(410, 84, 360, size=20, pitch=35) + car(110, 400, 2.2, "red") +
                  [dict(text="Click or press a key to play", at=[400, 560], size=18, color="lightgold")]),
]
