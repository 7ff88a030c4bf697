# The marquee glass of the reel machines: "top.png" and "bottom.png" in each
# machine's own folder, shown full screen by the marquee popup. The top glass
# of a machine with an LED sign has the sign's window drawn round the place
# where the game runs the sign.
FOLDER = "gfx"

REEL_MACHINES = [
    # id, title, family, glyphs on the glass
    ("10x", "10X", "threereel", ["seven", "bar", "wild"]),
    ("5x", "5X", "threereel", ["seven", "bar", "wild"]),
    ("balloonmania", "Revevud Ivevi", "threereel", ["balloon", "bar", "seven"]),
    ("blackjack", "Blackjack", "threereel", ["spade", "club", "hearts"]),
    ("crazy8s", "Vozer 8'e", "threereel", ["bar", "seven", "star"]),
    ("crazydice", "Rerod Ozid", "threereel", ["dice", "dice", "bar"]),
    ("cursed", "Cursed", "threereel", ["flame", "star", "bar"]),
    ("doubledice", "Rodozu Vada", "threereel", ["dice", "bar", "dice"]),
    ("doubledicedeluxe", "Revova Rove Ridovo", "threereel", ["dice", "star", "dice"]),
    ("doubledicespinforcash", "Vuzeda Zeva Zari raz Ezoz", "threereel", ["dice", "coin", "dice"]),
    ("doubledoubledice", "Zuzuvo Dazozo Zevi", "threereel", ["dice", "dice", "dice"]),
    ("doubletriple", "Vedizi Vazade", "threereel", ["bar", "wild", "bar"]),
    ("dragonspin", "Vevuri Zero", "threereel", ["flame", "gem", "flame"]),
    ("gettinhot", "Rareraz Ure", "threereel", ["flame", "seven", "flame"]),
    ("holeinone", "Daru Du Rir", "threereel", ["ball", "flag", "ball"]),
    ("mountainclimber", "Devizezu Dozozed", "threereel", ["star", "flag", "star"]),
    ("patriotgames", "Zoredud Ozovu", "threereel", ["redseven", "whiteseven", "blueseven"]),
    ("patriotspinforcash", "Vazived Irud ovu Vize", "threereel", ["redseven", "coin", "blueseven"]),
    ("patriotwild", "Zezedor Ader", "threereel", ["redseven", "wild", "blueseven"]),
    ("patriotwilddeluxe", "Vevovev Ozov Ovevir", "threereel", ["redseven", "star", "blueseven"]),
    ("gloamerhouse", "Gloamer House", "threereel", ["crown", "seven", "crown"]),
    ("shortcircuit", "Zoruz Ivivede", "threereel", ["star", "bar", "star"]),
    ("super7s", "Vuduv 7'a", "threereel", ["seven", "seven", "seven"]),
    ("tripledice", "Zivivo Vezo", "threereel", ["dice", "bar", "dice"]),
    ("tripledicedeluxe", "Vudozu Zuza Dadudu", "threereel", ["dice", "star", "dice"]),
    ("tripletriple", "Dedova Zirodu Dari", "threereel", ["bar", "seven", "bar"]),
    ("wheelofcash", "Diviz av Ezed", "threereel", ["coin", "star", "coin"]),
    ("wildapple", "Ravo Zodar", "threereel", ["apple", "wild", "apple"]),
    ("wildsourapple", "Vozo Rizi Zedod", "threereel", ["apple", "lemon", "apple"]),
    ("5linedouble", "5 Ziro Dazuru Ruva", "video", ["bar", "seven", "cherry"]),
    ("5linetriple", "5 Zadi Zadare Vevi", "video", ["bar", "seven", "cherry"]),
    ("baja7s", "Vedu 7'r", "video", ["seven", "star", "seven"]),
    ("balloonblitz", "Ziriruv Uvove", "video", ["balloon", "balloon", "balloon"]),
    ("bitsnbytes", "Duri D Erore", "video", ["gem", "star", "gem"]),
    ("cashcow", "Vevu Ziz", "video", ["coin", "clover", "coin"]),
    ("deepsea", "Zora Vav Odiderevi", "video", ["fish", "gem", "fish"]),
    ("egyptsprize", "Rizad'a Zidud", "video", ["crown", "gem", "crown"]),
    ("magic", "Magic", "video", ["star", "crown", "star"]),
    ("mardigras", "Zuzod Uriz", "video", ["gem", "crown", "gem"]),
    ("zookeeper", "Zookeeper", "video", ["clover", "star", "clover"]),
]

