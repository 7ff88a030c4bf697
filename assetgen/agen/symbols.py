"""Reel symbols and playing cards, drawn at four times their size and scaled
down for smooth edges. Each glyph draws into an RGBA canvas; the caller puts
it on a background colour or on the colour key."""
import math
import os
from PIL import Image, ImageDraw, ImageFilter, ImageFont
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
    # a wide, short cell (a row of a three-row reel) gets a compact stack, not
    # bars across the whole cell: the more bars, the narrower, so each stays a bar
    bw, gap = min(W * 0.8, H * (1.6 - 0.3 * (n - 1))), H * 0.04
    # as tall as the cell allows, up to the shape of a bar
    bh = min(bw * 0.44, (H * 0.92 - gap * (n - 1)) / n)
    total = n * bh + (n - 1) * gap
    y = (H - total) / 2
    for _ in range(n):
        x0 = (W - bw) / 2
        rim = SS * int(p.get("rim_width", 2))
        d.rounded_rectangle((x0, y, x0 + bw, y + bh), radius=bh * 0.2, fill=_c(p.get("rim", "gold")))
        d.rounded_rectangle((x0 + rim, y + rim, x0 + bw - rim, y + bh - rim), radius=bh * 0.18, fill=_c(col))
        if p.get("peak"):
            # a snow-capped peak on the bar in place of the word
            ph, cx = bh * 0.7, W / 2
            base, top = y + bh * 0.85, y + bh * 0.15
            d.polygon([(cx - ph * 1.3, base), (cx, top), (cx + ph * 1.3, base)], fill=_c(p["peak"]))
            d.polygon([(cx - ph * 0.42, top + ph * 0.32), (cx, top), (cx + ph * 0.42, top + ph * 0.32),
                       (cx + ph * 0.14, top + ph * 0.24), (cx, top + ph * 0.36), (cx - ph * 0.16, top + ph * 0.22)],
                      fill=_c("white"))
        else:
            _text(d, (W / 2, y + bh / 2), txt, "sans-bold", bh * (0.72 if bh > H * 0.2 else 0.8), p.get("text", "cream"),
                  max_w=bw * 0.8)
        y += bh + gap


