"""Reel symbols and playing cards, drawn at four times their size and scaled
down for smooth edges. Each glyph draws into an RGBA canvas; the caller puts
it on a background colour or on the colour key."""
import math
from PIL import Image, ImageDraw
from .common import colour, lighter, darker, font, fit_font

SS = 4  # supersampling factor


def _canvas(w, h):
    img = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
    return img, ImageDraw.Draw(img)


def _text(d, xy, text, face, size, fill, outline=None, ow=0, max_w=None, anchor="mm"):
    f = fit_font(d, text, face, size, max_w) if max_w else font(face, int(size))
    if outline and ow:
        d.text(xy, text, font=f, fill=colour(outline) + (255,), anchor=anchor,
               stroke_width=ow, stroke_fill=colour(outline) + (255,))
    d.text(xy, text, font=f, fill=colour(fill) + (255,), anchor=anchor)


def _c(c, a=255):
    return colour(c) + (a,)


# ---- glyphs: each takes (draw, W, H, params) on the supersampled canvas ----

def g_cherry(d, W, H, p):
    red = p.get("color", "red")
    s = min(W, H)
    cx, cy = W / 2, H / 2
    r = s * 0.19
    stem = _c("darkfelt")
    top = (cx + s * 0.08, cy - s * 0.36)
    for (x, y) in ((cx - s * 0.18, cy + s * 0.16), (cx + s * 0.2, cy + s * 0.2)):
        d.line([top, (x, y - r * 0.8)], fill=stem, width=int(s * 0.05))
    d.ellipse((top[0] - s * 0.02, top[1] - s * 0.1, top[0] + s * 0.3, top[1] + s * 0.04), fill=_c("green"))
    for (x, y) in ((cx - s * 0.18, cy + s * 0.16), (cx + s * 0.2, cy + s * 0.2)):
        d.ellipse((x - r, y - r, x + r, y + r), fill=_c(darker(red, 0.45)))
        d.ellipse((x - r * 0.92, y - r * 0.92, x + r * 0.85, y + r * 0.85), fill=_c(red))
        d.ellipse((x - r * 0.55, y - r * 0.6, x - r * 0.15, y - r * 0.2), fill=_c(lighter(red, 0.6)))


def g_bar(d, W, H, p):
    n = int(p.get("bars", 1))
    col = p.get("color", "black")
    txt = p.get("label", "BAR")
    bw, gap = W * 0.8, H * 0.04
    bh = min(H * 0.26, (H * 0.86 - gap * (n - 1)) / n)
    total = n * bh + (n - 1) * gap
    y = (H - total) / 2
    for _ in range(n):
        x0 = (W - bw) / 2
        d.rounded_rectangle((x0, y, x0 + bw, y + bh), radius=bh * 0.2, fill=_c("gold"))
        d.rounded_rectangle((x0 + SS * 2, y + SS * 2, x0 + bw - SS * 2, y + bh - SS * 2), radius=bh * 0.18, fill=_c(col))
        _text(d, (W / 2, y + bh / 2), txt, "sans-bold", bh * 0.72, p.get("text", "cream"), max_w=bw * 0.8)
        y += bh + gap


def g_seven(d, W, H, p):
    col = p.get("color", "red")
    s = min(W, H)
    _text(d, (W / 2, H / 2 + s * 0.02), p.get("label", "7"), "serif-bold", s * 0.9, col,
          outline=p.get("outline", "gold"), ow=int(s * 0.04), max_w=W * 0.92)


def g_dice(d, W, H, p):
    n = int(p.get("face", 1))
    col = p.get("color", "cream")
    pip = p.get("pip", "black" if n != 1 else "red")
    s = min(W, H) * 0.86
    x0, y0 = (W - s) / 2, (H - s) / 2
    d.rounded_rectangle((x0, y0, x0 + s, y0 + s), radius=s * 0.16, fill=_c(darker(col, 0.5)))
    d.rounded_rectangle((x0 + s * 0.03, y0 + s * 0.03, x0 + s * 0.95, y0 + s * 0.95), radius=s * 0.14, fill=_c(col))
    spots = {1: [(1, 1)], 2: [(0, 0), (2, 2)], 3: [(0, 0), (1, 1), (2, 2)],
             4: [(0, 0), (2, 0), (0, 2), (2, 2)], 5: [(0, 0), (2, 0), (1, 1), (0, 2), (2, 2)],
             6: [(0, 0), (2, 0), (0, 1), (2, 1), (0, 2), (2, 2)]}[max(1, min(6, n))]
    r = s * (0.11 if n == 1 else 0.085)
    for (i, j) in spots:
        cx = x0 + s * (0.24 + 0.25 * i)
        cy = y0 + s * (0.24 + 0.25 * j)
        d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=_c(pip))


