# The money popup of every machine: the popup with its text field, the two
# bill animations and the field's font.
from src.machine.money_input import moneyPopupX, moneyPopupY, moneyFieldX, moneyFieldY

FOLDER = "gfx/money"

# The game opens the popup at (moneyPopupX, moneyPopupY) and types the amount
# on a baseline starting at (moneyFieldX, moneyFieldY) (machine/money_input.h).
# It reaches 388 px across: every cabinet's labels near it lie wholly under
# it or wholly beside it (a three-reel CREDITS label under it, the BET label
# and the pay glass to the right of it; the derby's CREDITS under it, its pay
# table to the right). It reaches 178 px down, so that the CREDITS meter's
# figures where a machine opens (at 0, and up to three figures) and the coin
# slot's label under it are covered whole too.
W, H = 388, 178
# The field's white box round the typed text: from 8 px left of the
# baseline's start and 18 px above it, 26 tall.
FIELD = [moneyFieldX - moneyPopupX - 8, moneyFieldY - moneyPopupY - 18, W - 56, 26]

# Every machine opens it over its cabinet (back.png in the machine's folder):
# each label of a cabinet lies wholly under the popup or wholly beside it.
MACHINES = [
    # three-reel slots
    "10x", "5x", "balloonmania", "blackjack", "crazy8s", "crazydice", "cursed", "doubledice", "doubledicedeluxe",
    "doubledicespinforcash", "doubledoubledice", "doubletriple", "dragonspin", "gettinhot", "holeinone",
    "mountainclimber", "patriotgames", "patriotspinforcash", "patriotwild", "patriotwilddeluxe", "gloamerhouse",
    "shortcircuit", "super7s", "tripledice", "tripledicedeluxe", "tripletriple", "wheelofcash", "wildapple",
    "wildsourapple",
    # video slots (the multi-line three-reel cabinets and the five-reel ones)
    "5linedouble", "5linetriple", "baja7s", "balloonblitz", "bitsnbytes", "cashcow", "deepsea", "egyptsprize",
    "magic", "mardigras", "zookeeper",
    # video poker
    "10sorbetter", "4ofakind", "allwild", "deuceswild", "doublepremium", "doubleupbonus", "jacksorbetter",
    "jokerswild", "spinforcash",
    # the derby
    "demoderby",
]
CABINETS = [__import__("machines." + m).FOLDER + "/back.png" for m in MACHINES]


def bill(w, h):
    """A green banknote of w x h pixels."""
    return {
        "kind": "background", "size": [w, h], "style": "plain", "colors": ["lightfelt", "lightfelt"],
        "elements": [
            {"box": [2, 2, w - 4, h - 4], "outline": "darkfelt", "width": 2},
            {"circle": [w // 2, h // 2, max(4, h // 2 - 5)], "fill": "cream", "outline": "darkfelt"},
            {"text": "$", "at": [w // 2, h // 2], "size": max(9, h - 12), "color": "darkfelt"},
            {"text": "100", "at": [max(14, w // 7), h // 2], "size": max(9, h // 3), "color": "white", "outline": "darkfelt"},
            {"text": "100", "at": [w - max(14, w // 7), h // 2], "size": max(9, h // 3), "color": "white", "outline": "darkfelt"},
        ],
    }


ITEMS = [
    {"kind": "panel", "file": "popup.png", "size": [W, H], "style": "panel", "border": "gold",
     "opens": dict(at=[moneyPopupX, moneyPopupY], over=CABINETS, name="money prompt"),
     "elements": [
         {"text": "INSERT MONEY", "at": [W // 2, 32], "size": 24, "color": "lightgold", "shadow": "black",
          "font": "serif-bold"},
         {"text": "Type a dollar amount and press Enter", "at": [W // 2, 68], "size": 13, "color": "cream"},
         {"box": FIELD, "fill": "white", "outline": "darkgold", "width": 2},
         {"text": "$1 to $100,000 at a time", "at": [W // 2, 155], "size": 11, "color": "parchment"},
     ]},
    # Reel machines: at (658, 553), no colour key.
    {"kind": "anim", "name": "bill", "frames": 7, "effect": "slide", "from": "right", "bg": "black",
     "base": bill(130, 44)},
    # Poker cabinet and derby: at (544, 576) / (531, 566), colour-keyed.
    {"kind": "anim", "name": "pokerbill", "frames": 7, "effect": "slide", "from": "right", "key": True,
     "base": bill(120, 24)},
]
