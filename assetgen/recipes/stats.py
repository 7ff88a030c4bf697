# The statistics screen: its background fills the window, every place below
# is a screen position. The page itself (white panel from (28, 61) to
# (519, 469)) is drawn by the game; the machine names beside it are the
# icons' everyday look, lit by the menu's "<id>_mo.png" pictures under the
# mouse.
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

ROWS = [61, 80, 100, 119, 139, 158, 178, 197, 216, 236, 256, 275, 295, 314, 333, 352, 372, 390, 411, 430, 450, 469,
        487, 508, 527]
LEFT = ["wildapple", "wildsourapple", "holeinone", "baja7s", "mountainclimber", "egyptsprize", "bitsnbytes", "crazydice",
        "blackjack", "zookeeper", "magic", "wheelofcash", "balloonblitz", "patriotspinforcash", "doubledicespinforcash",
        "demoderby", "spinforcash", "10sorbetter", "doubleupbonus", "jacksorbetter", "4ofakind", "doublepremium",
        "allwild", "deuceswild", "jokerswild"]
RIGHT = ["5x", "10x", "doubledice", "doubledicedeluxe", "tripledice", "tripledicedeluxe", "doubletriple", "crazy8s",
         "balloonmania", "mardigras", "shortcircuit", "gettinhot", "doubledoubledice", "tripletriple", "deepsea", "cursed",
         "5linedouble", "5linetriple", "dragonspin", "patriotgames", "patriotwilddeluxe", "patriotwild", "super7s",
         "gloamerhouse", "cashcow"]


def name_plate(mid, x, y):
    """A machine's name where its icon stands, as wide as the menu's plates
    that light it (117 x 18)."""
    w = 117
    return [{"box": [x, y, w, 18], "fill": "darkburgundy", "outline": "darkgold"},
            {"text": TITLES[mid], "box": [x + 2, y, w - 4, 18], "size": 11, "color": "cream",
             "font": "liberation"}]


def nav_button(label, x, y, w):
    return {"box": [x, y, w, 40], "bevel": True, "fill": "red", "label": label, "size": 16, "color": "cream"}


ELEMENTS = [
    # frame round the page; the cream card shows until a machine is chosen
    {"box": [20, 53, 508, 424], "fill": "black", "outline": "gold", "width": 3},
    {"box": [28, 61, 492, 409], "fill": "cream"},
    {"text": "Win/Loss Record", "at": [274, 200], "size": 30, "color": "burgundy", "font": "serif-bold"},
    {"text": "Choose a machine on the right", "at": [274, 250], "size": 16, "color": "ink"},
    {"text": "to see how you have done there.", "at": [274, 274], "size": 16, "color": "ink"},
    {"symbol": "seven", "box": [214, 300, 40, 54], "color": "red"},
    {"symbol": "cherry", "box": [254, 300, 40, 54]},
    {"symbol": "bar1", "box": [294, 300, 40, 54]},
    # column heading over the machine names
    {"box": [549, 4, 249, 40], "fill": "black", "outline": "gold", "width": 2, "radius": 6},
    {"text": "MACHINES", "box": [553, 6, 241, 36], "size": 20, "color": "lightgold", "font": "serif-bold"},
    {"box": [549, 57, 249, 493], "fill": "black", "outline": "gold", "width": 2},
]
for _r in range(25):
    ELEMENTS += name_plate(LEFT[_r], 553, ROWS[_r]) + name_plate(RIGHT[_r], 677, ROWS[_r])
ELEMENTS += [
    nav_button("LOBBY", 43, 493, 100),
    nav_button("<", 353, 493, 50),
    nav_button(">", 408, 493, 50),
    # the title in the band above the page and the frames
    {"box": [20, 4, 508, 40], "fill": "black", "outline": "gold", "width": 2, "radius": 6},
    {"text": "PLAYER STATISTICS", "box": [24, 6, 500, 36], "size": 26, "color": "gold", "font": "serif-bold",
     "shadow": "black"},
    {"text": "Click a machine's name for its record; < and > step through them.", "at": [274, 565],
     "size": 14, "color": "cream", "font": "sans-bold", "max_w": 500},
]

ITEMS = [
    {"kind": "background", "file": "back.png", "size": [800, 600], "style": "gradient", "elements": ELEMENTS},
    # pressed looks of the three buttons
    {"kind": "button", "name": "lobby", "states": ["click"], "size": [100, 40], "color": "red", "label": "LOBBY",
     "bg": "burgundy"},
    {"kind": "button", "name": "previous", "states": ["click"], "size": [50, 40], "color": "red", "label": "<",
     "bg": "burgundy"},
    {"kind": "button", "name": "next", "states": ["click"], "size": [50, 40], "color": "red", "label": ">",
     "bg": "burgundy"},
]