def _star_points(cx, cy, ro, ri, n=5, rot=-90):
    pts = []
    for k in range(n * 2):
        r = ro if k % 2 == 0 else ri
        a = math.radians(rot + k * 180 / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def g_star(d, W, H, p):
    s = min(W, H)
    col = p.get("color", "gold")
    d.polygon(_star_points(W / 2, H / 2, s * 0.46, s * 0.2), fill=_c(darker(col, 0.4)))
    d.polygon(_star_points(W / 2, H / 2 - s * 0.02, s * 0.42, s * 0.18), fill=_c(col))
    if p.get("label"):
        _text(d, (W / 2, H / 2 + s * 0.02), p["label"], "sans-bold", s * 0.2, p.get("text", "burgundy"), max_w=s * 0.4)


def g_wild(d, W, H, p):
    s = min(W, H)
    col = p.get("color", "gold")
    d.polygon(_star_points(W / 2, H / 2, s * 0.49, s * 0.3, n=12), fill=_c(col))
    d.polygon(_star_points(W / 2, H / 2, s * 0.4, s * 0.26, n=12), fill=_c(lighter(col, 0.4)))
    _text(d, (W / 2, H / 2 - (s * 0.08 if p.get("sub") else 0)), p.get("label", "WILD"), "sans-bold", s * 0.3,
          p.get("text", "red"), outline="darkburgundy", ow=max(1, int(s * 0.015)), max_w=W * 0.78)
    if p.get("sub"):
        _text(d, (W / 2, H / 2 + s * 0.18), p["sub"], "sans-bold", s * 0.2, "burgundy", max_w=W * 0.6)


def g_bell(d, W, H, p):
    s = min(W, H)
    col = p.get("color", "gold")
    cx, cy = W / 2, H / 2
    d.ellipse((cx - s * 0.07, cy - s * 0.42, cx + s * 0.07, cy - s * 0.28), fill=_c(darker(col, 0.3)))
    d.chord((cx - s * 0.3, cy - s * 0.36, cx + s * 0.3, cy + s * 0.2), 180, 360, fill=_c(col))
    d.polygon([(cx - s * 0.3, cy - s * 0.08), (cx + s * 0.3, cy - s * 0.08), (cx + s * 0.4, cy + s * 0.26),
               (cx - s * 0.4, cy + s * 0.26)], fill=_c(col))
    d.rectangle((cx - s * 0.42, cy + s * 0.22, cx + s * 0.42, cy + s * 0.3), fill=_c(darker(col, 0.25)))
    d.ellipse((cx - s * 0.08, cy + s * 0.26, cx + s * 0.08, cy + s * 0.42), fill=_c(darker(col, 0.45)))
    d.ellipse((cx - s * 0.18, cy - s * 0.2, cx - s * 0.08, cy + s * 0.1), fill=_c(lighter(col, 0.5)))


def _suit(d, suit, cx, cy, s, col):
    """Card suits drawn from shapes: s is the suit's height."""
    c = _c(col)
    if suit == "H":
        r = s * 0.27
        d.ellipse((cx - 2 * r, cy - s * 0.42, cx, cy - s * 0.42 + 2 * r), fill=c)
        d.ellipse((cx, cy - s * 0.42, cx + 2 * r, cy - s * 0.42 + 2 * r), fill=c)
        d.polygon([(cx - 2 * r + s * 0.01, cy - s * 0.42 + r * 1.25), (cx + 2 * r - s * 0.01, cy - s * 0.42 + r * 1.25),
                   (cx, cy + s * 0.48)], fill=c)
    elif suit == "D":
        d.polygon([(cx, cy - s * 0.5), (cx + s * 0.36, cy), (cx, cy + s * 0.5), (cx - s * 0.36, cy)], fill=c)
    elif suit == "S":
        r = s * 0.25
        d.polygon([(cx, cy - s * 0.5), (cx + 2 * r, cy + s * 0.05), (cx - 2 * r, cy + s * 0.05)], fill=c)
        d.ellipse((cx - 2 * r, cy - s * 0.12, cx, cy - s * 0.12 + 2 * r), fill=c)
        d.ellipse((cx, cy - s * 0.12, cx + 2 * r, cy - s * 0.12 + 2 * r), fill=c)
        d.polygon([(cx, cy + s * 0.1), (cx + s * 0.16, cy + s * 0.5), (cx - s * 0.16, cy + s * 0.5)], fill=c)
    elif suit == "C":
        r = s * 0.2
        for (x, y) in ((cx, cy - s * 0.27), (cx - s * 0.22, cy + s * 0.06), (cx + s * 0.22, cy + s * 0.06)):
            d.ellipse((x - r, y - r, x + r, y + r), fill=c)
        d.rectangle((cx - s * 0.08, cy - s * 0.1, cx + s * 0.08, cy + s * 0.15), fill=c)
        d.polygon([(cx, cy + s * 0.05), (cx + s * 0.16, cy + s * 0.5), (cx - s * 0.16, cy + s * 0.5)], fill=c)


def g_suit(d, W, H, p):
    s = min(W, H) * 0.8
    suit = p.get("suit", "H")
    _suit(d, suit, W / 2, H / 2, s, p.get("color", "red" if suit in "HD" else "black"))


def g_heart(d, W, H, p):
    _suit(d, "H", W / 2, H / 2, min(W, H) * 0.8, p.get("color", "red"))


def g_diamond(d, W, H, p):
    s = min(W, H)
    col = p.get("color", "lightblue")
    cx, cy = W / 2, H / 2
    top = cy - s * 0.22
    outline = [(cx - s * 0.42, top), (cx - s * 0.24, cy - s * 0.4), (cx + s * 0.24, cy - s * 0.4),
               (cx + s * 0.42, top), (cx, cy + s * 0.42)]
    d.polygon(outline, fill=_c(darker(col, 0.3)))
    d.polygon([(cx - s * 0.36, top), (cx - s * 0.21, cy - s * 0.35), (cx + s * 0.21, cy - s * 0.35),
               (cx + s * 0.36, top), (cx, cy + s * 0.34)], fill=_c(col))
    d.polygon([(cx - s * 0.21, cy - s * 0.35), (cx, top), (cx + s * 0.21, cy - s * 0.35)], fill=_c(lighter(col, 0.5)))
    d.line([(cx - s * 0.36, top), (cx + s * 0.36, top)], fill=_c(lighter(col, 0.6)), width=SS * 2)
    d.line([(cx, top), (cx, cy + s * 0.34)], fill=_c(lighter(col, 0.3)), width=SS * 2)


def g_fruit(d, W, H, p):
    """Round fruit (orange, lemon, plum, apple, melon) with a leaf."""
    s = min(W, H)
    kind = p.get("fruit", "orange")
    col = p.get("color", {"orange": "orange", "lemon": "yellow", "plum": "purple", "apple": "red",
                          "melon": "green"}.get(kind, "orange"))
    cx, cy = W / 2, H / 2 + s * 0.04
    rx, ry = s * 0.36, s * 0.34
    if kind == "lemon":
        rx, ry = s * 0.42, s * 0.3
    if kind == "melon":
        rx, ry = s * 0.44, s * 0.34
    d.ellipse((cx - rx, cy - ry, cx + rx, cy + ry), fill=_c(darker(col, 0.35)))
    d.ellipse((cx - rx * 0.95, cy - ry * 0.95, cx + rx * 0.9, cy + ry * 0.9), fill=_c(col))
    if kind == "melon":
        for k in (-2, -1, 0, 1, 2):
            d.arc((cx - rx * (0.2 + 0.18 * abs(k)), cy - ry, cx + rx * (0.2 + 0.18 * abs(k)), cy + ry),
                  90 if k < 0 else 270, 270 if k < 0 else 90, fill=_c("darkfelt"), width=SS * 3)
    d.ellipse((cx - rx * 0.55, cy - ry * 0.6, cx - rx * 0.2, cy - ry * 0.25), fill=_c(lighter(col, 0.55)))
    d.line([(cx, cy - ry), (cx + s * 0.04, cy - ry - s * 0.1)], fill=_c("brown"), width=int(s * 0.04))
    d.ellipse((cx + s * 0.02, cy - ry - s * 0.12, cx + s * 0.22, cy - ry - s * 0.02), fill=_c("green"))


def g_grapes(d, W, H, p):
    s = min(W, H)
    col = p.get("color", "purple")
    r = s * 0.1
    rows = [3, 3, 2, 1]
    y = H / 2 - s * 0.2
    for n in rows:
        for k in range(n):
            x = W / 2 + (k - (n - 1) / 2) * r * 1.9
            d.ellipse((x - r, y - r, x + r, y + r), fill=_c(darker(col, 0.3)))
            d.ellipse((x - r * 0.9, y - r * 0.9, x + r * 0.75, y + r * 0.75), fill=_c(col))
        y += r * 1.6
    d.ellipse((W / 2, H / 2 - s * 0.44, W / 2 + s * 0.26, H / 2 - s * 0.28), fill=_c("green"))


def g_horseshoe(d, W, H, p):
    s = min(W, H)
    col = p.get("color", "silver")
    box = (W / 2 - s * 0.36, H / 2 - s * 0.38, W / 2 + s * 0.36, H / 2 + s * 0.34)
    d.arc(box, 150, 390, fill=_c(darker(col, 0.3)), width=int(s * 0.16))
    d.arc(box, 150, 390, fill=_c(col), width=int(s * 0.12))
    for a in range(170, 380, 35):
        x = W / 2 + s * 0.3 * math.cos(math.radians(a))
        y = H / 2 - s * 0.02 + s * 0.3 * math.sin(math.radians(a))
        d.ellipse((x - s * 0.025, y - s * 0.025, x + s * 0.025, y + s * 0.025), fill=_c("charcoal"))


def g_coin(d, W, H, p):
    s = min(W, H)
    col = p.get("color", "gold")
    cx, cy, r = W / 2, H / 2, s * 0.42
    d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=_c(darker(col, 0.35)))
    d.ellipse((cx - r * 0.9, cy - r * 0.9, cx + r * 0.9, cy + r * 0.9), fill=_c(col))
    d.ellipse((cx - r * 0.75, cy - r * 0.75, cx + r * 0.75, cy + r * 0.75), outline=_c(darker(col, 0.2)), width=SS * 2)
    _text(d, (cx, cy), p.get("label", "$"), "serif-bold", r * 1.1, darker(col, 0.45), max_w=r * 1.4)


