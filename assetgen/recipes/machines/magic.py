# "magic" (Magic): five-reel video slot of a magic show: doves, rabbits,
# hankies, flowers, stars, the cards and the magic hat.
FOLDER = "gfx/magic"
LOOKS = {"aces": dict(glyph="rank", label="A", suit="S"), "kings": dict(glyph="rank", label="K", suit="H"),
         "queens": dict(glyph="rank", label="Q", suit="D"), "dove": dict(glyph="emoji", emoji="dove"),
         "rabbit": dict(glyph="emoji", emoji="rabbit"), "hanky": dict(glyph="emoji", emoji="scarf"),
         "flowers": dict(glyph="emoji", emoji="flowers"), "stars": dict(glyph="star", color="gold"),
         "magic": dict(glyph="emoji", emoji="tophat", ring="purple")}
LEAD = "magic"   # the lobby's picture of this machine
PICTURES = ("aces_dove_queens aces_hanky_dove aces_stars_queens dove_kings_magic dove_queens_stars dove_rabbit_magic "
            "flowers_aces_dove flowers_aces_stars flowers_dove_rabbit hanky_dove_kings hanky_flowers_aces "
            "hanky_kings_magic kings_flowers_dove kings_magic_flowers kings_magic_stars magic_aces_hanky "
            "magic_flowers_aces magic_stars_rabbit queens_hanky_flowers queens_kings_flowers queens_stars_rabbit "
            "rabbit_hanky_kings rabbit_magic_aces rabbit_queens_hanky stars_queens_kings stars_rabbit_hanky "
            "stars_rabbit_queens").split()
LINES = [(1, 110, 167), (2, 105, 110), (3, 105, 220), (4, 104, 59), (5, 104, 280)]

# The bottom glass (the marquee): per coin on a line, 1 to 5 in a row from the left.
GLASS = dict(unit="PAYS PER COIN ON A LINE, SYMBOLS IN A ROW FROM THE LEFT", pays=[
    ["magic", [0, 2, 5, 15, 75]], ["queens", [0, 5, 10, 25, 100]], ["kings", [0, 0, 10, 50, 150]],
    ["aces", [0, 0, 15, 60, 200]], ["dove", [0, 0, 25, 150, 275]], ["flowers rabbit", [0, 0, 50, 200, 500]],
    ["stars rabbit", [0, 0, 60, 500, 2500]], ["rabbit", [0, 0, 75, 1000, 5000]]],
    lines=[["THE RABBIT STANDS IN FOR FLOWERS AND STARS AND DOUBLES THE LINE", "rabbit"],
           "3, 4 OR 5 RABBITS ALONE ARE DOUBLED TOO: THEY PAY 150, 2000 OR 10000",
           ["3, 4 OR 5 HANKIES IN A ROW: PICK A HAT FOR A MULTIPLIER", "hanky"],
           "HAT BONUS: 15, 35 OR 60 x COINS A LINE; AT THE FULL BET 200, 600 OR 1500"])

# The magic-hat bonus, at the game's places. The hats' buttons, left to
# right; each picture coming out of a hat keeps one offset from its button
# (left, up): the star burst and the six prizes. Each is drawn as wide as to
# stand centred over the hat and ends just above it, clear of the hats beside
# it (whose hats are drawn HAT_TOP below their buttons' tops). None is
# colour-keyed: the stage behind them is one flat colour wherever they land,
# so one picture carries it at all five hats.
HATS = [[37, 395], [179, 421], [328, 438], [481, 422], [636, 396]]
HAT, HAT_TOP = [100, 100], 24
STARS = (78, 182)
PRIZES = [("chief", 28, 128, 355), ("small_flower", 9, 98, 210), ("bigflow", 9, 168, 309),
          ("small_bunny", 13, 28, 98), ("med_bunny", 7, 47, 155), ("bigbunny", 17, 73, 256)]
BADGE_AT, BADGE = [191, 4], [418, 34]      # the multiplier picture: above every prize (the highest starts at y 40)
FLOOR = 440                                 # the stage floor; "PICK A HAT!" on its front
TITLE_BOX = [220, 550, 360, 44]


def size_over_hat(left, up):
    return [2 * left + HAT[0], up - 8]


def places(left, up):
    return [[x - left, y - up] for (x, y) in HATS]