def g_seven(d, W, H, p):
    col = p.get("color", "red")
    s = min(W, H)
    # in a wide, short cell the figure is drawn wider than the type (up to 1.6
    # times), so it stands as large on the reel as the bars beside it
    stretch = max(1.0, min(1.6, W / (H * 1.15)))
    if stretch > 1.0:
        w0 = int(W / stretch)
        tmp = Image.new("RGBA", (w0, H), (0, 0, 0, 0))
        g_seven(ImageDraw.Draw(tmp), w0, H, p)
        wide = tmp.resize((int(w0 * stretch), H), Image.LANCZOS)
        d._image.alpha_composite(wide, ((W - wide.size[0]) // 2, 0))
        return
    if p.get("burst"):
        # a blazing star behind the figure: the super seven
        d.polygon(_star_points(W / 2, H / 2, s * 0.5, s * 0.32, n=14), fill=_c(p["burst"]))
        d.polygon(_star_points(W / 2, H / 2, s * 0.4, s * 0.28, n=14), fill=_c(lighter(p["burst"], 0.35)))
    _text(d, (W / 2, H / 2 + s * 0.02), p.get("label", "7"), "serif-bold", s * (0.78 if p.get("burst") else 0.9), col,
          outline=p.get("outline", "gold"), ow=int(s * float(p.get("outline_width", 0.04))), max_w=W * 0.92)


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
    # a burst as wide as the cell allows, up to 1.6 times its height; the word stays inside it
    kx = max(1.0, min(1.6, W / H))

    def burst(ro, ri):
        return [(W / 2 + (x - W / 2) * kx, y) for x, y in _star_points(W / 2, H / 2, ro, ri, n=12)]
    d.polygon(burst(s * 0.49, s * 0.3), fill=_c(col))
    d.polygon(burst(s * 0.4, s * 0.26), fill=_c(lighter(col, 0.4)))
    _text(d, (W / 2, H / 2 - (s * 0.08 if p.get("sub") else 0)), p.get("label", "WILD"), "sans-bold", s * 0.3,
          p.get("text", "red"), outline="darkburgundy", ow=max(1, int(s * 0.015)), max_w=s * 0.62 * kx)
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
    elif style == "carnival":
        # a waving flag of three bands (purple, green, gold) with a gold crown on the middle band
        fw, fh = s * 0.78, s * 0.6
        bands = p.get("bands", ["purple", "green", "gold"])
        n = 24
        for b, col in enumerate(bands):
            top = [(fx0 + fw * i / n, fy0 + fh * b / 3 + math.sin(i / n * 2 * math.pi) * s * 0.04) for i in range(n + 1)]
            bot = [(x, y + fh / 3 + SS) for (x, y) in top]
            d.polygon(top + bot[::-1], fill=_c(col))
        cx, cy = fx0 + fw * 0.5, fy0 + fh * 0.5 + math.sin(math.pi) * s * 0.04
        c = s * 0.1
        d.polygon([(cx - c, cy + c * 0.6), (cx - c, cy - c * 0.5), (cx - c * 0.5, cy), (cx, cy - c * 0.8),
                   (cx + c * 0.5, cy), (cx + c, cy - c * 0.5), (cx + c, cy + c * 0.6)], fill=_c("gold"),
                  outline=_c("darkgold"))
        d.ellipse((pole_x - s * 0.05, H / 2 - s * 0.5, pole_x + s * 0.05, H / 2 - s * 0.4), fill=_c("gold"))
    else:
        d.rectangle((fx0, fy0, fx0 + fw, fy0 + fh), fill=_c(p.get("color", "red")))


def g_prizewheel(d, W, H, p):
    """A prize wheel: coloured slices round a gold hub, a gold rim with pegs,
    and the pointer at the top."""
    s = min(W, H)
    cx, cy, r = W / 2, H / 2 + s * 0.04, s * 0.44
    d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=_c(p.get("rim", "gold")))
    cols = p.get("slices", ["red", "cream", "blue", "gold", "green", "cream", "purple", "orange"])
    ri = r * 0.88
    for k, col in enumerate(cols):
        a0 = k * 360 / len(cols) - 90
        d.pieslice((cx - ri, cy - ri, cx + ri, cy + ri), a0, a0 + 360 / len(cols), fill=_c(col),
                   outline=_c("darkgold"), width=SS)
    for k in range(len(cols)):
        a = math.radians(k * 360 / len(cols) - 90)
        x, y = cx + r * 0.94 * math.cos(a), cy + r * 0.94 * math.sin(a)
        d.ellipse((x - s * 0.025, y - s * 0.025, x + s * 0.025, y + s * 0.025), fill=_c("white"))
    d.ellipse((cx - r * 0.2, cy - r * 0.2, cx + r * 0.2, cy + r * 0.2), fill=_c("gold"), outline=_c("darkgold"),
              width=SS * 2)
    d.polygon([(cx - s * 0.08, cy - r - s * 0.06), (cx + s * 0.08, cy - r - s * 0.06), (cx, cy - r + s * 0.1)],
              fill=_c("red"), outline=_c("darkburgundy"))


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
    bill = p.get("bill")   # "sword" (swordfish) or "sail" (marlin: a spear and a tall fin)
    if bill:
        # a long fish: slimmer body, the bill forward, crescent tail
        s = min(W, H * 1.25)
        cx = W / 2 + s * 0.06
        if bill == "sail":
            d.polygon([(cx - s * 0.22, cy - s * 0.1), (cx - s * 0.12, cy - s * 0.36), (cx + s * 0.16, cy - s * 0.28),
                       (cx + s * 0.2, cy - s * 0.1)], fill=_c(darker(col, 0.35)))
        else:
            d.polygon([(cx - s * 0.1, cy - s * 0.1), (cx - s * 0.02, cy - s * 0.3), (cx + s * 0.06, cy - s * 0.1)],
                      fill=_c(darker(col, 0.35)))
        d.polygon([(cx + s * 0.3, cy), (cx + s * 0.46, cy - s * 0.24), (cx + s * 0.4, cy), (cx + s * 0.46, cy + s * 0.24)],
                  fill=_c(darker(col, 0.2)))
        d.line([(cx - s * 0.3, cy - s * 0.01), (W / 2 - s * 0.5, cy - s * 0.04)], fill=_c(darker(col, 0.3)),
               width=int(s * (0.035 if bill == "sword" else 0.025)))
        d.ellipse((cx - s * 0.36, cy - s * 0.13, cx + s * 0.34, cy + s * 0.13), fill=_c(col))
        d.chord((cx - s * 0.36, cy - s * 0.13, cx + s * 0.34, cy + s * 0.13), 0, 180, fill=_c(lighter(col, 0.55)))
        d.ellipse((cx - s * 0.27, cy - s * 0.07, cx - s * 0.19, cy + s * 0.01), fill=_c("white"))
        d.ellipse((cx - s * 0.25, cy - s * 0.05, cx - s * 0.21, cy - s * 0.01), fill=_c("black"))
        return
    d.polygon([(cx + s * 0.26, cy), (cx + s * 0.48, cy - s * 0.2), (cx + s * 0.48, cy + s * 0.2)], fill=_c(darker(col, 0.2)))
    d.ellipse((cx - s * 0.4, cy - s * 0.22, cx + s * 0.32, cy + s * 0.22), fill=_c(col))
    d.ellipse((cx - s * 0.28, cy - s * 0.08, cx - s * 0.18, cy + s * 0.02), fill=_c("white"))
    d.ellipse((cx - s * 0.25, cy - s * 0.05, cx - s * 0.2, cy), fill=_c("black"))


def g_pennant(d, W, H, p):
    """A checkpoint flag on a pole."""
    d.line([(W * 0.15, H * 0.05), (W * 0.15, H * 0.98)], fill=_c("charcoal"), width=max(2, int(W * 0.08)))
    d.polygon([(W * 0.2, H * 0.05), (W * 0.95, H * 0.22), (W * 0.2, H * 0.42)], fill=_c(p.get("color", "red")))



def g_rank(d, W, H, p):
    """A card rank on the reels (9, 10, J, Q, K, A): a small upright card with
    the rank big and its suit under it."""
    suit = p.get("suit", "S")
    col = p.get("color", "red" if suit in "HD" else "black")
    ch = H * 0.94
    cw = min(W * 0.94, ch * 0.74)
    x0, y0 = (W - cw) / 2, (H - ch) / 2
    rad = cw * 0.12
    d.rounded_rectangle((x0 + SS * 2, y0 + SS * 3, x0 + cw + SS * 2, y0 + ch + SS * 3), radius=rad, fill=_c("black", 90))
    d.rounded_rectangle((x0, y0, x0 + cw, y0 + ch), radius=rad, fill=_c(p.get("border", "gold")))
    m = max(SS * 2, cw * 0.05)
    d.rounded_rectangle((x0 + m, y0 + m, x0 + cw - m, y0 + ch - m), radius=rad * 0.8, fill=_c("white"))
    label = str(p.get("label", "A"))
    _text(d, (W / 2, y0 + ch * 0.4), label, "serif-bold", ch * 0.5, col, max_w=cw * 0.84)
    _suit(d, suit, W / 2, y0 + ch * 0.78, ch * 0.26, col)


def g_chip(d, W, H, p):
    """A casino chip: a coloured disc with white edge inserts and a label."""
    s = min(W, H)
    col = p.get("color", "red")
    cx, cy, r = W / 2, H / 2, s * 0.44
    d.ellipse((cx - r + SS * 2, cy - r + SS * 3, cx + r + SS * 2, cy + r + SS * 3), fill=_c("black", 90))
    d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=_c(darker(col, 0.3)))
    d.ellipse((cx - r * 0.95, cy - r * 0.95, cx + r * 0.95, cy + r * 0.95), fill=_c(col))
    for k in range(8):
        a = k * 45
        d.pieslice((cx - r * 0.95, cy - r * 0.95, cx + r * 0.95, cy + r * 0.95), a - 9, a + 9, fill=_c("white"))
    d.ellipse((cx - r * 0.72, cy - r * 0.72, cx + r * 0.72, cy + r * 0.72), fill=_c(col))
    d.ellipse((cx - r * 0.62, cy - r * 0.62, cx + r * 0.62, cy + r * 0.62), outline=_c("white"), width=SS * 2)
    _text(d, (cx, cy), p.get("label", "$"), "serif-bold", r * 0.8, p.get("text", "white"), max_w=r * 1.1)


def g_target(d, W, H, p):
    """A fairground target: red and white rings."""
    s = min(W, H)
    cx, cy = W / 2, H / 2
    d.ellipse((cx - s * 0.46 + SS * 2, cy - s * 0.46 + SS * 3, cx + s * 0.46 + SS * 2, cy + s * 0.46 + SS * 3),
              fill=_c("black", 90))
    for k, c in enumerate(("red", "white", "red", "white", "red")):
        r = s * 0.46 * (1 - k * 0.19)
        d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=_c(p.get("color", "red") if c == "red" else "white"),
                  outline=_c(darker("red", 0.3)) if k == 0 else None, width=SS)


def g_dart(d, W, H, p):
    """A dart flying to the right: steel point, coloured barrel, three-part flight."""
    s = min(W, H)
    col = p.get("color", "red")
    cy = H / 2
    half = min(W, s * 1.5) * 0.48   # as long as a wide cell allows
    x0, x1 = W / 2 - half, W / 2 + half
    d.polygon([(x1, cy), (x1 - s * 0.22, cy - s * 0.035), (x1 - s * 0.22, cy + s * 0.035)], fill=_c("silver"))
    d.rounded_rectangle((x1 - s * 0.5, cy - s * 0.07, x1 - s * 0.2, cy + s * 0.07), radius=s * 0.05, fill=_c("charcoal"))
    for k in range(4):
        x = x1 - s * (0.46 - 0.07 * k)
        d.line([(x, cy - s * 0.07), (x, cy + s * 0.07)], fill=_c("grey"), width=SS * 2)
    d.rectangle((x0 + s * 0.12, cy - s * 0.02, x1 - s * 0.48, cy + s * 0.02), fill=_c("darkgrey"))
    for sgn in (-1, 1):
        d.polygon([(x0 + s * 0.36, cy), (x0 + s * 0.12, cy + sgn * s * 0.26), (x0, cy + sgn * s * 0.26),
                   (x0 + s * 0.08, cy)], fill=_c(col), outline=_c(darker(col, 0.4)))
    d.polygon([(x0 + s * 0.36, cy - s * 0.025), (x0 + s * 0.02, cy - s * 0.03), (x0 + s * 0.02, cy + s * 0.03),
               (x0 + s * 0.36, cy + s * 0.025)], fill=_c(lighter(col, 0.3)))


