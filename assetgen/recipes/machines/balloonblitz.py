# "balloonblitz" (Ziriruv Uvove): five-reel video slot of the fairground:
# boxes, darts, clowns, cash registers, cars, targets and the bullseye.
FOLDER = "gfx/balloonblitz"
LOOKS = {"box": dict(glyph="emoji", emoji="gift"), "2box": dict(glyph="emoji", emoji="gift", count=2),
         "3box": dict(glyph="emoji", emoji="gift", count=3), "dart": dict(glyph="dart", color="red"),
         "clown": dict(glyph="emoji", emoji="clown"), "register": dict(glyph="register"),
         "car": dict(glyph="emoji", emoji="car"), "target": dict(glyph="target"),
         "bullseye": dict(glyph="emoji", emoji="bullseye")}
LEAD = "clown"   # the lobby's picture of this machine
PICTURES = ("2box_target_dart 2box_dart_box 3box_target_car 3box_car_target box_clown_3box box_register_clown "
            "target_2box_dart target_car_2box target_dart_box car_2box_target car_target_2box clown_3box_target "
            "clown_3box_car dart_box_clown dart_box_register register_clown_3box box_bullseye_3box bullseye_car_2box "
            "bullseye_clown_3box clown_3box_bullseye dart_bullseye_register").split()
LINES = [(1, 105, 161), (2, 102, 95), (3, 103, 228), (4, 103, 49), (5, 101, 284)]

# The bottom glass (the marquee): per coin on a line, 1 to 5 in a row from the left.
GLASS = dict(unit="PAYS PER COIN ON A LINE, SYMBOLS IN A ROW FROM THE LEFT", pays=[
    ["box", [0, 2, 5, 15, 75]], ["2box", [0, 5, 10, 25, 100]], ["3box", [0, 5, 10, 50, 150]],
    ["dart", [0, 0, 15, 60, 200]], ["clown", [0, 0, 25, 150, 275]], ["register target", [0, 0, 50, 100, 500]],
    ["car target", [0, 0, 60, 500, 2500]], ["target", [0, 0, 75, 1000, 5000]]],
    lines=[["THE TARGET STANDS IN FOR THE REGISTER AND THE CAR AND DOUBLES THE LINE", "target"],
           ["3, 4 OR 5 BULLSEYES IN A ROW START THE BALLOON BONUS AND PAY", "bullseye"],
           "15, 35 OR 60 x COINS A LINE; AT THE FULL BET 200, 600 OR 1500"])

ITEMS = [
    dict(kind="cabinet", family="video", title="ZIRIRUV UVOVE", colors=["sky", "navy"], panel="navy",
         meters=dict(bet=[194, 41], lastbet=[417, 41], credits=[589, 41], paid=[155, 399]),
         bottom="THREE BULLSEYES START THE BALLOON BONUS"),
    dict(kind="reelpictures", pictures=PICTURES, looks=LOOKS),
] + [
    dict(kind="text", file="linenumber%d.png" % n, size=[34, 26], text=str(n), bg="red", color="white",
         text_size=18) for (n, x, y) in LINES
] + [
    # the balloon bonus: 32 balloons (66 x 80) on a grid; a popped balloon shows
    # the background under it. balloons.png is the background with every balloon
    # drawn in place; each balloon copies its own rectangle from it.
    dict(kind="background", dir="gfx/bonus/balloonblitz", file=f, style="sky", colors=["lightblue", "sky"],
         border=True, title="POP THE BALLOONS!", title_size=34, title_y=40,
         subtitle="Pop until you hit a BUST", subtitle_at=[400, 92], subtitle_size=18, text_color="navy",
         elements=[dict(box=[376, 504, 180, 62], fill="cream", outline="navy", width=3, radius=6),
                   dict(text="TOTAL", at=[330, 535], size=16, color="navy", font="sans-bold")] +
                  ([dict(symbol="balloon", box=[x, y, 66, 80], hard=False,
                         color=["red", "blue", "green", "yellow", "orange", "purple", "pink", "brightred"][(i + j) % 8])
                    for j, y in enumerate([140, 235, 322, 409])
                    for i, x in enumerate([71, 144, 214, 286, 357, 430, 503, 575])] if f == "balloons.png" else []))
    for f in ("bonus.png", "balloons.png")
] + [
    # the cash register, under the balloons at the right, cut from the sky it stands on
    dict(kind="background", dir="gfx/bonus/balloonblitz", file="register.png", size=[140, 100],
         elements=[dict(box=[10, 34, 120, 48], bevel=True, fill="silver"),
                   dict(box=[26, 4, 88, 32], fill="charcoal", outline="black", width=2),
                   dict(text="$", at=[70, 20], size=24, color="green", font="serif-bold"),
                   dict(box=[18, 78, 104, 20], bevel=True, fill="grey", label="CASH", size=12, color="black")],
         on=["gfx/bonus/balloonblitz/bonus.png", [650, 492]]),
    dict(kind="background", dir="gfx/bonus/balloonblitz", file="tab.png", size=[100, 100], style="plain",
         colors=["cream", "cream"],
         elements=[dict(box=[0, 0, 100, 100], outline="navy", width=3),
                   dict(text="YOU GOT", at=[50, 18], size=13, color="navy", font="sans-bold")]),
]
