# The prize room: its background, the purchase panel, the shelf arrows and,
# for every prize, the button of the left column, the shelf picture, the
# large picture and the description card.
FOLDER = "gfx/trophy"

# id, name shown, price in VIP points, a line about it
PRIZES = [
    ("keychain", "Key Chain", 10, "A gold-plated key ring for the lucky player."),
    ("mug", "Coffee Mug", 100, "The casino mug, for the morning after."),
    ("dartboard", "Dart Board", 150, "Regulation board with a set of darts."),
    ("clock", "Wall Clock", 250, "Gold-rimmed clock. Time flies at the tables."),
    ("lamp", "Desk Lamp", 400, "A brass lamp with a yellow shade."),
    ("bsktball", "Basketball", 600, "Full-size leather basketball."),
    ("archery", "Archery Set", 1000, "Recurve bow with a quiver of arrows."),
    ("sunglasses", "Sunglasses", 1400, "Dark lenses in gold frames. Very cool."),
    ("fishrod", "Fishing Rod", 2500, "Rod, reel and a lucky hook."),
    ("deerhead", "Trophy Head", 4000, "A mounted stag for the den wall."),
    ("stereo", "Stereo", 4900, "A retro radio with a big sound."),
    ("canoe", "Canoe", 5500, "A red two-seater canoe with paddle."),
    ("camera", "Camera", 6600, "A fine camera for your travels."),
    ("golfclubs", "Golf Clubs", 9000, "A full bag of clubs."),
    ("videocam", "Video Camera", 12000, "Record every big win."),
    ("guitar", "Guitar", 18000, "Electric guitar with a warm tone."),
    ("pooltable", "Pool Table", 40000, "Slate table with green felt."),
    ("piano", "Grand Piano", 60000, "Polished black grand piano."),
    ("paris", "Trip to Paris", 90000, "A week in Paris for two."),
    ("art", "Fine Art", 106000, "An original landscape in a gold frame."),
    ("moonrock", "Moon Rock", 114000, "A genuine piece of the moon."),
    ("coins", "Rare Coins", 160000, "A collection of gold coins."),
    ("truck", "Truck", 180000, "A big red pickup truck."),
    ("car", "Sports Car", 240000, "A shiny red sports car."),
    ("plane", "Airplane", 400000, "Your own private plane."),
    ("house", "House", 800000, "A house with a red roof and a garden."),
    ("yacht", "Yacht", 1600000, "Ocean-going sailing yacht."),
    ("island", "Private Island", 10000000, "Palm trees, sand and no neighbours."),
    ("copter", "Helicopter", 20000000, "Fly over the casino in style."),
]
# The jackpot car: won at the machines, never for sale.
CAR = ("prgrssvcar", "Jackpot Car", 0, "Won on a car jackpot! Not for sale at any price.")

# Unit circle at 30-degree steps (cos, sin), for the clock face.
RIM = [(0.0, -1.0), (0.5, -0.866), (0.866, -0.5), (1.0, 0.0), (0.866, 0.5), (0.5, 0.866),
       (0.0, 1.0), (-0.5, 0.866), (-0.866, 0.5), (-1.0, 0.0), (-0.866, -0.5), (-0.5, -0.866)]


def C(cx, cy, r, fill=None, outline=None, width=1):
    e = {"circle": [cx, cy, r], "width": width}
    if fill:
        e["fill"] = fill
    if outline:
        e["outline"] = outline
    return e


def P(pts, fill, outline=None):
    e = {"polygon": pts, "fill": fill}
    if outline:
        e["outline"] = outline
    return e


def B(x, y, w, h, fill=None, outline=None, width=1, radius=0):
    e = {"box": [x, y, w, h], "width": width}
    if fill:
        e["fill"] = fill
    if outline:
        e["outline"] = outline
    if radius:
        e["radius"] = radius
    return e


def L(x1, y1, x2, y2, color, width=2):
    return {"line": [x1, y1, x2, y2], "color": color, "width": width}


def S(glyph, x, y, w, h):
    return {"symbol": glyph, "box": [x, y, w, h]}


def E(name, x=0, y=0, w=100, h=100, **more):
    """A full-colour drawing from the emoji font (see the README's `emoji` glyph)."""
    return dict(more, symbol="emoji", emoji=name, box=[x, y, w, h])


def clock_face():
    out = [C(50, 50, 40, "gold", "darkgold", 3), C(50, 50, 34, "cream")]
    for c, s in RIM:
        out.append(L(50 + c * 28, 50 + s * 28, 50 + c * 32, 50 + s * 32, "ink", 3))
    out += [L(50, 50, 50, 24, "ink", 4), L(50, 50, 68, 58, "ink", 3), C(50, 50, 3, "red")]
    return out