def g_crown(d, W, H, p):
    s = min(W, H)
    col = p.get("color", "gold")
    x0, x1 = W / 2 - s * 0.4, W / 2 + s * 0.4
    yb, yt = H / 2 + s * 0.25, H / 2 - s * 0.3
    pts = [(x0, yb), (x0, yt), (x0 + s * 0.2, H / 2 - s * 0.02), (W / 2, yt - s * 0.06),
           (x1 - s * 0.2, H / 2 - s * 0.02), (x1, yt), (x1, yb)]
    d.polygon(pts, fill=_c(col))
    d.rectangle((x0, yb - s * 0.1, x1, yb), fill=_c(darker(col, 0.3)))
    for x, y in ((x0, yt), (W / 2, yt - s * 0.06), (x1, yt)):
        d.ellipse((x - s * 0.05, y - s * 0.05, x + s * 0.05, y + s * 0.05), fill=_c("red"))


def g_clover(d, W, H, p):
    s = min(W, H)
    col = p.get("color", "green")
    r = s * 0.15
    cx, cy = W / 2, H / 2 - s * 0.05
    for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1)):
        x, y = cx + dx * r * 1.05, cy + dy * r * 1.05
        d.ellipse((x - r, y - r, x + r, y + r), fill=_c(col))
    d.line([(cx, cy), (cx + s * 0.12, cy + s * 0.42)], fill=_c(darker(col, 0.3)), width=int(s * 0.05))