ITEMS = [
    dict(kind="cabinet", family="video", title="MAGIC", colors=["navy", "black"], panel="navy",
         meters=dict(bet=[195, 42], lastbet=[421, 42], credits=[590, 42], paid=[643, 377]),
         bottom="THE MAGIC HAT HIDES A BONUS"),
    dict(kind="reelpictures", pictures=PICTURES, looks=LOOKS),
] + [
    dict(kind="text", file="linenumber%d.png" % n, size=[32, 26], text=str(n), bg="navy", color="lightgold",
         text_size=18) for (n, x, y) in LINES
] + [
    # the magic hat bonus: five hats on the stage, a star burst and six
    # prizes coming out of the picked hat, and the multiplier picture
    dict(kind="background", dir="gfx/bonus/magic", file="bonus.png", style="plain", colors=["purple", "purple"],
         elements=[dict(box=[0, 0, 800, 38], fill="darkburgundy"), dict(line=[0, 36, 800, 36], color="gold", width=2),
                   dict(lights=[14, 8, 772, 20], step=28, r=4),
                   dict(box=[0, FLOOR, 800, 600 - FLOOR], style="gradient", colors=["wood", "darkburgundy"]),
                   dict(line=[0, FLOOR, 800, FLOOR], color="darkgold", width=3),
                   dict(box=TITLE_BOX, fill="darkburgundy", outline="gold", width=2, radius=10),
                   dict(text="PICK A HAT!", box=[TITLE_BOX[0] + 8, TITLE_BOX[1] + 4, TITLE_BOX[2] - 16,
                                                TITLE_BOX[3] - 8], size=34, color="lightgold", font="serif-bold",
                        outline="black")]),
] + [
    # each hat is cut from the stage where it stands
    dict(kind="background", dir="gfx/bonus/magic", file="%d_std.png" % (n + 1), size=HAT,
         elements=[dict(symbol="emoji", emoji="tophat", box=[4, HAT_TOP, HAT[0] - 8, HAT[1] - HAT_TOP - 2])],
         on=["gfx/bonus/magic/bonus.png", at])
    for n, at in enumerate(HATS)
] + [
    # the star burst out of the hat: stars flying up and out
    dict(kind="anim", dir="gfx/bonus/magic", name="hat_stars", frames=7, effect="grow", grow_from="bottom",
         base=dict(kind="background", size=size_over_hat(*STARS), elements=[
             dict(symbol="star", color=col, box=[bx, by, bs, bs])
             for (bx, by, bs, col) in ((103, 70, 50, "yellow"), (40, 40, 44, "lightgold"), (172, 36, 44, "lightgold"),
                                       (10, 110, 36, "yellow"), (210, 104, 36, "yellow"), (112, 4, 34, "white"),
                                       (64, 116, 28, "white"), (166, 120, 28, "white"))]),
         crop=True, on=["gfx/bonus/magic/bonus.png"] + places(*STARS), keep=[BADGE_AT + BADGE, TITLE_BOX]),
] + [
    dict(kind="anim", dir="gfx/bonus/magic", name=name, frames=n, effect=effect, grow_from="bottom",
         **{"from": "bottom"},
         base=dict(kind="background", size=size_over_hat(left, up), elements=look(size_over_hat(left, up))),
         crop=True, on=["gfx/bonus/magic/bonus.png"] + places(left, up), keep=[BADGE_AT + BADGE, TITLE_BOX])
    for (name, n, left, up), effect, look in zip(PRIZES, ("grow",) * 6, (
        # the hankies: a long knotted chain of silk squares pulled up out of the hat
        lambda sz: [dict(polygon=[sz[0] // 2 + dx, y - 22, sz[0] // 2 + dx + 22, y, sz[0] // 2 + dx, y + 22,
                                  sz[0] // 2 + dx - 22, y], fill=col, outline="ink")
                    for k, (col, dx) in enumerate(zip(["red", "yellow", "green", "lightblue", "orange", "pink",
                                                       "violet", "red", "yellow", "green"] * 2,
                                                      [0, 14, 24, 14, 0, -14, -24, -14] * 3))
                    for y in [sz[1] - 30 - 31 * k] if y > 26],
        lambda sz: [dict(symbol="emoji", emoji="flower", box=[sz[0] // 2 - 80, sz[1] - 172, 160, 164])],
        lambda sz: [dict(symbol="emoji", emoji="flowers", box=[sz[0] // 2 - 140, sz[1] - 292, 280, 284])],
        lambda sz: [dict(symbol="emoji", emoji="rabbit", box=[sz[0] // 2 - 60, sz[1] - 86, 120, 80])],
        lambda sz: [dict(symbol="emoji", emoji="bunny", box=[sz[0] // 2 - 75, sz[1] - 144, 150, 136])],
        lambda sz: [dict(symbol="emoji", emoji="bunny", box=[sz[0] // 2 - 110, sz[1] - 244, 220, 236])]))
] + [
    dict(kind="background", dir="gfx/bonus/magic", file="%s.png" % m, size=BADGE,
         elements=[dict(box=[60, 1, BADGE[0] - 120, BADGE[1] - 2], fill="gold", outline="darkgold", width=2, radius=8),
                   dict(text="%s WON!" % m.upper(), box=[70, 3, BADGE[0] - 140, BADGE[1] - 6], size=26,
                        color="darkburgundy", font="sans-bold")],
         on=["gfx/bonus/magic/bonus.png", BADGE_AT])
    for m in ("3x", "5x", "10x", "25x", "50x", "100x")
]
