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
           "3, 4 OR 5 TARGETS ALONE ARE DOUBLED TOO: THEY PAY 150, 2000 OR 10000",
           ["3, 4 OR 5 BULLSEYES IN A ROW START THE BALLOON BONUS AND PAY", "bullseye"],
           "15, 35 OR 60 x COINS A LINE; AT THE FULL BET 200, 600 OR 1500"])

BALLOON_COLUMNS = [71, 144, 214, 286, 357, 430, 503, 575]
BALLOON_ROWS = [140, 235, 322, 409]
# The game writes the total at 30 points centred on (466, 524): its figures
# stand on a baseline half the text's height below that point, from about
# y 525 down to 553. The window holds the whole text box round them.
TOTAL_BOX = [366, 500, 200, 80]
REGISTER_AT = [575, 394]
CASH_DISPLAY = [98, 44, 88, 20]      # the register's price display, in its picture
# The cash tab the game shows at (665, 351) for one pop (it keeps 100 x 100
# of the screen under it): a slip standing up out of the register's head,
# its foot in the slot, the CASH display below it left showing.
TAB_AT, TAB = [665, 351], [100, 84]

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
    # drawn in place; each balloon copies its own rectangle from it. A popped
    # balloon's value ("BUST!" or up to four figures) is written at 17 points on
    # its middle, and the total at 30 points on (466, 524) in the window below.
    dict(kind="background", dir="gfx/bonus/balloonblitz", file=f, style="sky", colors=["lightblue", "sky"],
         border=True, title="POP THE BALLOONS!", title_size=34, title_y=40,
         subtitle="Pop until you hit a BUST", subtitle_at=[400, 92], subtitle_size=18, text_color="navy",
         elements=[dict(box=TOTAL_BOX, fill="cream", outline="navy", width=3, radius=6),
                   dict(text="TOTAL", at=[330, TOTAL_BOX[1] + TOTAL_BOX[3] // 2], size=16, color="navy",
                        font="sans-bold")] +
                  ([dict(symbol="balloon", box=[x, y, 66, 80], hard=False,
                         color=["red", "blue", "green", "yellow", "orange", "purple", "pink", "brightred"][(i + j) % 8])
                    for j, y in enumerate(BALLOON_ROWS)
                    for i, x in enumerate(BALLOON_COLUMNS)] if f == "balloons.png" else []),
         screen=[[0, 0]],
         holds=[dict(font="balloonbonus.ttf", size=30, texts=["0", "12345"], at=[466, 524], margin=3, plain=True)] +
               ([dict(font="balloonbonus.ttf", size=17, texts=["BUST!", "1500", "225"], at=[x + 33, y + 40],
                      within=[x, y, 66, 80], margin=2) for y in BALLOON_ROWS for x in BALLOON_COLUMNS]
                if f == "bonus.png" else []))
    for f in ("bonus.png", "balloons.png")
] + [
    # the cash register at (575, 394), cut from the sky it stands on: the balloon
    # in front of its left part (575, 409, 66 x 80) keeps its own sky, and the
    # cash tab (665, 351, 100 x 100) pops up out of its head
    dict(kind="background", dir="gfx/bonus/balloonblitz", file="register.png", size=[220, 170],
         elements=[
             # head: the slot the tab comes out of, over the price display
             dict(box=[90, 38, 104, 34], fill="charcoal", outline="black", width=2, radius=5),
             dict(box=CASH_DISPLAY, fill=[20, 60, 24], outline="black", width=1),
             dict(text="CASH", at=[CASH_DISPLAY[0] + CASH_DISPLAY[2] // 2, CASH_DISPLAY[1] + CASH_DISPLAY[3] // 2],
                  anchor="mm", size=15, color=[90, 230, 90], font="mono"),
             dict(box=[126, 72, 32, 10], fill="darkgrey", outline="black", width=1),
             # the key bed, sloping down to the front
             dict(polygon=[84, 82, 200, 82, 212, 128, 72, 128], fill="darkgold", outline="black"),
             dict(polygon=[88, 85, 196, 85, 207, 125, 77, 125], fill="gold"),
         ] + [dict(box=[86 + 20 * i + 2 * r, 89 + 12 * r, 16, 9], fill="cream", outline="brown", width=1,
                   radius=2) for r in range(3) for i in range(5)] + [
             dict(box=[196, 89, 10, 33], fill="red", outline="darkburgundy", width=1, radius=2),
             # the cash drawer with its handle
             dict(box=[68, 128, 148, 36], fill="darkgold", outline="black", width=2, radius=3),
             dict(box=[74, 134, 136, 24], fill="gold", outline="brown", width=1),
             dict(box=[122, 142, 40, 7], fill="brown", radius=3),
             dict(box=[66, 163, 152, 4], fill=[40, 70, 110]),
         ],
         on=["gfx/bonus/balloonblitz/bonus.png", REGISTER_AT], screen=[REGISTER_AT]),
    dict(kind="background", dir="gfx/bonus/balloonblitz", file="tab.png", size=TAB, style="plain",
         colors=["cream", "cream"],
         elements=[dict(box=[0, 0] + TAB, outline="navy", width=3),
                   dict(text="YOU GOT", at=[50, 18], size=13, color="navy", font="sans-bold")],
         screen=[TAB_AT],
         clear=[[REGISTER_AT[0] + CASH_DISPLAY[0], REGISTER_AT[1] + CASH_DISPLAY[1]] + CASH_DISPLAY[2:]],
         holds=[dict(font="balloonbonus.ttf", size=17, texts=["BUST!", "1500", "225"], at=[713, 401], margin=3,
                     plain=True)]),
]
