# Shared builders of the video poker art: the cabinet (back.png) and bottom
# panel of a poker machine from its pay table (each machine's ROWS: hand,
# pay per coin, and the royal's pay at five coins),
# and the cash wheel's segment drawing.
#
# Cabinet layout (screen points the game uses): card places at x 190, 259,
# 328, 397, 466, y 320 (62 x 89); held markers at y 290; "WINNER PAID" line
# baseline (190, 286); Credit / Coins In captions at (249, 441) / (472, 441)
# with their meters at y 459; coin value centred at (359, 447); buttons along
# y 493-496; coin slot hot spot (559, 465); bill acceptor (522, 546, 114, 45);
# the glass below from (119, 556) opens the bottom panel.

COLUMNS = [350, 425, 500, 575, 650]   # right edges of the 1..5 coin columns

# The cabinet's buttons as they look with the mouse elsewhere:
# name, x, y, width, label, colour. The "_mo" pictures (poker.py) match them.
BUTTONS = [
    ["betmax", 593, 493, 50, "BET\nMAX", "burgundy"], ["deal", 546, 493, 44, "DEAL", "burgundy"],
    ["hold4", 477, 494, 48, "HOLD", "bronze"], ["hold3", 425, 495, 48, "HOLD", "bronze"],
    ["hold2", 374, 495, 48, "HOLD", "bronze"], ["hold1", 322, 496, 48, "HOLD", "bronze"],
    ["hold0", 270, 496, 48, "HOLD", "bronze"], ["betone", 199, 494, 48, "BET\nONE", "burgundy"],
    ["cashout", 144, 495, 50, "CASH\nOUT", "navy"],
]


# The money prompt opens at (232, 222) across the middle of the pay table:
# every row ends above it (the last baseline at LAST_ROW at most), a long
# table in closer, smaller rows.
LAST_ROW = 215


