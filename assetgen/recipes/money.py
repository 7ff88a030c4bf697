# The money popup of every machine: the popup with its text field, the two
# bill animations and the field's font.
FOLDER = "gfx/money"

# Popup at (232, 222) on the screen; the text field's baseline is at
# (268, 333), that is (36, 111) inside the popup.
W, H = 336, 156



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
     "elements": [
         {"text": "INSERT MONEY", "at": [W // 2, 32], "size": 24, "color": "lightgold", "shadow": "black",
          "font": "serif-bold"},
         {"text": "Type a dollar amount and press Enter", "at": [W // 2, 68], "size": 13, "color": "cream"},
         {"box": [28, 93, W - 56, 26], "fill": "white", "outline": "darkgold", "width": 2},
         {"text": "$1 to $100,000 at a time", "at": [W // 2, 136], "size": 11, "color": "parchment"},
     ]},
    # Reel machines: at (658, 553), no colour key.
    {"kind": "anim", "name": "bill", "frames": 7, "effect": "slide", "from": "right", "bg": "black",
     "base": bill(130, 44)},
    # Poker cabinet and derby: at (544, 576) / (531, 566), colour-keyed.
    {"kind": "anim", "name": "pokerbill", "frames": 7, "effect": "slide", "from": "right", "key": True,
     "base": bill(120, 24)},
]