def g_register(d, W, H, p):
    """A cash register: the price display, the keys and the open drawer."""
    s = min(W, H)
    col = p.get("color", "gold")
    cx, cy = W / 2, H / 2
    d.rounded_rectangle((cx - s * 0.12, cy - s * 0.44, cx + s * 0.3, cy - s * 0.2), radius=s * 0.03,
                        fill=_c("charcoal"))
    d.rectangle((cx - s * 0.07, cy - s * 0.4, cx + s * 0.25, cy - s * 0.25), fill=_c("green"))
    _text(d, (cx + s * 0.09, cy - s * 0.325), "$", "sans-bold", s * 0.14, "black")
    d.polygon([(cx - s * 0.38, cy - s * 0.14), (cx + s * 0.38, cy - s * 0.14), (cx + s * 0.46, cy + s * 0.22),
               (cx - s * 0.46, cy + s * 0.22)], fill=_c(darker(col, 0.3)))
    d.polygon([(cx - s * 0.36, cy - s * 0.12), (cx + s * 0.36, cy - s * 0.12), (cx + s * 0.43, cy + s * 0.19),
               (cx - s * 0.43, cy + s * 0.19)], fill=_c(col))
    for j in range(3):
        for i in range(5):
            x = cx - s * 0.28 + i * s * 0.14 + j * s * 0.0
            y = cy - s * 0.06 + j * s * 0.085
            d.ellipse((x - s * 0.04, y - s * 0.03, x + s * 0.04, y + s * 0.03), fill=_c("cream"),
                      outline=_c(darker(col, 0.5)))
    d.rectangle((cx - s * 0.48, cy + s * 0.22, cx + s * 0.48, cy + s * 0.42), fill=_c(darker(col, 0.45)))
    d.rectangle((cx - s * 0.44, cy + s * 0.25, cx + s * 0.44, cy + s * 0.39), fill=_c(darker(col, 0.15)))
    d.rectangle((cx - s * 0.1, cy + s * 0.3, cx + s * 0.1, cy + s * 0.34), fill=_c(darker(col, 0.6)))


def g_pyramid(d, W, H, p):
    """A pyramid on the sand under the sun."""
    s = min(W, H)
    cx, cy = W / 2, H / 2
    sx = min(W, s * 1.5)   # a wide cell gets a wider pyramid
    d.ellipse((cx + sx * 0.24, cy - s * 0.48, cx + sx * 0.24 + s * 0.24, cy - s * 0.24), fill=_c("orange"))
    d.rectangle((cx - sx * 0.5, cy + s * 0.3, cx + sx * 0.5, cy + s * 0.46), fill=_c("parchment"))
    top, l, r, base = (cx - sx * 0.04, cy - s * 0.46), cx - sx * 0.48, cx + sx * 0.44, cy + s * 0.34
    ridge = cx + sx * 0.06
    d.polygon([top, (l, base), (ridge, base)], fill=_c("lightgold"))
    d.polygon([top, (ridge, base), (r, base)], fill=_c("darkgold"))
    for k in range(1, 6):
        y = top[1] + (base - top[1]) * k / 6
        t = (y - top[1]) / (base - top[1])
        d.line([(top[0] + (l - top[0]) * t, y), (top[0] + (ridge - top[0]) * t, y)], fill=_c("gold"), width=SS)
        d.line([(top[0] + (ridge - top[0]) * t, y), (top[0] + (r - top[0]) * t, y)],
               fill=_c(darker("darkgold", 0.25)), width=SS)


def g_tablet(d, W, H, p):
    """A stone tablet carved with picture writing."""
    s = min(W, H)
    cx, cy = W / 2, H / 2
    th = H * 0.88
    tw = min(W * 0.86, th * 0.86)
    x0, y0 = cx - tw / 2, cy - th / 2
    stone = p.get("color", "parchment")
    d.rounded_rectangle((x0 + SS * 2, y0 + SS * 3, x0 + tw + SS * 2, y0 + th + SS * 3), radius=tw * 0.3,
                        fill=_c("black", 90))
    d.rounded_rectangle((x0, y0, x0 + tw, y0 + th), radius=tw * 0.3, fill=_c(darker(stone, 0.35)))
    d.rounded_rectangle((x0 + SS * 2, y0 + SS * 2, x0 + tw - SS * 2, y0 + th - SS * 2), radius=tw * 0.28,
                        fill=_c(stone))
    ink = _c(p.get("text", "brown"))
    lw = max(SS, int(s * 0.025))
    # three rows: an eye, an ankh and a bird; waves; a sun and two reeds
    ex, ey = cx - tw * 0.18, y0 + th * 0.22
    d.ellipse((ex - tw * 0.14, ey - th * 0.05, ex + tw * 0.14, ey + th * 0.05), outline=ink, width=lw)
    d.ellipse((ex - tw * 0.04, ey - th * 0.04, ex + tw * 0.04, ey + th * 0.04), fill=ink)
    ax, ay = cx + tw * 0.2, y0 + th * 0.22
    d.ellipse((ax - tw * 0.07, ay - th * 0.1, ax + tw * 0.07, ay), outline=ink, width=lw)
    d.line([(ax, ay), (ax, ay + th * 0.13)], fill=ink, width=lw)
    d.line([(ax - tw * 0.1, ay + th * 0.03), (ax + tw * 0.1, ay + th * 0.03)], fill=ink, width=lw)
    for k in range(3):
        y = y0 + th * (0.47 + 0.04 * (k % 2))
        x = cx - tw * 0.3 + k * tw * 0.2
        d.line([(x, y), (x + tw * 0.1, y - th * 0.04), (x + tw * 0.2, y)], fill=ink, width=lw)
    sx, sy = cx - tw * 0.18, y0 + th * 0.72
    d.ellipse((sx - tw * 0.09, sy - tw * 0.09, sx + tw * 0.09, sy + tw * 0.09), outline=ink, width=lw)
    d.ellipse((sx - tw * 0.025, sy - tw * 0.025, sx + tw * 0.025, sy + tw * 0.025), fill=ink)
    for k in (0, 1):
        x = cx + tw * (0.12 + 0.14 * k)
        d.line([(x, sy + th * 0.08), (x, sy - th * 0.08)], fill=ink, width=lw)
        d.ellipse((x - tw * 0.04, sy - th * 0.11, x + tw * 0.04, sy - th * 0.05), fill=ink)