# Each prize drawn in a 100 x 100 square.
DRAWINGS = {
    "keychain": [C(50, 50, 44, None, "silver", 4), E("key", 12, 12, 76, 76)],
    "mug": [E("mug")],
    "dartboard": [E("bullseye")],
    "clock": clock_face(),
    "lamp": [C(50, 35, 30, [90, 80, 30]), P([30, 18, 70, 18, 84, 50, 16, 50], "yellow", "darkgold"),
             L(50, 50, 50, 84, "darkgold", 5), B(32, 84, 36, 8, "darkgold", None, 1, 3)],
    "bsktball": [E("basketball")],
    "archery": [E("bow")],
    "sunglasses": [E("sunglasses")],
    "fishrod": [E("fishingpole")],
    "deerhead": [P([22, 4, 78, 4, 88, 34, 50, 98, 12, 34], [150, 92, 46], "gold"), E("deer", 18, 8, 64, 80)],
    "stereo": [E("radio")],
    "canoe": [E("canoe")],
    "camera": [E("camera")],
    "golfclubs": [L(42, 42, 30, 8, "silver", 3), L(50, 42, 50, 5, "silver", 3), L(58, 42, 70, 8, "silver", 3),
                  B(22, 3, 12, 7, "darkgrey"), C(50, 6, 6, "wood"), B(66, 3, 12, 7, "darkgrey"),
                  B(33, 40, 34, 56, "red", "darkburgundy", 2, 8), B(33, 56, 34, 7, "cream"), L(36, 44, 36, 90, "darkburgundy", 3)],
    "videocam": [E("videocamera")],
    "guitar": [E("guitar")],
    "pooltable": [B(14, 70, 6, 20, "brown"), B(80, 70, 6, 20, "brown"), B(6, 30, 88, 44, "brown", "ink", 1, 5),
                  B(13, 36, 74, 32, "felt"), C(14, 37, 4, "black"), C(50, 35, 4, "black"), C(86, 37, 4, "black"),
                  C(14, 67, 4, "black"), C(50, 69, 4, "black"), C(86, 67, 4, "black"), C(66, 50, 3, "red"),
                  C(71, 47, 3, "yellow"), C(71, 54, 3, "blue"), C(30, 52, 3, "white"), L(8, 58, 26, 53, "wood", 2)],
    "piano": [B(14, 74, 6, 18, "black"), B(80, 74, 6, 18, "black"), P([10, 52, 20, 18, 70, 12, 90, 52], "black", "darkgrey"),
              B(10, 52, 80, 22, "white", "black", 2)] +
             [L(10 + 8 * k, 52, 10 + 8 * k, 74, "black", 1) for k in range(1, 10)] +
             [B(16 + 8 * k, 52, 4, 12, "black") for k in range(0, 9) if k not in (2, 6)],
    "paris": [C(50, 50, 44, [40, 60, 120]), P([50, 4, 54, 30, 60, 55, 74, 94, 61, 94, 50, 72, 39, 94, 26, 94, 40, 55, 46, 30],
                                              "darkgrey", "ink"),
              L(39, 55, 61, 55, "ink", 3), L(44, 30, 56, 30, "ink", 3), C(50, 84, 6, [40, 60, 120]),
              C(78, 20, 4, "lightgold"), C(22, 26, 2, "lightgold"), C(84, 40, 2, "lightgold")],
    "art": [E("painting")],
    "moonrock": [B(28, 80, 44, 10, "wood", "brown", 1, 2), E("rock", 10, 6, 80, 76)],
    "coins": [E("coin", 0, 0, 100, 100, count=3)],
    "truck": [E("truck")],
    "car": [E("car")],
    "plane": [E("plane")],
    "house": [E("house")],
    "yacht": [E("yacht")],
    "island": [E("island")],
    "copter": [E("helicopter", flip=True)],
    "prgrssvcar": [C(50, 56, 44, [90, 70, 20]),
                   P([3, 68, 6, 56, 24, 50, 38, 38, 62, 38, 78, 49, 97, 55, 97, 68], "gold", "darkgold"),
                   P([41, 41, 54, 41, 54, 49, 33, 49], "lightblue"), P([57, 41, 62, 41, 73, 49, 57, 49], "lightblue"),
                   L(8, 60, 94, 60, "red", 3), C(25, 68, 10, "black"), C(25, 68, 4, "silver"), C(77, 68, 10, "black"),
                   C(77, 68, 4, "silver"), S("star", 40, 4, 20, 20)],
}