def g_flag(d, W, H, p):
    s = min(W, H)
    pole_x = W / 2 - s * 0.32
    d.line([(pole_x, H / 2 - s * 0.42), (pole_x, H / 2 + s * 0.44)], fill=_c("silver"), width=int(s * 0.04))
    style = p.get("style", "checker")
    fx0, fy0, fw, fh = pole_x + s * 0.02, H / 2 - s * 0.4, s * 0.66, s * 0.44
    if style == "checker":
        n = 6
        for i in range(n):
            for j in range(4):
                c = "black" if (i + j) % 2 == 0 else "white"
                d.rectangle((fx0 + i * fw / n, fy0 + j * fh / 4, fx0 + (i + 1) * fw / n, fy0 + (j + 1) * fh / 4), fill=_c(c))
    elif style == "stripes":
        for j in range(7):
            d.rectangle((fx0, fy0 + j * fh / 7, fx0 + fw, fy0 + (j + 1) * fh / 7), fill=_c("red" if j % 2 == 0 else "white"))
        d.rectangle((fx0, fy0, fx0 + fw * 0.42, fy0 + fh * 4 / 7), fill=_c("blue"))
        for i in range(3):
            for j in range(2):
                x, y = fx0 + fw * (0.08 + 0.13 * i), fy0 + fh * (0.12 + 0.25 * j)
                d.polygon(_star_points(x, y, s * 0.03, s * 0.012), fill=_c("white"))
    else:
        d.rectangle((fx0, fy0, fx0 + fw, fy0 + fh), fill=_c(p.get("color", "red")))