def g_pharaoh(d, W, H, p):
    """The boy king's golden mask: striped headdress, gold face, braided beard."""
    s = min(W, H)
    cx, cy = W / 2, H / 2
    gc = p.get("color", "gold")
    gold, blue = _c(gc), _c(p.get("stripe", "navy"))
    # headdress: a dome over the brow, falling in two wide lappets to the shoulders
    d.ellipse((cx - s * 0.3, cy - s * 0.48, cx + s * 0.3, cy - s * 0.02), fill=blue)
    d.polygon([(cx - s * 0.3, cy - s * 0.26), (cx + s * 0.3, cy - s * 0.26), (cx + s * 0.46, cy + s * 0.4),
               (cx - s * 0.46, cy + s * 0.4)], fill=blue)
    lw = max(SS, int(s * 0.035))
    for k in range(-4, 5):
        d.line([(cx + k * s * 0.06, cy - s * 0.46), (cx + k * s * 0.105, cy + s * 0.39)], fill=gold, width=lw)
    d.arc((cx - s * 0.3, cy - s * 0.48, cx + s * 0.3, cy - s * 0.02), 180, 360, fill=gold, width=lw)
    # face
    face = _c(lighter(gc, 0.25))
    d.rounded_rectangle((cx - s * 0.2, cy - s * 0.3, cx + s * 0.2, cy + s * 0.2), radius=s * 0.14, fill=face)
    d.rectangle((cx - s * 0.21, cy - s * 0.31, cx + s * 0.21, cy - s * 0.24), fill=blue)
    for sgn in (-1, 1):
        ex = cx + sgn * s * 0.09
        d.polygon([(ex - s * 0.07, cy - s * 0.11), (ex + s * 0.07, cy - s * 0.11), (ex + sgn * s * 0.1, cy - s * 0.08),
                   (ex, cy - s * 0.06)], fill=_c("ink"))
        d.ellipse((ex - s * 0.025, cy - s * 0.12, ex + s * 0.025, cy - s * 0.07), fill=_c("white"))
        d.line([(ex - s * 0.07, cy - s * 0.17), (ex + s * 0.07, cy - s * 0.17)], fill=_c("ink"), width=SS * 2)
    d.line([(cx, cy - s * 0.06), (cx - s * 0.02, cy + s * 0.04)], fill=_c(darker(gc, 0.3)), width=SS * 2)
    d.line([(cx - s * 0.07, cy + s * 0.11), (cx + s * 0.07, cy + s * 0.11)], fill=_c("darkburgundy"), width=SS * 3)
    # the braided beard and the cobra on the brow
    d.rounded_rectangle((cx - s * 0.05, cy + s * 0.2, cx + s * 0.05, cy + s * 0.42), radius=s * 0.03, fill=blue)
    for k in range(4):
        y = cy + s * (0.23 + 0.05 * k)
        d.line([(cx - s * 0.05, y), (cx + s * 0.05, y)], fill=gold, width=SS)
    d.ellipse((cx - s * 0.045, cy - s * 0.36, cx + s * 0.045, cy - s * 0.26), fill=_c("red"))



def g_tire(d, W, H, p):
    """An old car tyre: black rubber with tread, a grey rim."""
    s = min(W, H)
    cx, cy, r = W / 2, H / 2, s * 0.44
    d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=_c("charcoal"))
    for k in range(24):
        a = math.radians(k * 15)
        x, y = cx + r * 0.93 * math.cos(a), cy + r * 0.93 * math.sin(a)
        d.ellipse((x - s * 0.025, y - s * 0.025, x + s * 0.025, y + s * 0.025), fill=_c("black"))
    d.ellipse((cx - r * 0.8, cy - r * 0.8, cx + r * 0.8, cy + r * 0.8), outline=_c("darkgrey"), width=SS * 2)
    d.ellipse((cx - r * 0.5, cy - r * 0.5, cx + r * 0.5, cy + r * 0.5), fill=_c("silver"))
    d.ellipse((cx - r * 0.4, cy - r * 0.4, cx + r * 0.4, cy + r * 0.4), fill=_c("grey"))
    d.ellipse((cx - r * 0.12, cy - r * 0.12, cx + r * 0.12, cy + r * 0.12), fill=_c("darkgrey"))

def g_sink(d, W, H, p):
    """A kitchen sink hauled up from the deep: a white enamel basin with its
    rim, a chrome spout and two taps, the plug hanging on its chain."""
    s = min(W, H * 1.1)
    cx, cy = W / 2, H / 2 + s * 0.08
    bw, bh = s * 0.86, s * 0.42
    top, bot = cy - bh * 0.25, cy + bh * 0.75
    # the spout and the taps behind the rim
    steel, dark = _c("silver"), _c("darkgrey")
    d.rounded_rectangle((cx - s * 0.035, top - s * 0.3, cx + s * 0.035, top), radius=s * 0.02, fill=steel, outline=dark,
                        width=SS)
    d.rounded_rectangle((cx - s * 0.035, top - s * 0.3, cx + s * 0.2, top - s * 0.23), radius=s * 0.03, fill=steel,
                        outline=dark, width=SS)
    d.rectangle((cx + s * 0.15, top - s * 0.23, cx + s * 0.2, top - s * 0.17), fill=steel, outline=dark, width=SS)
    for tx, col in ((cx - s * 0.2, "red"), (cx + s * 0.3, "blue")):
        d.rectangle((tx - s * 0.025, top - s * 0.12, tx + s * 0.025, top), fill=steel, outline=dark, width=SS)
        d.ellipse((tx - s * 0.07, top - s * 0.17, tx + s * 0.07, top - s * 0.1), fill=_c(col), outline=dark, width=SS)
    # the basin: a tapered bowl under a wide rim
    d.polygon([(cx - bw / 2, top), (cx + bw / 2, top), (cx + bw * 0.4, bot), (cx - bw * 0.4, bot)], fill=_c("white"),
              outline=_c("grey"))
    d.polygon([(cx - bw * 0.44, top + bh * 0.12), (cx + bw * 0.44, top + bh * 0.12), (cx + bw * 0.36, bot - bh * 0.1),
               (cx - bw * 0.36, bot - bh * 0.1)], fill=_c("lightblue"))
    d.rounded_rectangle((cx - bw / 2 - s * 0.03, top - s * 0.04, cx + bw / 2 + s * 0.03, top + s * 0.04),
                        radius=s * 0.03, fill=_c("white"), outline=_c("grey"), width=SS)
    # the plug on its chain, hanging from the rim
    chain_x = cx - bw * 0.3
    for k in range(6):
        y = top + s * 0.05 + k * s * 0.05
        d.ellipse((chain_x - s * 0.012, y, chain_x + s * 0.012, y + s * 0.04), outline=_c("darkgrey"), width=SS)
    py = top + s * 0.36
    d.ellipse((chain_x - s * 0.05, py, chain_x + s * 0.05, py + s * 0.05), fill=_c("charcoal"))
    # water dripping from the basin
    for k, dx in enumerate((-0.18, 0.05, 0.24)):
        x, y = cx + s * dx, bot + s * (0.04 + 0.04 * k)
        d.ellipse((x - s * 0.02, y, x + s * 0.02, y + s * 0.05), fill=_c("lightblue"))