def place(elements, x0, y0, w, h):
    """The elements of a 100 x 100 drawing fitted (centred) into a box."""
    s = min(w, h) / 100.0
    ox = x0 + (w - 100 * s) / 2
    oy = y0 + (h - 100 * s) / 2

    def px(v, k):
        return round((ox if k % 2 == 0 else oy) + v * s)

    out = []
    for e in elements:
        e = dict(e)
        if "width" in e:
            e["width"] = max(1, round(e["width"] * s))
        if "circle" in e:
            cx, cy, r = e["circle"]
            e["circle"] = [round(ox + cx * s), round(oy + cy * s), max(1, round(r * s))]
        elif "polygon" in e:
            e["polygon"] = [px(v, k) for k, v in enumerate(e["polygon"])]
        elif "line" in e:
            e["line"] = [px(v, k) for k, v in enumerate(e["line"])]
        elif "box" in e:
            bx, by, bw, bh = e["box"]
            e["box"] = [round(ox + bx * s), round(oy + by * s), max(1, round(bw * s)), max(1, round(bh * s))]
            if "radius" in e:
                e["radius"] = max(1, round(e["radius"] * s))
        elif "text" in e:
            e["at"] = [round(ox + e["at"][0] * s), round(oy + e["at"][1] * s)]
            e["size"] = max(6, round(e["size"] * s))
        out.append(e)
    return out


def points(n):
    """12000 -> "12,000"."""
    t = str(n)
    out = ""
    while len(t) > 3:
        out = "," + t[-3:] + out
        t = t[:-3]
    return t + out


def prize_items(pid, title, price, line, for_sale):
    items = [
        # Shelf place: 120 x 92, on the shelf's wood, with the name under it.
        {"kind": "background", "file": pid + "small_std.png", "size": [120, 92], "style": "wood",
         "elements": [{"box": [4, 3, 112, 70], "fill": [70, 40, 20]}] + place(DRAWINGS[pid], 8, 4, 104, 68) +
                     [{"box": [2, 74, 116, 16], "fill": "darkburgundy", "outline": "gold"},
                      {"text": title, "box": [2, 74, 116, 16], "size": 11, "color": "cream", "font": "condensed-bold"}]},
        # Large picture at (185, 272): the prize under a spotlight in the display case.
        {"kind": "background", "file": pid + "_big.png", "size": [340, 260], "style": "dark",
         "elements": [C(170, 120, 112, [60, 50, 40]), C(170, 120, 100, [80, 66, 50])] +
                     place(DRAWINGS[pid], 40, 8, 260, 210) +
                     [{"box": [60, 222, 220, 30], "fill": "darkburgundy", "outline": "gold", "width": 2},
                      {"text": title, "box": [60, 222, 220, 30], "size": 20, "color": "lightgold", "font": "serif-bold"}]},
        # Description card at (536, 13).
        {"kind": "panel", "file": pid + "_description.png", "size": [250, 135], "border": "gold",
         "title": title, "title_y": 26, "title_size": 20,
         "elements": [{"text": ("Price: " + points(price) + " VIP points") if for_sale else "Jackpot prize",
                       "at": [125, 56], "size": 14, "color": "lightgold"},
                      {"text": line, "box": [14, 68, 222, 56], "size": 13, "color": "cream", "font": "sans"}]},
    ]
    if for_sale:
        # Button of the left column at (9, y): name and price; lit under the mouse.
        # One type size down the whole column: the largest at which names with
        # descenders ("Key Chain", "Sunglasses") still fit the 18-pixel button.
        items.append({"kind": "button", "name": pid, "states": ["std", "mo"], "size": [162, 18], "shape": "rect",
                      "color": "burgundy", "rim": "darkgold", "bg": "charcoal",
                      "label": title + "  " + points(price), "label_size": 8.4})
    return items


def arrow(direction, x, y):
    """An arrow pointing up or down in a 50 x 40 box at (x, y)."""
    if direction == "up":
        pts = [x + 25, y + 8, x + 40, y + 28, x + 10, y + 28]
    else:
        pts = [x + 10, y + 12, x + 40, y + 12, x + 25, y + 32]
    return [{"box": [x, y, 50, 40], "bevel": True, "fill": "burgundy"}, {"polygon": pts, "fill": "lightgold", "outline": "darkgold"}]


def arrow_pressed(direction):
    if direction == "up":
        pts = [27, 10, 42, 30, 12, 30]
    else:
        pts = [12, 14, 42, 14, 27, 34]
    return {"kind": "background", "file": direction + "_click.png", "size": [50, 40], "style": "plain",
            "colors": ["darkburgundy", "darkburgundy"],
            "elements": [{"box": [0, 0, 50, 40], "outline": "darkgold", "width": 2},
                         {"polygon": pts, "fill": "yellow", "outline": "darkgold"}]}