# Where the LED sign runs on the top glass.
LOW_SIGN = ["tripletriple", "tripledicedeluxe", "shortcircuit", "super7s", "doubledoubledice", "cashcow",
            "balloonmania", "gettinhot", "dragonspin", "10x", "crazy8s", "doubletriple", "blackjack"]
WIDE_SIGN = ["patriotgames", "holeinone", "bitsnbytes", "doubledicedeluxe", "baja7s", "5linetriple",
             "5linedouble", "patriotwilddeluxe", "patriotwild", "5x", "tripledice", "doubledice",
             "wildsourapple", "wildapple", "cursed", "gloamerhouse", "egyptsprize",
             "mardigras", "magic", "balloonblitz", "zookeeper", "deepsea"]

STYLE = {"threereel": "red", "video": "blue"}


def sign_window(mid):
    if mid in LOW_SIGN:
        x, y, w, h = 200, 551, 200, 21
    elif mid in WIDE_SIGN:
        x, y, w, h = 192, 560, 208, 21
    else:
        return []
    return [{"box": [x - 6, y - 6, w + 12, h + 12], "fill": "black", "outline": "gold", "width": 3, "radius": 3}]


def hint_place(mid):
    """Centre of the "press a key" hint: beside the LED sign where there is one
    (the sign runs along the bottom edge), else centred at the foot."""
    if mid in LOW_SIGN or mid in WIDE_SIGN:
        return [600, 570]
    return [400, 588]


def glyph_row(glyphs, y, size):
    els = []
    for k, g in enumerate(glyphs):
        cx = 400 + (k - 1) * (size + 60)
        els.append({"box": [cx - size // 2 - 8, y - 8, size + 16, size + 16], "fill": "cream", "outline": "gold",
                    "width": 3, "radius": 10})
        els.append({"symbol": g, "box": [cx - size // 2, y, size, size]})
    return els


def top(mid, title, family, glyphs):
    els = [
        {"lights": [30, 30, 740, 480], "step": 28, "r": 6},
        {"box": [70, 70, 660, 130], "fill": "black", "outline": "gold", "width": 4, "radius": 14},
        {"text": title, "box": [84, 78, 632, 114], "size": 72, "color": "lightgold", "font": "serif-bold",
         "shadow": "black", "outline": "darkburgundy"},
        {"text": "CORVALO CASINO", "at": [400, 236], "size": 26, "color": "cream", "font": "serif-bold",
         "shadow": "black"},
    ] + glyph_row(glyphs, 290, 120) + [
        {"text": "Press a key or click to return to the machine", "at": hint_place(mid), "size": 11,
         "color": "parchment", "max_w": 300},
    ] + sign_window(mid)
    return {"kind": "background", "file": "top.png", "dir": "gfx/" + mid, "size": [800, 600],
            "style": STYLE[family], "elements": els}


def bottom(mid, title, family, glyphs):
    els = [
        {"box": [40, 40, 720, 520], "style": "dark", "border": "gold"},
        {"text": title, "box": [80, 70, 640, 80], "size": 52, "color": "lightgold", "font": "serif-bold",
         "shadow": "black"},
    ] + glyph_row(glyphs, 200, 90) + [
        {"text": "Every dollar you bet earns a VIP point.", "at": [400, 380], "size": 22, "color": "cream"},
        {"text": "Spend your points in the prize room.", "at": [400, 416], "size": 22, "color": "cream"},
        {"text": "CORVALO CASINO", "at": [400, 490], "size": 30, "color": "gold", "font": "serif-bold",
         "shadow": "black"},
        {"text": "Press a key or click to return to the machine", "at": [400, 585], "size": 11, "color": "parchment"},
    ]
    return {"kind": "background", "file": "bottom.png", "dir": "gfx/" + mid, "size": [800, 600],
            "style": STYLE[family], "elements": els}


ITEMS = [top(*m) for m in REEL_MACHINES] + [bottom(*m) for m in REEL_MACHINES]
