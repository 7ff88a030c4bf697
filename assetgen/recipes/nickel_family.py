# Shared pictures of the five-reel video slots: the button panel's mouse-over
# and pressed pictures (five-line and nine-line panels), the winning-line
# overlays and the six help pages.
# The machines' own back.png must show each button's everyday look at the
# same place; the places and sizes are in the PANEL table below.
FOLDER = "gfx/nickle5buttons"

# name, x, y, w, h, label, colour key on the mouse-over/pressed picture
PANEL = [
    ("betone",  3,   446, 60, 40, "BET\nONE",   False),
    ("betmax",  67,  447, 94, 40, "BET MAX",    True),
    ("change",  75,  414, 45, 30, "CHANGE",     False),
    ("cashout", 122, 414, 45, 30, "CASH\nOUT",  False),
    ("start",   584, 448, 92, 40, "START",      False),
    ("cancel",  680, 440, 90, 40, "CANCEL",     False),
]
LINES5 = [("play1", 165, 446), ("play2", 240, 446), ("play3", 315, 445), ("play4", 390, 446), ("play5", 464, 446)]
LINES9 = [("play1", 165, 446), ("play3", 240, 446), ("play5", 315, 445), ("play7", 390, 446), ("play9", 464, 446)]

_MO = dict(kind="button", states=["mo"], color="red", rim="lightgold")
_PLAY = dict(kind="button", states=["click"], size=[72, 40], color="felt", rim="gold")

ITEMS = (
    [dict(_MO, name=n, size=[w, h], label=l, key=k) for (n, x, y, w, h, l, k) in PANEL]
    + [dict(_PLAY, name=n, label="PLAY\n%s LINE%s" % (n[4:], "" if n == "play1" else "S")) for (n, x, y) in LINES5]
    + [dict(_MO, dir="gfx/nickle9buttons", name=n, size=[w, h], label=l, key=n in ("betmax", "change"))
       for (n, x, y, w, h, l, k) in PANEL]
    + [dict(_PLAY, dir="gfx/nickle9buttons", name=n, key=n in ("play7", "play9"),
            label="PLAY\n%s LINE%s" % (n[4:], "" if n == "play1" else "S")) for (n, x, y) in LINES9]
)

# Winning-line overlays, drawn over the reels at their places (x, y) while a
# line flashes; transparent round the line (the game keeps their own format).
# Reel centres are 49, 149, 249, 349 and 449 across the picture.
_C = [0, 49, 149, 249, 349, 449, 494]
PAYLINES = [
    # line, x, y, w, h, row heights at the reel centres (left edge, reels 1-5, right edge), colour
    (1, 149, 179, 495, 8,   [4, 4, 4, 4, 4, 4, 4],               "yellow"),
    (2, 149, 118, 495, 8,   [4, 4, 4, 4, 4, 4, 4],               "brightred"),
    (3, 149, 241, 495, 8,   [4, 4, 4, 4, 4, 4, 4],               "green"),
    (4, 150, 67,  495, 190, [54, 54, 115, 177, 115, 54, 54],     "lightblue"),
    (5, 152, 85,  495, 170, [159, 159, 97, 36, 97, 159, 159],    "orange"),
    (6, 151, 118, 495, 132, [4, 4, 65, 65, 65, 127, 127],        "pink"),
    (7, 151, 182, 495, 126, [121, 121, 62, 62, 62, 4, 4],        "violet"),
    (8, 149, 85,  495, 104, [97, 97, 97, 36, 97, 97, 97],        "white"),
    (9, 149, 179, 495, 70,  [4, 4, 4, 65, 4, 4, 4],              "lightgold"),
]
ITEMS += [dict(kind="payline", dir="gfx/nicklepaylines", file="payline_%d.png" % n, size=[w, h],
               points=[[_C[k], ys[k]] for k in range(7)], color=c, width=4)
          for (n, x, y, w, h, ys, c) in PAYLINES]

# Help pages, shown one after another over the machine at their places:
# nickel_1 (223, 192), nickel_2 (239, 170), nickel_3 (6, 287), nickel_4 (200, 17),
# nickel_5 (200, 386), nickel_6 (510, 185). A click or key turns the page
# (each page says so); the last one goes back to the machine.
_P = dict(kind="page", dir="gfx/help", text_size=14, line_gap=21)
ITEMS += [
    dict(_P, file="nickel_1.png", size=[354, 216], screen=[[223, 192]], title="WELCOME TO THE NICKELS",
         lines=["Five reels, three rows, up to five", "pay lines (nine on some machines).",
                "", ["Click or press a key to go on.", "lightgold"]]),
    dict(_P, file="nickel_2.png", size=[322, 260], screen=[[239, 170]], title="1. PICK YOUR LINES",
         lines=["The buttons 1 LINE, 2 LINES ... choose", "how many pay lines you play.", "",
                "Line 1 runs across the middle row,", "line 2 the top row, line 3 the",
                "bottom row; lines 4 and 5 make a V.", "", ["Click or press a key to go on.", "lightgold"]]),
    dict(_P, file="nickel_3.png", size=[300, 240], screen=[[6, 287]], title="2. BET YOUR COINS",
         lines=["BET ONE adds a coin on every", "played line (key N).", "BET MAX plays every line at the",
                "most coins and spins (key M).", "CANCEL takes the coins back.", "", ["Click or press a key to go on.", "lightgold"]]),
    dict(_P, file="nickel_4.png", size=[400, 190], screen=[[200, 17]], title="3. SPIN",
         lines=["START (or Return) spins with the same bet again.", "Wins pay from the leftmost reel on a played line;",
                "winning lines flash over the reels.", "", ["Click or press a key to go on.", "lightgold"]]),
    dict(_P, file="nickel_5.png", size=[400, 210], screen=[[200, 386]], title="MONEY",
         lines=["Click the bill slot or the coin slot to add money.", "Click the coin value to change it.",
                "CASH OUT (Escape) takes your credits back to the", "lobby; CHANGE goes to the cashier.", "",
                ["Click or press a key to go on.", "lightgold"]]),
    dict(_P, file="nickel_6.png", size=[280, 290], screen=[[510, 185]], title="GOOD LUCK!",
         lines=["Scatter symbols pay", "anywhere on the reels.", "Bonus symbols start", "the bonus game.", "",
                ["Page Up / Page Down", "lightgold"], ["show the machine's", "lightgold"],
                ["top and bottom glass.", "lightgold"], "", ["Click or press a key to play.", "lightgold"]]),
]