def g_hookedfish(d, W, H, p):
    """A fish swimming up at a hook: its snout at `mouth` [x, y] and its tail
    at `tail` [x, y] (pixels of the box), `width` the body's depth as a part
    of its length, `color`; the closed mouth is a short dark line."""
    mx, my = [v * SS for v in p["mouth"]]
    tx, ty = [v * SS for v in p["tail"]]
    col = p.get("color", "orange")
    L = math.hypot(tx - mx, ty - my)
    ux, uy = (tx - mx) / L, (ty - my) / L     # along the fish, head to tail
    nx, ny = -uy, ux                          # across it
    depth = L * float(p.get("width", 0.36)) / 2

    def at(a, b):   # a along the body (0 snout, 1 tail), b across (parts of the depth)
        return (mx + ux * L * a + nx * depth * b, my + uy * L * a + ny * depth * b)

    # the tail fin, then the back and belly fins, then the body over them
    d.polygon([at(0.8, 0), at(1.0, -1.05), at(0.94, 0), at(1.0, 1.05)], fill=_c(darker(col, 0.25)))
    d.polygon([at(0.3, -0.85), at(0.45, -1.35), at(0.62, -0.75)], fill=_c(darker(col, 0.25)))
    d.polygon([at(0.45, 0.8), at(0.55, 1.2), at(0.65, 0.7)], fill=_c(darker(col, 0.25)))
    body = []
    for k in range(49):
        a = math.pi * k / 48
        # an egg shape: round at the head, narrowing to the tail
        along = 0.04 + 0.8 * (1 - math.cos(a)) / 2
        across = math.sin(a) * (1.0 - 0.35 * (1 - math.cos(a)) / 2)
        body.append(at(along, -across))
    for k in range(49):
        a = math.pi * (48 - k) / 48
        along = 0.04 + 0.8 * (1 - math.cos(a)) / 2
        across = math.sin(a) * (1.0 - 0.35 * (1 - math.cos(a)) / 2)
        body.append(at(along, across))
    d.polygon(body + [at(0.0, 0)], fill=_c(col), outline=_c(darker(col, 0.4)))
    # a light belly and stripes, the gill line, the eye
    d.polygon([at(0.12, 0.55), at(0.3, 0.85), at(0.6, 0.7), at(0.78, 0.3), at(0.5, 0.45)], fill=_c(lighter(col, 0.4)))
    for a in (0.42, 0.56):
        d.line([at(a, -0.75), at(a + 0.03, 0.7)], fill=_c(darker(col, 0.18)), width=int(SS * 2))
    d.line([at(0.24, -0.8), at(0.28, 0), at(0.24, 0.8)], fill=_c(darker(col, 0.4)), width=int(SS * 1.5))
    ex, ey = at(0.13, -0.38)
    r = max(SS * 3, depth * 0.2)
    d.ellipse((ex - r, ey - r, ex + r, ey + r), fill=_c("white"), outline=_c("black"), width=SS)
    d.ellipse((ex - r * 0.5, ey - r * 0.5, ex + r * 0.5, ey + r * 0.5), fill=_c("black"))
    # closed lips at the snout
    d.line([at(0.0, -0.18), at(0.04, 0.0), at(0.0, 0.18)], fill=_c(darker(col, 0.55)), width=int(SS * 2))


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


def g_microchip(d, W, H, p):
    """A microchip with its `label` (binary digits) printed large on it: a
    black body with a notch, silver pins along the top and bottom."""
    bw, bh = min(W * 0.92, H * 2.2), H * 0.76
    x0, y0 = (W - bw) / 2, (H - bh) / 2
    pins = max(4, int(bw / (H * 0.22)))
    pw = bw / (pins * 2 + 1)
    for k in range(pins):
        x = x0 + pw * (1 + 2 * k)
        d.rectangle((x, y0 - H * 0.1, x + pw, y0 + SS), fill=_c("silver"))
        d.rectangle((x, y0 + bh - SS, x + pw, y0 + bh + H * 0.1), fill=_c("silver"))
    d.rounded_rectangle((x0, y0, x0 + bw, y0 + bh), radius=bh * 0.12, fill=_c(p.get("color", "charcoal")),
                        outline=_c(p.get("border", "green")), width=SS * 2)
    d.pieslice((x0 - bh * 0.12, y0 + bh * 0.38, x0 + bh * 0.12, y0 + bh * 0.62), 270, 90, fill=_c("black"))
    _text(d, (W / 2, H / 2), str(p.get("label", "0")), p.get("face", "sans-bold"), bh * 1.15, p.get("text", "green"),
          outline="black", ow=SS * 3, max_w=bw * 0.88)


def _lamp(d, cx, cy, r, lit, on, digit, face, glow=1.3):
    """One signal lamp of a `bits` glyph: a silver bezel round a glass that
    glows in `lit` when `on`, dark when off, with its digit on the glass."""
    if on:
        for k, a in ((glow, 50), (1 + (glow - 1) * 0.55, 90)):   # the glow round a lit lamp
            d.ellipse((cx - r * k, cy - r * k, cx + r * k, cy + r * k), fill=_c(lighter(lit, 0.45), a))
    d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=_c("silver"))
    g = r * 0.82
    body = lit if on else darker(lit, 0.78)
    d.ellipse((cx - g, cy - g, cx + g, cy + g), fill=_c(darker(body, 0.25) if on else "charcoal"))
    d.ellipse((cx - g * 0.9, cy - g * 0.9, cx + g * 0.9, cy + g * 0.9), fill=_c(body))
    if on:
        d.ellipse((cx - g * 0.55, cy - g * 0.55, cx + g * 0.55, cy + g * 0.55), fill=_c(lighter(lit, 0.5)))
    d.ellipse((cx - g * 0.62, cy - g * 0.72, cx - g * 0.12, cy - g * 0.34), fill=_c("white", 200 if on else 70))
    if digit and r >= SS * 6:
        _text(d, (cx, cy + g * 0.04), digit, face, g * 1.45, "black" if on else lighter(lit, 0.55),
              outline=None if on else "black", ow=0 if on else SS, max_w=g * 1.5)


