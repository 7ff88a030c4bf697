# The two jackpot movies, 400 x 300 frames shown at (200, 150) over the
# machine: "jackpot" (19 frames, the progressive) and "carjack" (21 frames,
# the car prize, played three times).
FOLDER = "gfx/jackpotmovies"
W, H = 400, 300


def car(x, y, s, body):
    """A sports car whose left rear corner is at (x, y), s pixels per unit."""
    def p(pts):
        return [round((x if k % 2 == 0 else y) + v * s) for k, v in enumerate(pts)]

    def c(cx, cy, r, fill):
        return {"circle": [round(x + cx * s), round(y + cy * s), max(1, round(r * s))], "fill": fill}

    return [
        {"polygon": p([0, 36, 4, 22, 26, 16, 40, 4, 68, 4, 84, 15, 104, 21, 104, 36]), "fill": body, "outline": "ink"},
        {"polygon": p([43, 8, 56, 8, 56, 16, 34, 16]), "fill": "lightblue"},
        {"polygon": p([59, 8, 66, 8, 76, 16, 59, 16]), "fill": "lightblue"},
        {"line": p([6, 27, 100, 27]), "color": "white", "width": max(1, round(2 * s))},
        {"polygon": p([98, 22, 104, 22, 104, 27, 98, 27]), "fill": "yellow"},
        c(24, 36, 10, "black"), c(24, 36, 4, "silver"), c(82, 36, 10, "black"), c(82, 36, 4, "silver"),
    ]


def car_frame(i, n):
    # the car drives in from the left and stops in the middle; then the
    # banner flashes
    t = min(1.0, (i + 1) / 12.0)
    s = 2.2
    x = round(-240 + t * (W / 2 - 52 * s + 240))
    lit = i >= 11
    banner = "lightgold" if i % 2 == 0 else "yellow"
    return {
        "kind": "background", "size": [W, H], "style": "gradient",
        "colors": ["navy", "darkburgundy"] if i % 2 == 0 else ["darkburgundy", "navy"], "border": "gold",
        "elements": [
            {"lights": [14, 14, W - 28, H - 28], "step": 24, "r": 4,
             "on": "lightgold" if i % 2 == 0 else "darkgold", "off": "darkgold" if i % 2 == 0 else "lightgold"},
            {"box": [24, 214, W - 48, 56], "fill": "charcoal"},
            {"line": [24, 242, W - 24, 242], "color": "yellow", "width": 3},
        ] + car(x, 150, s, "red") + ([
            {"text": "YOU WON", "at": [W / 2, 58], "size": 40, "color": banner, "font": "serif-bold", "outline": "darkburgundy"},
            {"text": "A NEW CAR!", "at": [W / 2, 104], "size": 40, "color": banner, "font": "serif-bold",
             "outline": "darkburgundy"},
        ] if lit else [
            {"text": "JACKPOT!", "at": [W / 2, 80], "size": 44, "color": "gold", "font": "serif-bold", "outline": "black"},
        ]),
    }


ITEMS = [
    {"kind": "anim", "name": "jackpot", "frames": 19, "effect": "jackpot", "size": [W, H], "text": "JACKPOT!",
     "subtext": "THE PROGRESSIVE IS YOURS", "colors": ["burgundy", "red"]},
    {"kind": "anim", "name": "carjack", "frames": 21, "effect": "frames", "size": [W, H],
     "frame_items": [car_frame(i, 21) for i in range(21)]},
]