def g_arrow(d, W, H, p):
    s = min(W, H)
    col = p.get("color", "gold")
    direction = p.get("dir", "up")
    pts = [(0, -0.44), (0.36, 0), (0.14, 0), (0.14, 0.42), (-0.14, 0.42), (-0.14, 0), (-0.36, 0)]
    rot = {"up": 0, "right": 90, "down": 180, "left": 270}.get(direction, 0)
    a = math.radians(rot)
    poly = [(W / 2 + s * (x * math.cos(a) - y * math.sin(a)), H / 2 + s * (x * math.sin(a) + y * math.cos(a)))
            for x, y in pts]
    d.polygon(poly, fill=_c(darker(col, 0.4)))
    poly2 = [(x - SS * 2, y - SS * 2) for x, y in poly]
    d.polygon(poly2, fill=_c(col))
    if p.get("label"):
        _text(d, (W / 2, H / 2), p["label"], "sans-bold", s * 0.2, "black", max_w=s * 0.4)


def g_flame(d, W, H, p):
    s = min(W, H)
    for col, k in (("red", 1.0), ("orange", 0.75), ("yellow", 0.45)):
        cx, cy = W / 2, H / 2 + s * 0.12
        r = s * 0.3 * k
        d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=_c(col))
        d.polygon([(cx - r, cy), (cx, cy - s * 0.5 * k - r * 0.4), (cx + r, cy)], fill=_c(col))


def g_ball(d, W, H, p):
    s = min(W, H)
    col = p.get("color", "white")
    r = s * 0.38
    cx, cy = W / 2, H / 2
    d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=_c(darker(col, 0.3)))
    d.ellipse((cx - r * 0.95, cy - r * 0.95, cx + r * 0.88, cy + r * 0.88), fill=_c(col))
    if p.get("dimples", True):
        for i in range(-2, 3):
            for j in range(-2, 3):
                if i * i + j * j <= 5:
                    x, y = cx + i * r * 0.32, cy + j * r * 0.32
                    d.ellipse((x - r * 0.06, y - r * 0.06, x + r * 0.06, y + r * 0.06), fill=_c(darker(col, 0.15)))
    if p.get("label"):
        _text(d, (cx, cy), p["label"], "sans-bold", r, p.get("text", "black"), max_w=r * 1.5)