def g_bits(d, W, H, p):
    """Binary digits as a row of signal lamps on a circuit board: a lit lamp
    (in `color`) for each 1, a dark one for each 0, the digit on its glass
    (`label` "1", "0", "1001" ...). A single bit is one big lamp with the
    board's copper tracks running out to both sides."""
    bits = str(p.get("label", "1"))
    lit = p.get("color", "green")
    face = p.get("face", "sans-bold")
    n = len(bits)
    board = p.get("board", [20, 74, 46])
    if n == 1:
        r = min(H * 0.4, W * 0.34)
        bh = r * 0.9
        x0, x1 = W * 0.03, W * 0.97
        d.rounded_rectangle((x0, H / 2 - bh / 2, x1, H / 2 + bh / 2), radius=bh * 0.25, fill=_c(board),
                            outline=_c(darker(board, 0.5)), width=SS * 2)
        for y in (H / 2 - bh * 0.18, H / 2 + bh * 0.18):   # copper tracks out to the pads
            d.line([(x0 + bh * 0.3, y), (x1 - bh * 0.3, y)], fill=_c("gold"), width=max(SS, int(bh * 0.07)))
        for x in (x0 + bh * 0.3, x1 - bh * 0.3):
            pr = bh * 0.16
            d.ellipse((x - pr, H / 2 - pr * 2.2, x + pr, H / 2 + pr * 2.2), fill=_c("gold"))
        _lamp(d, W / 2, H / 2, r, lit, bits == "1", bits, face, glow=min(1.45, H / 2 / r))
        return
    # a wide cell takes the row with the digits on the lamps; a square one
    # (the pay glass) prints the digits large over a row of small lamps
    wide = W >= H * 1.6
    pitch = min(W * 0.94 / n, H * (0.95 if wide else 0.5))
    r = pitch * 0.42
    bw, bh = pitch * n + r * 0.3, r * 2.5
    cy = H / 2 if wide else H - bh / 2 - H * 0.04
    x0, y0 = (W - bw) / 2, cy - bh / 2
    d.rounded_rectangle((x0, y0, x0 + bw, y0 + bh), radius=bh * 0.18, fill=_c(board),
                        outline=_c(darker(board, 0.5)), width=SS * 2)
    d.line([(x0 + r * 0.4, cy), (x0 + bw - r * 0.4, cy)], fill=_c("gold"), width=max(SS, int(bh * 0.06)))
    for k, b in enumerate(bits):
        _lamp(d, x0 + r * 0.15 + pitch * (k + 0.5), cy, r, lit, b == "1", b if wide else "", face, glow=1.15)
    if not wide:
        ty = y0 / 2
        _text(d, (W / 2, ty), bits, face, y0 * 0.95, darker(lit, 0.55), outline="white", ow=SS, max_w=W * 0.96)


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
    "fish": g_fish, "pennant": g_pennant, "token": g_token, "text": g_text, "blank": g_blank,
    "rank": g_rank, "chip": g_chip, "microchip": g_microchip, "bits": g_bits, "prizewheel": g_prizewheel,
    "target": g_target, "dart": g_dart, "register": g_register,
    "pyramid": g_pyramid, "tablet": g_tablet, "pharaoh": g_pharaoh, "tire": g_tire, "sink": g_sink,
    "hookedfish": g_hookedfish,
}

# Short names that set glyph parameters, so a recipe can say glyph="bar3".
ALIASES = {
    "bar1": ("bar", {"bars": 1}), "bar2": ("bar", {"bars": 2}), "bar3": ("bar", {"bars": 3}),
    "singlebar": ("bar", {"bars": 1}), "doublebar": ("bar", {"bars": 2}), "triplebar": ("bar", {"bars": 3}),
    "seven": ("seven", {}), "redseven": ("seven", {"color": "red"}), "blueseven": ("seven", {"color": "blue"}),
    "goldseven": ("seven", {"color": "gold", "outline": "darkburgundy"}),
    "whiteseven": ("seven", {"color": "white", "outline": "red", "outline_width": 0.065}),
    "dice1": ("dice", {"face": 1}), "dice2": ("dice", {"face": 2}), "dice3": ("dice", {"face": 3}),
    "dice4": ("dice", {"face": 4}), "dice5": ("dice", {"face": 5}), "dice6": ("dice", {"face": 6}),
    "orange": ("fruit", {"fruit": "orange"}), "lemon": ("fruit", {"fruit": "lemon"}),
    "plum": ("fruit", {"fruit": "plum"}), "apple": ("fruit", {"fruit": "apple"}),
    "melon": ("fruit", {"fruit": "melon"}), "cherries": ("cherry", {}),
    "spade": ("suit", {"suit": "S"}), "club": ("suit", {"suit": "C"}), "hearts": ("suit", {"suit": "H"}),
    "diamonds": ("suit", {"suit": "D"}), "gem": ("diamond", {}),
}


# ---- full-colour drawings from the colour emoji font ----
# Debian's fonts-noto-color-emoji: a bitmap font whose pictures are 136 x 128
# at 109 px. A picture is cut to its outline once per process and scaled to
# the box; the house style adds a soft drop shadow (and, if asked, a ring
# behind it or a caption plate under it).
EMOJI_FONT = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf"
EMOJI_SIZE = 109

# Names the recipes use for the pictures (a recipe may also give the character).
EMOJI = {
    "ape": "\U0001F98D", "monkey": "\U0001F412", "giraffe": "\U0001F992", "lion": "\U0001F981",
    "zebra": "\U0001F993", "elephant": "\U0001F418", "cow": "\U0001F404", "cowface": "\U0001F42E",
    "pig": "\U0001F437", "dove": "\U0001F54A", "rabbit": "\U0001F407", "bunny": "\U0001F430",
    "scarf": "\U0001F9E3", "flowers": "\U0001F490", "flower": "\U0001F33A", "tophat": "\U0001F3A9",
    "trumpet": "\U0001F3BA", "mask": "\U0001F3AD", "shell": "\U0001F41A", "crab": "\U0001F980",
    "lobster": "\U0001F99E", "fish": "\U0001F41F", "tropicalfish": "\U0001F420", "blowfish": "\U0001F421", "mermaid": "\U0001F9DC",
    "shark": "\U0001F988", "gift": "\U0001F381", "clown": "\U0001F921", "car": "\U0001F697",
    "racecar": "\U0001F3CE", "bullseye": "\U0001F3AF", "moneybag": "\U0001F4B0", "milk": "\U0001F95B",
    "ghost": "\U0001F47B", "skull": "\U0001F480", "dragon": "\U0001F409", "dragonface": "\U0001F432",
    "bird": "\U0001F426", "golfer": "\U0001F3CC", "golfflag": "\u26F3", "tree": "\U0001F333",
    "mountain": "\u26F0", "snowmountain": "\U0001F3D4", "climber": "\U0001F9D7", "dusk": "\U0001F306",
    "computer": "\U0001F5A5", "bulb": "\U0001F4A1", "cherries": "\U0001F352", "greenapple": "\U0001F34F",
    "redapple": "\U0001F34E", "dice": "\U0001F3B2", "fire": "\U0001F525", "joker": "\U0001F0CF",
    "checkflag": "\U0001F3C1", "slot": "\U0001F3B0", "balloon": "\U0001F388", "coin": "\U0001FA99",
    "dollar": "\U0001F4B5", "key": "\U0001F511", "mug": "\u2615", "lamp": "\U0001FA94", "clock": "\U0001F570",
    "basketball": "\U0001F3C0", "bow": "\U0001F3F9", "sunglasses": "\U0001F576", "fishingpole": "\U0001F3A3",
    "deer": "\U0001F98C", "radio": "\U0001F4FB", "canoe": "\U0001F6F6", "camera": "\U0001F4F7",
    "videocamera": "\U0001F4F9", "guitar": "\U0001F3B8", "billiards": "\U0001F3B1", "piano": "\U0001F3B9",
    "tower": "\U0001F5FC", "painting": "\U0001F5BC", "moon": "\U0001F311", "rock": "\U0001FAA8",
    "truck": "\U0001F6FB", "plane": "\U0001F6E9", "house": "\U0001F3E1", "yacht": "\u26F5",
    "island": "\U0001F3DD", "helicopter": "\U0001F681", "trophy": "\U0001F3C6", "gem": "\U0001F48E",
    "ring": "\U0001F48D", "bell": "\U0001F514", "star": "\u2B50", "lightning": "\u26A1", "crown": "\U0001F451",
    "clover": "\U0001F340", "eagle": "\U0001F985", "liberty": "\U0001F5FD",
    "rocket": "\U0001F680", "magicwand": "\U0001FA84", "crystalball": "\U0001F52E", "bomb": "\U0001F4A3",
    "sparkles": "\u2728", "tap": "\U0001F6B0", "pine": "\U0001F332", "tent": "\u26FA",
}

