# The right-button machine menu, and the machine name plates that the menu
# and the statistics screen share. The panel is as large as the game's
# (floor/machine_menu.h); the coin-value tabs (56 x 30) at (10 + 58 i, 48) inside it, the category
# tabs (140 x 30) at (10 + 146 i, 86), the machine plates in three columns of
# ten from (40, 132), 190 across and 34 down. The statistics screen lights
# the same pictures in its two columns (x 558 and 683), so the plates are
# the size that fits there, on its glass and inside the glass's frame
# (_stats_layout.py); the build fails on a plate that leaves it.
# Each plate: <id>.png (everyday look), <id>_mo.png (under the mouse, also
# the statistics screen's highlight) and <id>_disabled.png (not offered).
from _stats_layout import PLATE, PLATE_FITS
from src.floor.machine_menu import panelW, panelH

FOLDER = "gfx/menu"

MACHINES = [
    ("10sorbetter", "10's or better"), ("10x", "10X"), ("4ofakind", "4 of a Kind"),
    ("5linedouble", "5 Ziro Dazuru Ruva"), ("5linetriple", "5 Zadi Zadare Vevi"), ("5x", "5X"),
    ("allwild", "All Wild"), ("baja7s", "Vedu 7'r"), ("balloonblitz", "Ziriruv Uvove"),
    ("balloonmania", "Revevud Ivevi"), ("bitsnbytes", "Duri D Erore"), ("blackjack", "Blackjack"),
    ("cashcow", "Vevu Ziz"), ("crazy8s", "Vozer 8'e"), ("crazydice", "Rerod Ozid"), ("cursed", "Cursed"),
    ("deepsea", "Zora Vav Odiderevi"), ("demoderby", "Demolition Derby"), ("deuceswild", "Deuces Wild"),
    ("doubledice", "Rodozu Vada"), ("doubledicedeluxe", "Revova Rove Ridovo"),
    ("doubledicespinforcash", "Vuzeda Zeva Zari raz Ezoz"), ("doubledoubledice", "Zuzuvo Dazozo Zevi"),
    ("doublepremium", "Double Premium Poker"), ("doubletriple", "Vedizi Vazade"),
    ("doubleupbonus", "Double Up Premium Poker"), ("dragonspin", "Vevuri Zero"), ("egyptsprize", "Rizad'a Zidud"),
    ("gettinhot", "Rareraz Ure"), ("holeinone", "Daru Du Rir"), ("jacksorbetter", "Jacks or Better"),
    ("jokerswild", "Jokers Wild"), ("magic", "Magic"), ("mardigras", "Zuzod Uriz"),
    ("mountainclimber", "Devizezu Dozozed"), ("patriotgames", "Zoredud Ozovu"),
    ("patriotspinforcash", "Vazived Irud ovu Vize"), ("patriotwild", "Zezedor Ader"),
    ("patriotwilddeluxe", "Vevovev Ozov Ovevir"), ("gloamerhouse", "Gloamer House"),
    ("shortcircuit", "Zoruz Ivivede"), ("spinforcash", "Spin for Cash"), ("super7s", "Vuduv 7'a"),
    ("tripledice", "Zivivo Vezo"), ("tripledicedeluxe", "Vudozu Zuza Dadudu"),
    ("tripletriple", "Dedova Zirodu Dari"), ("wheelofcash", "Diviz av Ezed"), ("wildapple", "Ravo Zodar"),
    ("wildsourapple", "Vozo Rizi Zedod"), ("zookeeper", "Zookeeper"),
]

# Coin-value tabs by the badge name the denomination table gives each value.
COIN_TABS = [("1000", "$1000"), ("500", "$500"), ("100", "$100"), ("25", "$25"), ("5", "$5"), ("1", "$1"),
             ("50_cent", "50\u00a2"), ("25_cent", "25\u00a2"), ("10_cent", "10\u00a2"), ("5_cent", "5\u00a2")]
CATEGORY_TABS = [("threereel", "THREE-REEL"), ("video", "VIDEO"), ("poker", "POKER"), ("specialty", "SPECIALTY")]

PLATE_W, PLATE_H = PLATE


def frame(w, h, c):
    return [{"box": [0, 0, w, h], "outline": c, "width": 1}]


def tab(name, label, w, base):
    """A tab's everyday look and its lit look (the chosen tab)."""
    return [
        {"kind": "text", "file": name + ".png", "size": [w, 30], "text": label, "text_size": 15, "bg": base,
         "color": "cream", "elements": frame(w, 30, "darkgold")},
        {"kind": "text", "file": name + "_mo.png", "size": [w, 30], "text": label, "text_size": 15, "bg": "gold",
         "color": "ink", "elements": frame(w, 30, "lightgold")},
    ]


def plate(mid, title):
    """A machine's name plate: everyday, under the mouse, not offered."""
    looks = [("", "burgundy", "cream", "darkgold"), ("_mo", "gold", "ink", "lightgold"),
             ("_disabled", "charcoal", [150, 150, 150], "darkgrey")]
    return [{"kind": "text", "file": mid + suffix + ".png", "size": [PLATE_W, PLATE_H], "text": title,
             "text_size": 12, "font": "narrow", "bg": bg, "color": ink, "elements": frame(PLATE_W, PLATE_H, rim),
             "fits": PLATE_FITS}
            for suffix, bg, ink, rim in looks]


ITEMS = [
    {"kind": "panel", "file": "panel.png", "size": [panelW, panelH], "title": "MACHINES", "title_y": 26,
     "title_size": 28, "elements": [
         {"box": [24, 124, 552, 352], "fill": "darkburgundy", "outline": "darkgold", "width": 1},
         {"text": "Pick a coin value, a kind of machine, then the machine.", "at": [300, 486], "size": 13,
          "color": "cream"},
         {"text": "Click anywhere else to close the menu.", "at": [300, 504], "size": 12, "color": "parchment"},
     ]},
] + [item for (stem, label) in COIN_TABS for item in tab("tab_" + stem, label, 56, "darkgrey")
] + [item for (stem, label) in CATEGORY_TABS for item in tab("tab_" + stem, label, 140, "navy")
] + [item for (mid, title) in MACHINES for item in plate(mid, title)]
