# The marquee glass of the reel machines: "top.png" and "bottom.png" in each
# machine's own folder, shown full screen by the marquee popup. The top glass
# of a machine with an LED sign has the sign's window drawn round the place
# where the game runs the sign.
from _machine_art import glass
from _pay_glass import glass as pay_glass

FOLDER = "gfx"

REEL_MACHINES = [
    # id, title, family (the glass shows the machine's own symbols: _machine_art.glass)
    ("10x", "10X", "threereel"),
    ("5x", "5X", "threereel"),
    ("balloonmania", "Revevud Ivevi", "threereel"),
    ("blackjack", "Blackjack", "threereel"),
    ("crazy8s", "Vozer 8'e", "threereel"),
    ("crazydice", "Rerod Ozid", "threereel"),
    ("cursed", "Cursed", "threereel"),
    ("doubledice", "Rodozu Vada", "threereel"),
    ("doubledicedeluxe", "Revova Rove Ridovo", "threereel"),
    ("doubledicespinforcash", "Vuzeda Zeva Zari raz Ezoz", "threereel"),
    ("doubledoubledice", "Zuzuvo Dazozo Zevi", "threereel"),
    ("doubletriple", "Vedizi Vazade", "threereel"),
    ("dragonspin", "Vevuri Zero", "threereel"),
    ("gettinhot", "Rareraz Ure", "threereel"),
    ("holeinone", "Daru Du Rir", "threereel"),
    ("mountainclimber", "Devizezu Dozozed", "threereel"),
    ("patriotgames", "Zoredud Ozovu", "threereel"),
    ("patriotspinforcash", "Vazived Irud ovu Vize", "threereel"),
    ("patriotwild", "Zezedor Ader", "threereel"),
    ("patriotwilddeluxe", "Vevovev Ozov Ovevir", "threereel"),
    ("gloamerhouse", "Gloamer House", "threereel"),
    ("shortcircuit", "Zoruz Ivivede", "threereel"),
    ("super7s", "Vuduv 7'a", "threereel"),
    ("tripledice", "Zivivo Vezo", "threereel"),
    ("tripledicedeluxe", "Vudozu Zuza Dadudu", "threereel"),
    ("tripletriple", "Dedova Zirodu Dari", "threereel"),
    ("wheelofcash", "Diviz av Ezed", "threereel"),
    ("wildapple", "Ravo Zodar", "threereel"),
    ("wildsourapple", "Vozo Rizi Zedod", "threereel"),
    ("5linedouble", "5 Ziro Dazuru Ruva", "video"),
    ("5linetriple", "5 Zadi Zadare Vevi", "video"),
    ("baja7s", "Vedu 7'r", "video"),
    ("balloonblitz", "Ziriruv Uvove", "video"),
    ("bitsnbytes", "Duri D Erore", "video"),
    ("cashcow", "Vevu Ziz", "video"),
    ("deepsea", "Zora Vav Odiderevi", "video"),
    ("egyptsprize", "Rizad'a Zidud", "video"),
    ("magic", "Magic", "video"),
    ("mardigras", "Zuzod Uriz", "video"),
    ("zookeeper", "Zookeeper", "video"),
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


def glyph_row(mid, y, size):
    els = []
    for k, e in enumerate(glass(mid)):
        cx = 400 + (k - 1) * (size + 60)
        els.append({"box": [cx - size // 2 - 8, y - 8, size + 16, size + 16], "fill": "cream", "outline": "gold",
                    "width": 3, "radius": 10})
        els.append(dict(e, box=[cx - size // 2, y, size, size]))
    return els


def top(mid, title, family):
    els = [
        {"lights": [30, 30, 740, 480], "step": 28, "r": 6},
        {"box": [70, 70, 660, 130], "fill": "black", "outline": "gold", "width": 4, "radius": 14},
        {"text": title, "box": [84, 78, 632, 114], "size": 72, "color": "lightgold", "font": "serif-bold",
         "shadow": "black", "outline": "darkburgundy"},
        {"text": "CORVALO CASINO", "at": [400, 236], "size": 26, "color": "cream", "font": "serif-bold",
         "shadow": "black"},
    ] + glyph_row(mid, 290, 120) + [
        {"text": "Press a key or click to return to the machine", "at": hint_place(mid), "size": 11,
         "color": "parchment", "max_w": 300},
    ] + sign_window(mid)
    return {"kind": "background", "file": "top.png", "dir": "gfx/" + mid, "size": [800, 600],
            "style": STYLE[family], "elements": els}


def bottom(mid, title, family):
    """The bottom glass: the machine's pay table."""
    return pay_glass(mid, title, STYLE[family])


ITEMS = [top(*m) for m in REEL_MACHINES] + [bottom(*m) for m in REEL_MACHINES]