_emoji_font = None
_emoji_cache = {}


def emoji_font():
    global _emoji_font
    if _emoji_font is None:
        if not os.path.exists(EMOJI_FONT):
            raise RuntimeError("the colour emoji font %s is missing: install the Debian package "
                               "fonts-noto-color-emoji (scripts/setup.sh does)" % EMOJI_FONT)
        _emoji_font = ImageFont.truetype(EMOJI_FONT, EMOJI_SIZE)
    return _emoji_font


def emoji_picture(name):
    """The font's picture of an emoji (by name or character), cut to its outline (RGBA)."""
    ch = EMOJI.get(name, name)
    if ch not in _emoji_cache:
        f = emoji_font()
        img = Image.new("RGBA", (160, 160), (0, 0, 0, 0))
        ImageDraw.Draw(img).text((12, 16), ch, font=f, embedded_color=True)
        box = img.getchannel("A").point(lambda v: 255 if v > 8 else 0).getbbox()
        if box is None:
            raise ValueError("emoji '%s' is not in the colour emoji font" % name)
        _emoji_cache[ch] = img.crop(box)
    return _emoji_cache[ch]


def _fit(pic, w, h):
    k = min(w / pic.size[0], h / pic.size[1])
    return pic.resize((max(1, round(pic.size[0] * k)), max(1, round(pic.size[1] * k))), Image.LANCZOS)


def _with_shadow(pic, strength=0.5):
    """The picture over a soft shadow below and right of it, on a slightly larger canvas."""
    s = max(pic.size)
    off, blur = max(1, round(s * 0.035)), max(1, s * 0.03)
    m = off + int(blur * 2) + 1
    out = Image.new("RGBA", (pic.size[0] + 2 * m, pic.size[1] + 2 * m), (0, 0, 0, 0))
    a = pic.getchannel("A").point(lambda v: int(v * strength))
    sh = Image.new("RGBA", out.size, (0, 0, 0, 0))
    sh.paste(Image.new("RGBA", pic.size, (20, 10, 8, 255)), (m + off, m + off), a)
    sh = sh.filter(ImageFilter.GaussianBlur(blur))
    out.alpha_composite(sh)
    out.alpha_composite(pic, (m, m))
    return out, m


# Where the copies of a picture go when it shows more than one: (centre x,
# centre y, size), all as parts of the box; back ones first.
_CLUSTERS = {1: [(0.5, 0.5, 1.0)], 2: [(0.37, 0.4, 0.74), (0.63, 0.6, 0.74)],
             3: [(0.3, 0.34, 0.6), (0.7, 0.34, 0.6), (0.5, 0.66, 0.6)]}


def render_emoji(w, h, p):
    """glyph "emoji": `emoji` (a name from EMOJI or the character), `scale`
    (part of the box, 1), `count` (1-3 copies), `flip`, `rotate` (degrees, counter-clockwise), `shadow` (true),
    `ring` (a colour: a gold-rimmed disc behind), `caption` (a word on a plate
    under the picture, `caption_color`, `plate`), `sub` (a small badge, e.g. "2X")."""
    out = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    cap = p.get("caption")
    ah = h - int(h * 0.26) if cap else h
    scale = float(p.get("scale", 1.0))
    if p.get("ring"):
        ring, d = _canvas(w, ah)
        s = min(w, ah) * SS
        r = s * 0.48
        cx, cy = w * SS / 2, ah * SS / 2
        d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=_c(p.get("rim", "gold")))
        d.ellipse((cx - r * 0.9, cy - r * 0.9, cx + r * 0.9, cy + r * 0.9), fill=_c(p["ring"]))
        out.alpha_composite(ring.resize((w, ah), Image.LANCZOS))
        scale *= 0.72
    pic = emoji_picture(p.get("emoji", "?"))
    if p.get("flip"):
        pic = pic.transpose(Image.FLIP_LEFT_RIGHT)
    if p.get("rotate"):   # degrees anticlockwise: a tall figure laid along a wide cell
        pic = pic.rotate(float(p["rotate"]), resample=Image.BICUBIC, expand=True)
    for (fx, fy, fs) in _CLUSTERS[max(1, min(3, int(p.get("count", 1))))]:
        one = _fit(pic, max(1, w * scale * fs * 0.94), max(1, ah * scale * fs * 0.94))
        if p.get("shadow", True):
            one, m = _with_shadow(one)
        else:
            m = 0
        x = round(w * (0.5 + (fx - 0.5) * scale) - one.size[0] / 2)
        y = round(ah * (0.5 + (fy - 0.5) * scale) - one.size[1] / 2)
        layer = Image.new("RGBA", (w, h), (0, 0, 0, 0))
        layer.paste(one, (x, y))
        out.alpha_composite(layer)
    if cap or p.get("sub"):
        over, d = _canvas(w, h)
        W, H = w * SS, h * SS
        if cap:
            ph = H * 0.24
            d.rounded_rectangle((W * 0.04, H - ph, W * 0.96, H - SS), radius=ph * 0.3, fill=_c(p.get("plate_rim", "gold")))
            d.rounded_rectangle((W * 0.04 + SS * 2, H - ph + SS * 2, W * 0.96 - SS * 2, H - SS * 3), radius=ph * 0.25,
                                fill=_c(p.get("plate", "darkburgundy")))
            _text(d, (W / 2, H - ph / 2 - SS), str(cap), "sans-bold", ph * 0.66, p.get("caption_color", "lightgold"),
                  max_w=W * 0.84)
        if p.get("sub"):
            r = min(W, ah * SS) * 0.2
            cx, cy = W - r - SS, r + SS
            d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=_c("gold"))
            d.ellipse((cx - r * 0.86, cy - r * 0.86, cx + r * 0.86, cy + r * 0.86), fill=_c(p.get("sub_color", "red")))
            _text(d, (cx, cy), str(p["sub"]), "sans-bold", r * 0.95, "white", max_w=r * 1.5)
        out.alpha_composite(over.resize((w, h), Image.LANCZOS))
    return out


