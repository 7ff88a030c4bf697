# The casino floor: the lobby picture with its fifty cabinets, the doors
# along the bottom, the chasing lights round the title sign and the lobby's
# help pages. The cabinets stand where the game's hot spots are: five rows of
# ten from (14, 112), 78 px apart across and 88 px down, each 72 x 82, in the
# order below (three-reel slots, video slots, poker, the derby).
FOLDER = "gfx/lobby"

MACHINES = [
    ("10x", "10X", "threereel"), ("5x", "5X", "threereel"), ("balloonmania", "Revevud Ivevi", "threereel"),
    ("blackjack", "Blackjack", "threereel"), ("crazy8s", "Vozer 8'e", "threereel"),
    ("crazydice", "Rerod Ozid", "threereel"), ("cursed", "Cursed", "threereel"),
    ("doubledice", "Rodozu Vada", "threereel"), ("doubledicedeluxe", "Revova Rove Ridovo", "threereel"),
    ("doubledicespinforcash", "Vuzeda Zeva Zari raz Ezoz", "threereel"),
    ("doubledoubledice", "Zuzuvo Dazozo Zevi", "threereel"), ("doubletriple", "Vedizi Vazade", "threereel"),
    ("dragonspin", "Vevuri Zero", "threereel"), ("gettinhot", "Rareraz Ure", "threereel"),
    ("holeinone", "Daru Du Rir", "threereel"), ("mountainclimber", "Devizezu Dozozed", "threereel"),
    ("patriotgames", "Zoredud Ozovu", "threereel"), ("patriotspinforcash", "Vazived Irud ovu Vize", "threereel"),
    ("patriotwild", "Zezedor Ader", "threereel"), ("patriotwilddeluxe", "Vevovev Ozov Ovevir", "threereel"),
    ("gloamerhouse", "Gloamer House", "threereel"), ("shortcircuit", "Zoruz Ivivede", "threereel"),
    ("super7s", "Vuduv 7'a", "threereel"), ("tripledice", "Zivivo Vezo", "threereel"),
    ("tripledicedeluxe", "Vudozu Zuza Dadudu", "threereel"), ("tripletriple", "Dedova Zirodu Dari", "threereel"),
    ("wheelofcash", "Diviz av Ezed", "threereel"), ("wildapple", "Ravo Zodar", "threereel"),
    ("wildsourapple", "Vozo Rizi Zedod", "threereel"),
    ("5linedouble", "5 Ziro Dazuru Ruva", "video"), ("5linetriple", "5 Zadi Zadare Vevi", "video"),
    ("baja7s", "Vedu 7'r", "video"), ("balloonblitz", "Ziriruv Uvove", "video"),
    ("bitsnbytes", "Duri D Erore", "video"), ("cashcow", "Vevu Ziz", "video"),
    ("deepsea", "Zora Vav Odiderevi", "video"), ("egyptsprize", "Rizad'a Zidud", "video"),
    ("magic", "Magic", "video"), ("mardigras", "Zuzod Uriz", "video"), ("zookeeper", "Zookeeper", "video"),
    ("10sorbetter", "10's or better", "poker"), ("4ofakind", "4 of a Kind", "poker"),
    ("allwild", "All Wild", "poker"), ("deuceswild", "Deuces Wild", "poker"),
    ("doublepremium", "Double Premium Poker", "poker"), ("doubleupbonus", "Double Up Premium Poker", "poker"),
    ("jacksorbetter", "Jacks or Better", "poker"), ("jokerswild", "Jokers Wild", "poker"),
    ("spinforcash", "Spin for Cash", "poker"), ("demoderby", "Demolition Derby", "specialty"),
]

from _machine_art import icon

# Cabinet colour by kind of machine.
CABINET = {"threereel": "red", "video": "blue", "poker": "felt", "specialty": "orange"}

# What opens over the floor, where the game opens it: the machine menu's
# panel (floor/machine_menu.h) and the help pages (drawn where floor/lobby.h
# says, as large as their picture). Each covers a text of the floor wholly or
# leaves it whole: the title sign, drawn by the game at (190, 6), ends above
# the menu; a cabinet label that an edge would run through keeps to one side
# of it.
from src.floor.machine_menu import panelX, panelY, panelW, panelH
from src.floor.lobby import lobbyHelpX, lobbyHelpY

SIGN_H = 34
MENU = [panelX, panelY, panelW, panelH]
HELP_PAGE = [lobbyHelpX, lobbyHelpY, 490, 360]
POPUPS = [dict(rect=MENU, name="machine menu"), dict(rect=HELP_PAGE, name="help page")]


def label_room(x):
    """The room a cabinet's label has across (from, to): its plate, narrowed
    to the cabinet's side of any popup edge that runs through it."""
    x0, x1 = x + 3, x + 69
    for p in POPUPS:
        for edge in (p["rect"][0], p["rect"][0] + p["rect"][2]):
            if x0 < edge < x1:
                if edge <= x + 36:
                    x0 = edge
                else:
                    x1 = edge
    return x0, x1