def g_balloon(d, W, H, p):
    s = min(W, H)
    col = p.get("color", "red")
    cx, cy = W / 2, H / 2 - s * 0.08
    d.line([(cx, cy + s * 0.34), (cx - s * 0.05, H / 2 + s * 0.48)], fill=_c("charcoal"), width=SS * 2)
    d.polygon([(cx - s * 0.05, cy + s * 0.38), (cx + s * 0.05, cy + s * 0.38), (cx, cy + s * 0.32)], fill=_c(col))
    d.ellipse((cx - s * 0.3, cy - s * 0.36, cx + s * 0.3, cy + s * 0.36), fill=_c(col))
    d.ellipse((cx - s * 0.18, cy - s * 0.24, cx - s * 0.06, cy - s * 0.08), fill=_c(lighter(col, 0.6)))
    if p.get("label"):
        _text(d, (cx, cy), p["label"], "sans-bold", s * 0.22, "white", max_w=s * 0.45)


def g_fish(d, W, H, p):
    s = min(W, H)
    col = p.get("color", "orange")
    cx, cy = W / 2 - s * 0.06, H / 2
    d.polygon([(cx + s * 0.26, cy), (cx + s * 0.48, cy - s * 0.2), (cx + s * 0.48, cy + s * 0.2)], fill=_c(darker(col, 0.2)))
    d.ellipse((cx - s * 0.4, cy - s * 0.22, cx + s * 0.32, cy + s * 0.22), fill=_c(col))
    d.ellipse((cx - s * 0.28, cy - s * 0.08, cx - s * 0.18, cy + s * 0.02), fill=_c("white"))
    d.ellipse((cx - s * 0.25, cy - s * 0.05, cx - s * 0.2, cy), fill=_c("black"))