def render_hand(w, h, p):
    """glyph "hand": a blackjack hand, `cards` ["KS", "7H"] fanned, with its
    total `label` on a chip-like disc."""
    out = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    cards = p.get("cards", ["KS", "AH"])
    ch = int(h * 0.78)
    cw = int(ch * 0.72)
    n = len(cards)
    for k, card in enumerate(cards):
        c = render_card(card, cw, ch)
        angle = (k - (n - 1) / 2) * -14
        c = c.rotate(angle, resample=Image.BICUBIC, expand=True)
        x = round(w / 2 - c.size[0] / 2 + (k - (n - 1) / 2) * cw * 0.42)
        y = round(h * 0.44 - c.size[1] / 2)
        layer = Image.new("RGBA", (w, h), (0, 0, 0, 0))
        layer.paste(c, (x, y))
        out.alpha_composite(layer)
    if p.get("label"):
        disc, d = _canvas(w, h)
        W, H = w * SS, h * SS
        r = min(W, H) * 0.19
        cx, cy = W / 2, H - r - SS
        d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=_c("gold"))
        d.ellipse((cx - r * 0.86, cy - r * 0.86, cx + r * 0.86, cy + r * 0.86), fill=_c(p.get("color", "black")))
        _text(d, (cx, cy), str(p["label"]), "sans-bold", r * 1.0, p.get("text", "lightgold"), max_w=r * 1.5)
        out.alpha_composite(disc.resize((w, h), Image.LANCZOS))
    return out


def render_climber(w, h, p):
    """glyph "climber": a mountaineer seen from the side, climbing to the
    right: yellow helmet, red jacket, pack on the back, ice axe up ahead;
    `pose` 0-7 swings the arms and legs through one stride. Solid shapes in
    bright colours inside a dark outline, so the figure stands out on rock
    and on snow alike."""
    k = int(p.get("pose", 0)) % 8
    sw = math.sin(k * math.pi / 4)
    o = max(1, round(min(w, h) / 14))          # the outline, in output pixels
    img, d = _canvas(w, h)
    m = o * SS
    W, H = w * SS - 2 * m, h * SS - 2 * m

    def P(x, y):
        return (m + x * W, m + y * H)

    jacket, trousers = _c(p.get("color", "red")), _c(p.get("trousers", "navy"))
    lw = W * 0.16
    # the far leg and arm, a shade darker, behind the body
    hip = P(0.44, 0.6)
    for foot, knee, col in (((0.2 - 0.1 * sw, 0.97), (0.3 - 0.06 * sw, 0.8), darker(p.get("trousers", "navy"), 0.3)),):
        d.line([hip, P(*knee), P(*foot)], fill=_c(col), width=int(lw), joint="curve")
    d.line([P(0.5, 0.33), P(0.36 - 0.06 * sw, 0.48), P(0.3 - 0.04 * sw, 0.62)], fill=_c(darker(p.get("color", "red"), 0.3)),
           width=int(lw * 0.8), joint="curve")
    # the pack
    d.rounded_rectangle((*P(0.08, 0.26), *P(0.36, 0.58)), radius=W * 0.08, fill=_c("orange"))
    d.rectangle((*P(0.1, 0.22), *P(0.34, 0.3)), fill=_c("brown"))
    # the near leg, with its boot
    knee, foot = P(0.62 + 0.08 * sw, 0.78), P(0.7 + 0.1 * sw, 0.95)
    d.line([hip, knee, foot], fill=trousers, width=int(lw), joint="curve")
    for (fx, fy) in (foot, P(0.2 - 0.1 * sw, 0.97)):
        d.ellipse((fx - W * 0.1, fy - H * 0.045, fx + W * 0.14, fy + H * 0.03), fill=_c("charcoal"))
    # the body
    d.polygon([P(0.36, 0.3), P(0.64, 0.28), P(0.6, 0.64), P(0.32, 0.64)], fill=jacket)
    d.line([P(0.34, 0.6), P(0.6, 0.6)], fill=_c("charcoal"), width=int(H * 0.03))   # belt
    # the head and helmet
    hx, hy, hr = m + 0.6 * W, m + 0.16 * H, W * 0.17
    d.ellipse((hx - hr, hy - hr, hx + hr, hy + hr), fill=_c("parchment"))
    d.chord((hx - hr * 1.1, hy - hr * 1.15, hx + hr * 1.1, hy + hr * 0.85), 180, 360, fill=_c("yellow"))
    d.line([(hx - hr * 1.25, hy - hr * 0.12), (hx + hr * 1.25, hy - hr * 0.12)], fill=_c("charcoal"),
           width=max(SS, int(hr * 0.28)))   # the helmet's brim
    d.ellipse((hx + hr * 0.3, hy - hr * 0.05, hx + hr * 0.6, hy + hr * 0.25), fill=_c("black"))   # eye
    # the near arm reaching up with the ice axe
    hand = P(0.86, 0.2 + 0.08 * sw)
    d.line([hand[0] - W * 0.02, hand[1] - H * 0.16, hand[0] + W * 0.04, hand[1] + H * 0.2], fill=_c("grey"),
           width=int(W * 0.07))
    d.polygon([(hand[0] - W * 0.2, hand[1] - H * 0.16), (hand[0] + W * 0.14, hand[1] - H * 0.2),
               (hand[0] + W * 0.12, hand[1] - H * 0.12)], fill=_c("silver"))
    d.line([P(0.56, 0.34), P(0.74, 0.36 + 0.04 * sw), hand], fill=jacket, width=int(lw * 0.8), joint="curve")
    d.ellipse((hand[0] - W * 0.06, hand[1] - W * 0.06, hand[0] + W * 0.06, hand[1] + W * 0.06), fill=_c("charcoal"))
    pic = img.resize((w, h), Image.LANCZOS)
    # the dark outline round the whole figure
    a = pic.getchannel("A").point(lambda v: 255 if v > 40 else 0).filter(ImageFilter.MaxFilter(2 * o + 1))
    out = Image.new("RGBA", (w, h), _c(p.get("outline", [24, 20, 28]), 0))
    edge = Image.new("RGBA", (w, h), _c(p.get("outline", [24, 20, 28])))
    out.paste(edge, (0, 0), a)
    out.alpha_composite(pic)
    return out


# Glyphs drawn from pictures rather than shapes: (w, h, params) -> RGBA.
PICTURE_GLYPHS = {"emoji": render_emoji, "hand": render_hand, "climber": render_climber}


def render_glyph(glyph, w, h, params):
    """RGBA picture of the glyph at size w x h."""
    params = {k: v for k, v in (params or {}).items() if v is not None}
    if glyph in ALIASES:
        g, extra = ALIASES[glyph]
        for k, v in extra.items():
            params.setdefault(k, v)
        glyph = g
    if glyph in PICTURE_GLYPHS:
        return PICTURE_GLYPHS[glyph](w, h, params)
    if glyph not in GLYPHS:
        raise ValueError("unknown glyph '%s' (known: %s)" % (glyph, ", ".join(sorted(list(GLYPHS) + list(ALIASES)
                                                                                   + list(PICTURE_GLYPHS)))))
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