def two_lines(title):
    words = title.split(" ")
    if len(words) < 2:
        return title
    best = 1
    for k in range(1, len(words)):
        a, b = " ".join(words[:k]), " ".join(words[k:])
        if max(len(a), len(b)) < max(len(" ".join(words[:best])), len(" ".join(words[best:]))):
            best = k
    return " ".join(words[:best]) + "\n" + " ".join(words[best:])


def cabinet(i, machine):
    mid, title, kind = machine
    x, y = 14 + (i % 10) * 78, 112 + (i // 10) * 88
    lx0, lx1 = label_room(x)
    return [
        {"box": [x + 2, y + 4, 70, 80], "fill": "black"},                       # shadow on the carpet
        {"box": [x, y, 72, 82], "fill": CABINET[kind], "outline": "gold", "width": 2, "radius": 7},
        {"box": [x + 5, y + 4, 62, 43], "fill": "cream", "outline": "darkgold", "width": 2},
        dict(icon(mid), box=[x + 8, y + 6, 56, 39]),
        {"box": [x + 3, y + 49, 66, 31], "fill": "charcoal", "radius": 4},
        {"text": two_lines(title), "box": [lx0, y + 50, lx1 - lx0, 29], "size": 11, "color": "lightgold",
         "font": "liberation"},
    ]


def floor_elements():
    els = [
        # ceiling and title band
        {"box": [0, 0, 800, 108], "style": "dark"},
        {"box": [190, 6, 420, SIGN_H], "fill": "darkburgundy", "outline": "gold", "width": 2, "radius": 8},
        # the LED board's frame (the sign itself is drawn by the game at 100, 70, 600 x 27)
        {"box": [94, 64, 612, 39], "fill": "black", "outline": "gold", "width": 3, "radius": 4},
        # carpet aisles between the rows
        {"box": [0, 108, 800, 444], "style": "red"},
    ]
    for r in range(6):
        els.append({"line": [0, 109 + r * 88, 800, 109 + r * 88], "color": "darkgold", "width": 1})
    for i, m in enumerate(MACHINES):
        els += cabinet(i, m)
    els += [
        {"box": [0, 550, 800, 50], "style": "wood"},
        {"line": [0, 550, 800, 550], "color": "gold", "width": 2},
        {"text": "Right-click: machine menu", "at": [540, 575], "size": 14, "color": "cream",
         "font": "sans-bold", "shadow": "black"},
    ]
    return els


def sign(on, off):
    return {"kind": "background", "size": [420, SIGN_H], "style": "plain",
            "colors": ["darkburgundy", "darkburgundy"],
            "elements": [
                {"box": [0, 0, 420, SIGN_H], "outline": "gold", "width": 2, "radius": 8},
                {"lights": [8, 5, 404, SIGN_H - 11], "step": 12, "r": 2, "on": on, "off": off},
                {"text": "CORVALO CASINO", "box": [30, 9, 360, SIGN_H - 18], "size": 24, "color": "lightgold",
                 "font": "serif-bold", "shadow": "black"},
            ]}


def page(title, lines):
    return {"kind": "page", "dir": "gfx/help", "size": HELP_PAGE[2:], "screen": [HELP_PAGE[:2]], "title": title,
            "title_size": 28, "lines": lines, "text_size": 17, "text_top": 90, "line_gap": 26, "text_color": "cream"}


ITEMS = [
    {"kind": "background", "file": "back.png", "size": [800, 600], "style": "plain", "colors": ["black", "black"],
     "elements": floor_elements(), "popups": POPUPS},
    {"kind": "anim", "name": "lights", "frames": 2, "effect": "frames",
     "frame_items": [sign("lightgold", "darkgold"), sign("darkgold", "lightgold")],
     "screen": [[190, 6]], "popups": POPUPS},
    {"kind": "button", "name": "stats", "states": ["std", "mo"], "size": [180, 40], "label": "STATISTICS",
     "color": "burgundy", "bg": "wood"},
    {"kind": "button", "name": "trophy", "states": ["std", "mo"], "size": [180, 40], "label": "PRIZE ROOM",
     "color": "burgundy", "bg": "wood"},
    {"kind": "button", "name": "exit", "states": ["std", "mo"], "size": [100, 40], "label": "EXIT",
     "color": "darkgrey", "bg": "wood"},
    dict(page("Welcome to the casino", [
        "Walk up to any machine on the floor",
        "and click it to sit down: you play",
        "for $1 a coin.",
        "",
        "Right-click anywhere for the machine menu:",
        "choose the coin value on the top tabs,",
        "the kind of machine on the tabs below,",
        "then the machine.",
        "",
        ["Click or press a key to go on.", "lightgold"],
    ]), file="lobby_1.png"),
    dict(page("Around the floor", [
        "STATISTICS: your wins and losses",
        "at every machine.",
        "PRIZE ROOM: every dollar you bet earns",
        "a VIP point; spend them on prizes.",
        "Short of money? Press CHANGE on a machine",
        "and draw funds at the cashier.",
        "EXIT ends the game; your account is saved.",
        "",
        ["Click or press a key to play.", "lightgold"],
    ]), file="lobby_2.png"),
]