def g_climber(d, W, H, p):
    """A little mountaineer; `pose` 0-7 swings the arms and legs."""
    k = int(p.get("pose", 0)) % 8
    sw = math.sin(k * math.pi / 4)
    col = _c(p.get("color", "red"))
    skin = _c("parchment")
    lw = max(2, int(W * 0.09))
    hx, hy, hr = W * 0.5, H * 0.14, W * 0.14
    neck, hip = (W * 0.5, H * 0.26), (W * 0.5, H * 0.6)
    d.rectangle((W * 0.52, H * 0.28, W * 0.78, H * 0.52), fill=_c("brown"))          # backpack
    d.line([neck, hip], fill=col, width=lw * 2)                                       # body
    for s_ in (1, -1):
        d.line([(W * 0.5, H * 0.32), (W * (0.5 + 0.3 * s_), H * (0.42 - 0.14 * sw * s_))], fill=col, width=lw)
        d.line([hip, (W * (0.5 + 0.22 * s_), H * (0.95 - 0.1 * sw * s_))], fill=_c("navy"), width=lw)
    d.ellipse((hx - hr, hy - hr, hx + hr, hy + hr), fill=skin)
    d.pieslice((hx - hr, hy - hr * 1.2, hx + hr, hy + hr * 0.6), 180, 360, fill=_c("yellow"))   # helmet
    d.line([(W * 0.8, H * 0.1), (W * 0.8, H * 0.55)], fill=_c("charcoal"), width=max(1, lw // 2))  # axe


def g_pennant(d, W, H, p):
    """A checkpoint flag on a pole."""
    d.line([(W * 0.15, H * 0.05), (W * 0.15, H * 0.98)], fill=_c("charcoal"), width=max(2, int(W * 0.08)))
    d.polygon([(W * 0.2, H * 0.05), (W * 0.95, H * 0.22), (W * 0.2, H * 0.42)], fill=_c(p.get("color", "red")))


def g_token(d, W, H, p):
    """A plain named symbol: a rounded token with a label. shape: round|oval|box|diamond|circle."""
    col = p.get("color", "burgundy")
    shape = p.get("shape", "round")
    m = SS * 2
    box = (m, m, W - m, H - m)
    if shape == "circle":
        s = min(W, H) - 2 * m
        box = ((W - s) / 2, (H - s) / 2, (W + s) / 2, (H + s) / 2)
    if shape in ("oval", "circle"):
        d.ellipse(box, fill=_c(p.get("border", "gold")))
        inner = (box[0] + SS * 3, box[1] + SS * 3, box[2] - SS * 3, box[3] - SS * 3)
        d.ellipse(inner, fill=_c(col))
    elif shape == "diamond":
        d.polygon([(W / 2, m), (W - m, H / 2), (W / 2, H - m), (m, H / 2)], fill=_c(p.get("border", "gold")))
        d.polygon([(W / 2, m + SS * 5), (W - m - SS * 5, H / 2), (W / 2, H - m - SS * 5), (m + SS * 5, H / 2)], fill=_c(col))
    elif shape == "box":
        d.rectangle(box, fill=_c(p.get("border", "gold")))
        d.rectangle((box[0] + SS * 3, box[1] + SS * 3, box[2] - SS * 3, box[3] - SS * 3), fill=_c(col))
    else:
        r = min(W, H) * 0.18
        d.rounded_rectangle(box, radius=r, fill=_c(p.get("border", "gold")))
        d.rounded_rectangle((box[0] + SS * 3, box[1] + SS * 3, box[2] - SS * 3, box[3] - SS * 3), radius=r * 0.8, fill=_c(col))
    label = str(p.get("label", ""))
    if label:
        _text(d, (W / 2, H / 2), label, p.get("face", "sans-bold"), min(W, H) * 0.42 if len(label) <= 3 else min(W, H) * 0.3,
              p.get("text", "cream"), outline=p.get("text_outline"), ow=SS * 2 if p.get("text_outline") else 0,
              max_w=W * 0.8)


def g_text(d, W, H, p):
    """Just a label, big and outlined."""
    _text(d, (W / 2, H / 2), str(p.get("label", "?")), p.get("face", "sans-bold"), min(W, H) * 0.5,
          p.get("color", "gold"), outline=p.get("outline", "black"), ow=SS * 2, max_w=W * 0.9)


def g_blank(d, W, H, p):
    pass


GLYPHS = {
    "cherry": g_cherry, "bar": g_bar, "seven": g_seven, "dice": g_dice, "star": g_star, "wild": g_wild,
    "bell": g_bell, "suit": g_suit, "heart": g_heart, "diamond": g_diamond, "fruit": g_fruit,
    "grapes": g_grapes, "horseshoe": g_horseshoe, "coin": g_coin, "crown": g_crown, "clover": g_clover,
    "flag": g_flag, "arrow": g_arrow, "flame": g_flame, "ball": g_ball, "balloon": g_balloon,
    "fish": g_fish, "climber": g_climber, "pennant": g_pennant, "token": g_token, "text": g_text, "blank": g_blank,
}

# Short names that set glyph parameters, so a recipe can say glyph="bar3".
ALIASES = {
    "bar1": ("bar", {"bars": 1}), "bar2": ("bar", {"bars": 2}), "bar3": ("bar", {"bars": 3}),
    "singlebar": ("bar", {"bars": 1}), "doublebar": ("bar", {"bars": 2}), "triplebar": ("bar", {"bars": 3}),
    "seven": ("seven", {}), "redseven": ("seven", {"color": "red"}), "blueseven": ("seven", {"color": "blue"}),
    "goldseven": ("seven", {"color": "gold", "outline": "darkburgundy"}),
    "whiteseven": ("seven", {"color": "white", "outline": "red"}),
    "dice1": ("dice", {"face": 1}), "dice2": ("dice", {"face": 2}), "dice3": ("dice", {"face": 3}),
    "dice4": ("dice", {"face": 4}), "dice5": ("dice", {"face": 5}), "dice6": ("dice", {"face": 6}),
    "orange": ("fruit", {"fruit": "orange"}), "lemon": ("fruit", {"fruit": "lemon"}),
    "plum": ("fruit", {"fruit": "plum"}), "apple": ("fruit", {"fruit": "apple"}),
    "melon": ("fruit", {"fruit": "melon"}), "cherries": ("cherry", {}),
    "spade": ("suit", {"suit": "S"}), "club": ("suit", {"suit": "C"}), "hearts": ("suit", {"suit": "H"}),
    "diamonds": ("suit", {"suit": "D"}), "gem": ("diamond", {}),
}


def render_glyph(glyph, w, h, params):
    """RGBA picture of the glyph at size w x h."""
    params = {k: v for k, v in (params or {}).items() if v is not None}
    if glyph in ALIASES:
        g, extra = ALIASES[glyph]
        for k, v in extra.items():
            params.setdefault(k, v)
        glyph = g
    if glyph not in GLYPHS:
        raise ValueError("unknown glyph '%s' (known: %s)" % (glyph, ", ".join(sorted(list(GLYPHS) + list(ALIASES)))))
    img, d = _canvas(w, h)
    GLYPHS[glyph](d, w * SS, h * SS, params)
    return img.resize((w, h), Image.LANCZOS)


# ---- playing cards ----

RANKS = {"A": "A", "2": "2", "3": "3", "4": "4", "5": "5", "6": "6", "7": "7", "8": "8", "9": "9",
         "10": "10", "T": "10", "J": "J", "Q": "Q", "K": "K"}


def render_card(card, w, h, params=None):
    """A playing card: 'AS', '10H', 'QD', 'JOKER', 'BACK'. Returns RGBA."""
    p = params or {}
    img, d = _canvas(w, h)
    W, H = w * SS, h * SS
    rad = W * 0.08
    d.rounded_rectangle((0, 0, W - 1, H - 1), radius=rad, fill=_c("charcoal"))
    card = card.upper()
    if card == "BACK":
        d.rounded_rectangle((SS, SS, W - 1 - SS, H - 1 - SS), radius=rad, fill=_c("cream"))
        m = W * 0.07
        d.rounded_rectangle((m, m, W - m, H - m), radius=rad * 0.6, fill=_c(p.get("color", "burgundy")))
        step = W * 0.12
        y = m
        while y < H - m:
            x = m
            while x < W - m:
                d.polygon([(x + step / 2, y), (x + step, y + step / 2), (x + step / 2, y + step), (x, y + step / 2)],
                          outline=_c("gold"), width=SS)
                x += step
            y += step
        d.rounded_rectangle((m, m, W - m, H - m), radius=rad * 0.6, outline=_c("gold"), width=SS * 3)
        ew = W * 0.5
        d.ellipse((W / 2 - ew / 2, H / 2 - ew / 3, W / 2 + ew / 2, H / 2 + ew / 3), fill=_c("darkburgundy"),
                  outline=_c("gold"), width=SS * 2)
        _text(d, (W / 2, H / 2), p.get("label", "C"), "serif-bold", ew * 0.5, "gold", max_w=ew * 0.7)
        return img.resize((w, h), Image.LANCZOS)
    d.rounded_rectangle((SS, SS, W - 1 - SS, H - 1 - SS), radius=rad, fill=_c("white"))
    if card == "JOKER":
        _text(d, (W / 2, H * 0.16), "JOKER", "sans-bold", W * 0.22, "purple", max_w=W * 0.8)
        d.polygon(_star_points(W / 2, H * 0.55, W * 0.34, W * 0.14), fill=_c("gold"), outline=_c("darkgold"))
        _text(d, (W / 2, H * 0.56), "W", "sans-bold", W * 0.18, "red")
        return img.resize((w, h), Image.LANCZOS)
    suit = card[-1]
    rank = RANKS.get(card[:-1])
    if suit not in "SHDC" or rank is None:
        raise ValueError("bad card '%s'" % card)
    col = "red" if suit in "HD" else "black"
    # corner index
    _text(d, (W * 0.16, H * 0.1), rank, "sans-bold", H * 0.13, col, max_w=W * 0.26)
    _suit(d, suit, W * 0.16, H * 0.22, H * 0.09, col)
    if rank in "JQK":
        fx0, fy0, fx1, fy1 = W * 0.28, H * 0.18, W * 0.88, H * 0.86
        d.rectangle((fx0, fy0, fx1, fy1), fill=_c("parchment"), outline=_c("gold"), width=SS * 2)
        _text(d, ((fx0 + fx1) / 2, fy0 + (fy1 - fy0) * 0.36), rank, "serif-bold", (fy1 - fy0) * 0.48, col)
        _suit(d, suit, (fx0 + fx1) / 2, fy0 + (fy1 - fy0) * 0.76, (fy1 - fy0) * 0.26, col)
    else:
        _suit(d, suit, W * 0.56, H * 0.56, H * 0.42, col)
        if rank != "A":
            # the rank again, in white on the big suit
            _text(d, (W * 0.56, H * 0.58), rank, "sans-bold", H * 0.16, "white", max_w=W * 0.3)
    return img.resize((w, h), Image.LANCZOS)
