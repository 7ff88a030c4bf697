# Coin-value badges: the three-reel machines show them at (334, 288)
# (139 x 84), the video slots and the derby at their own small spot (65 x 38).
FOLDER = "gfx/denominations"

VALUES = [
    # file           label    colour
    ("1000.png",     "$1000", "purple"),
    ("500.png",      "$500",  "sea"),
    ("100.png",      "$100",  "navy"),
    ("25.png",       "$25",   "blue"),
    ("5.png",        "$5",    "darkburgundy"),
    ("1.png",        "$1",    "burgundy"),
    ("50_cent.png",  "50\u00a2", "darkfelt"),
    ("25_cent.png",  "25\u00a2", "felt"),
    ("10_cent.png",  "10\u00a2", "brown"),
    ("5_cent.png",   "5\u00a2",  "darkgrey"),
]

ITEMS = [{"kind": "badge", "file": f, "label": label, "color": col, "size": [139, 84]} for f, label, col in VALUES]
ITEMS += [{"kind": "badge", "dir": "gfx/nickledenominations", "file": f, "label": label, "color": col,
           "size": [65, 38], "sub": ""} for f, label, col in VALUES]