def _pay_glass(rows):
    """Rows: [hand, pay per coin] or [hand, pay per coin, pay at five coins]."""
    pitch = min(15, (LAST_ROW - 95) // max(1, len(rows) - 1))
    size = 12 if pitch >= 14 else 11
    els = [dict(box=[120, 56, 560, 210], fill="darkburgundy", outline="gold", width=3, radius=8),
           dict(text="COINS", at=[140, 76], anchor="ls", size=12, color="lightgold", font="sans-bold")]
    for k, x in enumerate(COLUMNS):
        els.append(dict(text=str(k + 1), at=[x, 76], anchor="rs", size=12, color="lightgold", font="sans-bold"))
    for i, row in enumerate(rows):
        y = 95 + i * pitch
        els.append(dict(text=row[0], at=[140, y], anchor="ls", size=size, color="cream", font="sans-bold"))
        for k, x in enumerate(COLUMNS):
            bonus = k == 4 and len(row) > 2
            value = row[2] if bonus else row[1] * (k + 1)
            els.append(dict(text=str(value), at=[x, y], anchor="rs", size=size,
                            color="yellow" if bonus else "lightgold", font="sans-bold"))
    return els


def _cabinet_front():
    els = [dict(box=[176, 268, 366, 150], fill="darkfelt", outline="gold", width=2, radius=6)]
    for x in (190, 259, 328, 397, 466):
        els.append(dict(box=[x, 320, 62, 89], outline="felt", width=1, radius=4))
    els += [
        # Sized for the game's text (14 pt captions and meters, the coin
        # value at 28 pt): "Coins In", an eight-digit credit count, "0.25".
        dict(box=[197, 418, 104, 46], fill="black", outline="gold", width=2),    # credit meter
        dict(box=[420, 418, 104, 46], fill="black", outline="gold", width=2),    # coins-in meter
        dict(box=[309, 424, 100, 64], fill="navy", outline="gold", width=2),     # coin value
        # the game writes the bare value ("1", "0.25") under this, centred on (359, 447): its
        # figures stand on a baseline half the text's height below that point (y 474)
        dict(text="$ PER COIN", at=[359, 434], anchor="mm", size=10, color="lightgold", font="sans-bold"),
    ]
    for name, x, y, w, label, col in BUTTONS:
        els.append(dict(box=[x, y, w, 34], bevel=True, fill=col, label=label, size=10, color="cream"))
    els += [
        dict(box=[178, 461, 44, 26], bevel=True, fill="purple", label="CHANGE", size=10, color="cream", font="condensed-bold"),
        dict(box=[561, 452, 35, 38], fill="charcoal", outline="silver", width=2, radius=4),   # coin slot
        dict(box=[575, 457, 7, 28], fill="black"),
        dict(box=[522, 546, 114, 45], fill="charcoal", outline="silver", width=2, radius=4),  # bill acceptor
        dict(box=[532, 574, 94, 6], fill="black"),
        dict(text="BILLS", at=[579, 560], anchor="mm", size=10, color="silver", font="sans-bold"),
        dict(box=[120, 557, 396, 38], fill="burgundy", outline="gold", width=2, radius=6,
             label="HAND RANKS AND RULES", size=13, color="lightgold"),
    ]
    return els


def cabinet(title, rows, note):
    """back.png and bottom.png of one poker machine."""
    els = _pay_glass(rows)
    els.append(dict(text=note, at=[400, 259], anchor="ms", size=11, color="parchment", font="sans"))
    els += _cabinet_front()
    back = dict(kind="background", file="back.png", size=[800, 600], style="cabinet", title=title.upper(),
                title_size=34, title_y=30, border=True, elements=els,
                writes=[dict(font="poker2.ttf", size=28, at=[359, 447], align=4, color="white",
                             texts=["0.05", "0.25", "0.5", "1", "5", "25", "100", "1000"])])
    lines = [title, ""]
    for row in rows:
        line = "%s  -  %d per coin" % (row[0], row[1])
        if len(row) > 2:
            line += "  (%d per coin at 5 coins)" % (row[2] // 5)
        lines.append(line)
    lines += ["", note, "Hold the cards you want, then draw.", "Press any key or click to return."]
    bottom = dict(kind="panel", file="bottom.png", size=[800, 600], title="HAND RANKS", lines=lines,
                  text_size=17, line_gap=6)
    return [back, bottom]


# ---- the cash wheel --------------------------------------------------------

def _sin(deg):
    """Sine of an angle in degrees (Taylor series after reduction; ample for pixels)."""
    pi = 3.141592653589793
    d = deg % 360.0
    sign = 1.0
    if d > 180.0:
        d -= 180.0
        sign = -1.0
    if d > 90.0:
        d = 180.0 - d
    x = d * pi / 180.0
    term, total = x, x
    for n in range(1, 10):
        term *= -x * x / ((2 * n) * (2 * n + 1))
        total += term
    return sign * total


def _point(cx, cy, deg, r):
    """Point at a radius and an angle measured clockwise from the top."""
    return [round(cx + r * _sin(deg), 1), round(cy - r * _sin(deg + 90.0), 1)]


def wheel(prizes, size, radius, scale=1):
    """The wheel picture: one segment per prize, prize k centred 18k + 4.5
    degrees anticlockwise of the top, so that turning the wheel clockwise by
    9 degrees a frame puts prize k under the pointer at frames 2k and 2k+1.
    Drawn `scale` times larger (every length and letter), for frames that are
    turned at that size and scaled down to `size`, smooth."""
    step = 360.0 / len(prizes)
    c = size * scale // 2
    radius = radius * scale
    size = size * scale
    els = [dict(circle=[c, c, radius + 4 * scale], fill="gold", outline="darkgold", width=3 * scale)]
    for k, prize in enumerate(prizes):
        centre = -step * k - step / 4
        poly = [c, c]
        for j in range(25):
            poly += _point(c, c, centre - step / 2 + step * j / 24, radius)
        fill = "darkgold" if prize >= 500 else ["red", "black"][k % 2]
        els.append(dict(polygon=poly, fill=fill, outline="gold"))
        els.append(dict(line=[c, c] + _point(c, c, centre - step / 2, radius), color="gold", width=scale))
    for k, prize in enumerate(prizes):
        at = _point(c, c, -step * k - step / 4, radius * 0.72)
        els.append(dict(text=str(prize), at=at, anchor="mm", size=(15 if prize < 1000 else 13) * scale, color="white",
                        font="sans-bold", outline="black", stroke=scale))
    els += [dict(circle=[c, c, 30 * scale], fill="gold", outline="darkgold", width=3 * scale),
            dict(text="$", at=[c, c], anchor="mm", size=30 * scale, color="burgundy", font="serif-bold")]
    return dict(kind="background", size=[size, size], style="plain", colors=["key", "key"], key=True, elements=els)