BACK = [
    # left column of prizes on offer
    {"box": [2, 2, 174, 596], "fill": "charcoal", "outline": "gold", "width": 2},
    # seen only while no prize is on offer: the cheapest prize's button covers it
    {"text": "Bet to earn VIP points", "box": [9, 9, 162, 18], "size": 12, "color": "lightgold",
     "font": "condensed-bold"},
    # VIP points and price windows: texts centred on x 437, baselines 35 and 73
    {"text": "VIP POINTS", "at": [350, 28], "anchor": "rm", "size": 16, "color": "lightgold", "font": "serif-bold"},
    {"box": [357, 9, 160, 34], "fill": "black", "outline": "gold", "width": 2},
    {"text": "PRICE", "at": [350, 64], "anchor": "rm", "size": 16, "color": "lightgold", "font": "serif-bold"},
    {"box": [357, 47, 160, 32], "fill": "black", "outline": "gold", "width": 2},
    # welcome text in the middle (the purchase panel opens over it)
    {"text": "PRIZE ROOM", "at": [352, 122], "size": 38, "color": "gold", "font": "serif-bold", "shadow": "black"},
    {"text": "One VIP point for every dollar you bet.", "at": [352, 168], "size": 14, "color": "cream"},
    {"text": "Click a prize on the left to buy it,", "at": [352, 196], "size": 14, "color": "cream"},
    {"text": "or a prize on your shelf to admire it.", "at": [352, 218], "size": 14, "color": "cream"},
    # display case for the large picture at (185, 272)
    {"box": [180, 267, 350, 270], "fill": "black", "outline": "gold", "width": 3},
    {"text": "Click a prize on your shelf to see it here", "at": [355, 400], "size": 14, "color": "silver"},
    # description card place at (536, 13)
    {"box": [531, 8, 261, 145], "fill": "darkburgundy", "outline": "gold", "width": 2},
    {"text": "Prize details", "at": [661, 80], "size": 14, "color": "silver"},
    # the shelf: two columns of four places
    {"box": [529, 154, 262, 392], "style": "wood", "border": "gold"},
] + [{"box": [532 + 127 * c, 155 + d, 124, 4], "fill": "brown"} for c in (0, 1) for d in (96, 195, 292, 388)] + [
] + arrow("up", 573, 549) + arrow("down", 699, 549) + [
    {"box": [627, 556, 65, 28], "bevel": True, "fill": "red", "label": "LOBBY", "size": 14, "color": "cream"},
]

ITEMS = [
    {"kind": "background", "file": "back.png", "size": [800, 600], "style": "gradient", "elements": BACK},
    arrow_pressed("up"),
    arrow_pressed("down"),
    # Purchase panel at (177, 81); "yes" at (384, 86) and "no" at (442, 86)
    # are (207, 5) and (265, 5) inside it.
    {"kind": "panel", "file": "purchase.png", "size": [340, 170], "border": "gold",
     "elements": [
         {"text": "BUY?", "at": [24, 18], "anchor": "lm", "size": 20, "color": "lightgold", "font": "serif-bold"},
         {"box": [207, 5, 52, 26], "bevel": True, "fill": "felt", "label": "YES", "size": 14, "color": "cream"},
         {"box": [265, 5, 52, 26], "bevel": True, "fill": "red", "label": "NO", "size": 14, "color": "cream"},
         {"text": "Trade your VIP points", "at": [170, 70], "size": 18, "color": "cream", "font": "serif-bold"},
         {"text": "for this prize?", "at": [170, 96], "size": 18, "color": "cream", "font": "serif-bold"},
         {"text": "The price is shown above.", "at": [170, 130], "size": 12, "color": "parchment"},
         {"text": "Click YES to buy, anywhere else to keep your points.", "at": [170, 150], "size": 11,
          "color": "parchment"},
     ]},
    {"kind": "button", "name": "yes", "states": ["mo"], "size": [52, 26], "shape": "round", "color": "green",
     "bg": "burgundy", "label": "YES", "label_size": 14},
    {"kind": "button", "name": "no", "states": ["mo"], "size": [52, 26], "shape": "round", "color": "brightred",
     "bg": "burgundy", "label": "NO", "label_size": 14},
]
for _p in PRIZES:
    ITEMS += prize_items(_p[0], _p[1], _p[2], _p[3], True)
ITEMS += prize_items(CAR[0], CAR[1], CAR[2], CAR[3], False)
