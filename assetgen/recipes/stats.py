# The statistics screen. The game blacks the whole screen and lays back.png
# at (0, 46); the page itself (white panel from (28, 61) to (519, 469)) is
# drawn by the game; the machine names beside it are the icons' everyday
# look, lit by the menu's "<id>_mo.png" pictures under the mouse.
from _stats_layout import COLUMNS, FRAME, GLASS, PLATE, ROWS

FOLDER = "gfx/stats"

TITLES = {
    "10sorbetter": "10's or better", "10x": "10X", "4ofakind": "4 of a Kind", "5linedouble": "5 Ziro Dazuru Ruva",
    "5linetriple": "5 Zadi Zadare Vevi", "5x": "5X", "allwild": "All Wild", "baja7s": "Vedu 7'r",
    "balloonblitz": "Ziriruv Uvove", "balloonmania": "Revevud Ivevi", "bitsnbytes": "Duri D Erore",
    "blackjack": "Blackjack", "cashcow": "Vevu Ziz", "crazy8s": "Vozer 8'e", "crazydice": "Rerod Ozid",
    "cursed": "Cursed", "deepsea": "Zora Vav Odiderevi", "demoderby": "Demolition Derby", "deuceswild": "Deuces Wild",
    "doubledice": "Rodozu Vada", "doubledicedeluxe": "Revova Rove Ridovo",
    "doubledicespinforcash": "Vuzeda Zeva Zari raz Ezoz", "doubledoubledice": "Zuzuvo Dazozo Zevi",
    "doublepremium": "Double Premium Poker", "doubletriple": "Vedizi Vazade", "doubleupbonus": "Double Up Premium Poker",
    "dragonspin": "Vevuri Zero", "egyptsprize": "Rizad'a Zidud", "gettinhot": "Rareraz Ure", "holeinone": "Daru Du Rir",
    "jacksorbetter": "Jacks or Better", "jokerswild": "Jokers Wild", "magic": "Magic", "mardigras": "Zuzod Uriz",
    "mountainclimber": "Devizezu Dozozed", "patriotgames": "Zoredud Ozovu", "patriotspinforcash": "Vazived Irud ovu Vize",
    "patriotwild": "Zezedor Ader", "patriotwilddeluxe": "Vevovev Ozov Ovevir", "gloamerhouse": "Gloamer House",
    "shortcircuit": "Zoruz Ivivede", "spinforcash": "Spin for Cash", "super7s": "Vuduv 7'a", "tripledice": "Zivivo Vezo",
    "tripledicedeluxe": "Vudozu Zuza Dadudu", "tripletriple": "Dedova Zirodu Dari", "wheelofcash": "Diviz av Ezed",
    "wildapple": "Ravo Zodar", "wildsourapple": "Vozo Rizi Zedod", "zookeeper": "Zookeeper",
}

LEFT = ["wildapple", "wildsourapple", "holeinone", "baja7s", "mountainclimber", "egyptsprize", "bitsnbytes", "crazydice",
        "blackjack", "zookeeper", "magic", "wheelofcash", "balloonblitz", "patriotspinforcash", "doubledicespinforcash",
        "demoderby", "spinforcash", "10sorbetter", "doubleupbonus", "jacksorbetter", "4ofakind", "doublepremium",
        "allwild", "deuceswild", "jokerswild"]
RIGHT = ["5x", "10x", "doubledice", "doubledicedeluxe", "tripledice", "tripledicedeluxe", "doubletriple", "crazy8s",
         "balloonmania", "mardigras", "shortcircuit", "gettinhot", "doubledoubledice", "tripletriple", "deepsea", "cursed",
         "5linedouble", "5linetriple", "dragonspin", "patriotgames", "patriotwilddeluxe", "patriotwild", "super7s",
         "gloamerhouse", "cashcow"]


# The picture stands at (0, 46), under a black band across the top of the
# screen: every place below is a screen position, moved up by TOP into the
# picture.
TOP = 46
SIZE = [800, 600 - TOP]
LEFT_X, RIGHT_X = COLUMNS      # the icon columns, lit by the menu's name plates (gfx/menu/<id>_mo.png)
PAGE = [28, 61, 519, 469]      # the white page the game draws, corners inclusive


def up(box):
    return [box[0], box[1] - TOP] + list(box[2:])


def name_plate(mid, x, y):
    """A machine's name where its icon stands, the size of the menu's plate
    that lights it."""
    w, h = PLATE
    # the name set as the plate sets it, so it stays put when the plate lights
    return [{"box": up([x, y, w, h]), "fill": "darkburgundy", "outline": "darkgold"},
            {"text": TITLES[mid], "at": [x + w / 2, y + h / 2 - TOP], "anchor": "mm", "max_w": w - 6,
             "max_h": h - 2, "size": 12, "color": "cream", "font": "narrow"}]


def nav_button(label, x, y, w):
    return {"box": up([x, y, w, 40]), "bevel": True, "fill": "red", "label": label, "size": 16, "color": "cream"}


ELEMENTS = [
    # frame round the page; the cream card shows until a machine is chosen
    {"box": up([20, 53, 508, 424]), "fill": "black", "outline": "gold", "width": 3},
    {"box": up([PAGE[0], PAGE[1], PAGE[2] - PAGE[0] + 1, PAGE[3] - PAGE[1] + 1]), "fill": "cream"},
    {"text": "Win/Loss Record", "at": [274, 200 - TOP], "size": 30, "color": "burgundy", "font": "serif-bold"},
    {"text": "Choose a machine on the right", "at": [274, 250 - TOP], "size": 16, "color": "ink"},
    {"text": "to see how you have done there.", "at": [274, 274 - TOP], "size": 16, "color": "ink"},
    {"symbol": "seven", "box": up([214, 300, 40, 54]), "color": "red"},
    {"symbol": "cherry", "box": up([254, 300, 40, 54])},
    {"symbol": "bar1", "box": up([294, 300, 40, 54])},
    # the machines' glass, framed all round inside the picture: the right column's plates end inside it
    {"box": up(GLASS), "fill": "black", "outline": "gold", "width": FRAME},
]
for _r in range(25):
    ELEMENTS += name_plate(LEFT[_r], LEFT_X, ROWS[_r]) + name_plate(RIGHT[_r], RIGHT_X, ROWS[_r])
ELEMENTS += [
    nav_button("LOBBY", 43, 493, 100),
    nav_button("<", 353, 493, 50),
    nav_button(">", 408, 493, 50),
    {"text": "PLAYER STATISTICS", "box": up([20, 540, 508, 30]), "size": 22, "color": "gold", "font": "serif-bold",
     "shadow": "black"},
    {"text": "Click a machine's name for its record; < and > step through them.", "at": [274, 584 - TOP],
     "size": 13, "color": "cream", "font": "sans-bold", "max_w": 500},
]

BEHIND_BUTTONS = [66, 8, 19]   # the gradient at the buttons' row
ITEMS = [
    {"kind": "background", "file": "back.png", "size": SIZE, "style": "gradient", "elements": ELEMENTS,
     "screen": [[0, TOP]]},
    # pressed looks of the three buttons, on the picture's colour where they stand
    {"kind": "button", "name": "lobby", "states": ["click"], "size": [100, 40], "color": "red", "label": "LOBBY",
     "bg": BEHIND_BUTTONS},
    {"kind": "button", "name": "previous", "states": ["click"], "size": [50, 40], "color": "red", "label": "<",
     "bg": BEHIND_BUTTONS},
    {"kind": "button", "name": "next", "states": ["click"], "size": [50, 40], "color": "red", "label": ">",
     "bg": BEHIND_BUTTONS},
]
