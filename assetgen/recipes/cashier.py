# The cashier's desk and its registration form. Places match the game's
# layout: the player list rows at (45, 150 + 42 i), 290 x 38, eight of them;
# the account values at x 610 on the baselines 160, 204 and 248; the desk
# buttons on the right; the form where the game opens it
# (floor/registration_form.h). The form opens over the desk's right half, as
# wide as the account's panel: the account with its values and the three
# upper desk buttons lie wholly under it, the panels' headings stand above
# it, the player list (names and all) to the left of it, whole; it ends
# where the SOUND ON and SOUND OFF buttons begin.
from src.floor.registration_form import formX, formY, formWidth, formHeight

FOLDER = "gfx/cashier"
FORM_SIZE = [formWidth, formHeight]
FORM = [formX, formY] + FORM_SIZE   # where the game opens it

DESK = [
    # name, x, y, w, h, label, colour
    ("newplayer", 400, 310, 350, 40, "REGISTER A NEW PLAYER", "burgundy"),
    ("delete", 400, 358, 350, 40, "DELETE THIS PLAYER", "darkgrey"),
    ("funds", 400, 406, 350, 40, "DRAW ADDITIONAL FUNDS ($1000)", "felt"),
    ("soundon", 400, 454, 170, 40, "SOUND ON", "navy"),
    ("soundoff", 580, 454, 170, 40, "SOUND OFF", "navy"),
    ("lobby", 400, 510, 350, 46, "TO THE CASINO FLOOR", "red"),
    ("up", 45, 496, 140, 34, "UP", "darkgrey"),
    ("down", 195, 496, 140, 34, "DOWN", "darkgrey"),
]

BACK = [
    {"box": [30, 86, 320, 460], "style": "panel", "border": "gold"},
    {"text": "PLAYERS", "at": [190, 106], "size": 20, "color": "lightgold", "font": "serif-bold", "shadow": "black"},
    {"box": [42, 146, 296, 340], "fill": "charcoal", "outline": "darkgold", "width": 1},
    {"box": [380, 86, 390, 204], "style": "panel", "border": "gold"},
    {"text": "ACCOUNT", "at": [575, 106], "size": 20, "color": "lightgold", "font": "serif-bold", "shadow": "black"},
    {"text": "Player", "at": [405, 160], "anchor": "ls", "size": 17, "color": "cream"},
    {"text": "Money", "at": [405, 204], "anchor": "ls", "size": 17, "color": "cream"},
    {"text": "VIP points", "at": [405, 248], "anchor": "ls", "size": 17, "color": "cream"},
    {"line": [400, 176, 750, 176], "color": "darkgold", "width": 1},
    {"line": [400, 220, 750, 220], "color": "darkgold", "width": 1},
    {"text": "Pick a name to play as that player.", "at": [190, 575], "size": 13, "color": "parchment"},
]

FORM_ELEMENTS = [
    {"text": "First name", "at": [20, 102], "anchor": "ls", "size": 17, "color": "cream"},
    {"text": "Last name", "at": [20, 150], "anchor": "ls", "size": 17, "color": "cream"},
    {"text": "Title", "at": [20, 194], "anchor": "ls", "size": 17, "color": "cream"},
    {"box": [150, 70, 220, 32], "fill": "white", "outline": "darkgold", "width": 2},
    {"box": [150, 118, 220, 32], "fill": "white", "outline": "darkgold", "width": 2},
    {"box": [150, 170, 68, 32], "bevel": True, "fill": "navy", "label": "Mr.", "size": 16},
    {"box": [226, 170, 68, 32], "bevel": True, "fill": "navy", "label": "Mrs.", "size": 16},
    {"box": [302, 170, 68, 32], "bevel": True, "fill": "navy", "label": "Ms.", "size": 16},
    {"text": "Letters, digits, - and ' only; 1 to 20 each.", "at": [195, 228], "size": 13, "color": "parchment"},
    {"box": [55, 284, 120, 38], "bevel": True, "fill": "felt", "label": "DONE", "size": 18},
    {"box": [215, 284, 120, 38], "bevel": True, "fill": "darkgrey", "label": "CANCEL", "size": 18},
]

ITEMS = [
    {"kind": "background", "file": "back.png", "size": [800, 600], "style": "felt",
     "title": "CASHIER", "title_y": 48, "title_size": 44, "elements": BACK,
     # the account's values as the game writes them (a value wider than its 148 px is set smaller, down to fit)
     "writes": [dict(font="cashname.ttf", size=15, at=[610, 160], texts=["(nobody yet)"], color="cream"),
                dict(font="cashname.ttf", size=18, at=[610, 160], texts=["Tour Guest"], color="lightgold"),
                dict(font="cashname.ttf", size=20, at=[610, 204], texts=["$4500.00"], color="lightgold"),
                dict(font="cashname.ttf", size=18, at=[610, 204], texts=["$99999.00"], color="lightgold"),
                dict(font="cashname.ttf", size=20, at=[610, 248], texts=["0", "1234567"], color="lightgold")],
     # the desk's buttons, which the form may cover or leave, never cut
     "laid": [["gfx/cashier/%s_%s.png" % (n, state), x, y] for (n, x, y, w, h, label, c) in DESK
              for state in ("std", "mo")]},
    {"kind": "background", "file": "namebar.png", "size": [290, 38], "style": "plain",
     "colors": ["burgundy", "burgundy"], "elements": [{"box": [0, 0, 290, 38], "outline": "lightgold", "width": 2}]},
    {"kind": "panel", "file": "form.png", "size": FORM_SIZE, "title": "NEW PLAYER", "title_y": 36,
     "title_size": 28, "elements": FORM_ELEMENTS,
     "opens": dict(at=FORM[:2], over=["gfx/cashier/back.png"], name="new-player form")},
    {"kind": "background", "file": "titlemark.png", "size": [68, 32], "style": "plain", "colors": ["key", "key"],
     "key": True, "elements": [{"box": [0, 0, 68, 32], "outline": "yellow", "width": 3}]},
] + [
    {"kind": "button", "name": n, "states": ["std", "mo"], "size": [w, h], "label": label, "color": c,
     "shape": "rect", "bg": "felt"}
    for (n, x, y, w, h, label, c) in DESK
]
