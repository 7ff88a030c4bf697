"""Palette, fonts and small drawing helpers shared by every picture kind."""
import os
from PIL import Image, ImageDraw, ImageFont

# One palette for the whole casino. Recipes name these colours; a recipe may
# also give any colour as [r, g, b].
PALETTE = {
    "key": (255, 0, 255),          # transparent colour of colour-keyed pictures
    "black": (0, 0, 0),
    "ink": (18, 12, 10),
    "white": (255, 255, 255),
    "cream": (246, 236, 206),
    "parchment": (232, 218, 180),
    "gold": (214, 172, 52),
    "lightgold": (250, 222, 120),
    "darkgold": (140, 104, 24),
    "burgundy": (104, 14, 30),
    "darkburgundy": (58, 6, 16),
    "red": (196, 24, 32),
    "brightred": (238, 40, 40),
    "felt": (18, 98, 52),
    "darkfelt": (8, 58, 30),
    "lightfelt": (40, 140, 76),
    "green": (30, 170, 60),
    "blue": (28, 58, 168),
    "navy": (14, 24, 80),
    "lightblue": (110, 170, 235),
    "sea": (16, 92, 140),
    "silver": (196, 200, 208),
    "grey": (128, 128, 128),
    "darkgrey": (56, 56, 60),
    "charcoal": (28, 28, 32),
    "orange": (240, 128, 20),
    "yellow": (252, 220, 40),
    "purple": (110, 36, 140),
    "violet": (170, 90, 220),
    "pink": (240, 120, 170),
    "brown": (110, 66, 30),
    "wood": (132, 78, 38),
    "sky": (120, 180, 240),
    "ledred": (255, 40, 20),
    "ledoff": (60, 10, 8),
}

# Font faces by short name, all from Debian's font packages.
FONT_DIRS = ["/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/truetype/liberation2",
             "/usr/share/fonts/truetype/dseg", "/usr/share/fonts/truetype/noto"]
FACES = {
    "sans": "DejaVuSans.ttf",
    "sans-bold": "DejaVuSans-Bold.ttf",
    "condensed": "DejaVuSansCondensed.ttf",
    "condensed-bold": "DejaVuSansCondensed-Bold.ttf",
    "serif": "DejaVuSerif.ttf",
    "serif-bold": "DejaVuSerif-Bold.ttf",
    "serif-italic": "DejaVuSerif-BoldItalic.ttf",
    "mono": "DejaVuSansMono-Bold.ttf",
    "liberation": "LiberationSans-Bold.ttf",
    "liberation-serif": "LiberationSerif-Bold.ttf",
    "narrow": "LiberationSansNarrow-Bold.ttf",
    "led": "DSEG7Classic-Bold.ttf",
    "led14": "DSEG14Classic-Bold.ttf",
}


def find_font_file(name):
    """Full path of a face given by short name or by file name."""
    fname = FACES.get(name, name)
    if os.path.isabs(fname) and os.path.exists(fname):
        return fname
    for d in FONT_DIRS:
        p = os.path.join(d, fname)
        if os.path.exists(p):
            return p
    raise SystemExit("assetgen: font not found: %s (install the Debian font packages)" % name)


_font_cache = {}


def font(name="sans-bold", size=16):
    k = (name, size)
    if k not in _font_cache:
        _font_cache[k] = ImageFont.truetype(find_font_file(name), size)
    return _font_cache[k]


def colour(c, default=(0, 0, 0)):
    if c is None:
        return tuple(default)
    if isinstance(c, str):
        if c.startswith("#") and len(c) == 7:
            return tuple(int(c[i:i + 2], 16) for i in (1, 3, 5))
        if c not in PALETTE:
            raise ValueError("unknown colour '%s'" % c)
        return PALETTE[c]
    return tuple(int(v) for v in c[:3])


def mix(a, b, t):
    a, b = colour(a), colour(b)
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def lighter(c, t=0.35):
    return mix(c, (255, 255, 255), t)


def darker(c, t=0.35):
    return mix(c, (0, 0, 0), t)


def new_image(size, bg=(0, 0, 0)):
    return Image.new("RGB", (int(size[0]), int(size[1])), colour(bg))


def fit_font(draw, text, face, size, max_w, max_h=None, min_size=7):
    """Largest font of the face, not above size, in which text fits max_w x max_h."""
    s = int(size)
    while s > min_size:
        f = font(face, s)
        l, t, r, b = draw.multiline_textbbox((0, 0), text, font=f, align="center")
        if r - l <= max_w and (max_h is None or b - t <= max_h):
            return f
        s -= 1
    return font(face, min_size)


def draw_text(draw, xy, text, face="sans-bold", size=16, fill="cream", anchor="mm",
              shadow=None, outline=None, max_w=None, max_h=None, align="center"):
    """Text with optional drop shadow and outline; shrinks to max_w/max_h when given."""
    if text is None or text == "":
        return
    text = str(text)
    f = fit_font(draw, text, face, size, max_w or 10 ** 6, max_h) if (max_w or max_h) else font(face, int(size))
    x, y = xy
    multi = "\n" in text
    kw = dict(font=f, anchor=anchor)
    if multi:
        kw["align"] = align
        if anchor[1] in "sd":
            kw["anchor"] = anchor[0] + "d"
        elif anchor[1] not in "ma":
            kw["anchor"] = anchor[0] + "a"
    fn = draw.multiline_text if multi else draw.text
    if shadow:
        fn((x + 2, y + 2), text, fill=colour(shadow), **kw)
    if outline:
        for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1), (-1, -1), (1, 1), (-1, 1), (1, -1)):
            fn((x + dx, y + dy), text, fill=colour(outline), **kw)
    fn((x, y), text, fill=colour(fill), **kw)


def vgradient(img, box, top, bottom):
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = [int(v) for v in box]
    h = max(1, y1 - y0)
    for y in range(y0, y1):
        d.line([(x0, y), (x1 - 1, y)], fill=mix(top, bottom, (y - y0) / h))


def bevel_box(draw, box, fill, light=None, dark=None, width=2, radius=0, outline=None):
    """A raised box: fill with a light top-left and dark bottom-right edge."""
    x0, y0, x1, y1 = [int(v) for v in box]
    fill = colour(fill)
    light = colour(light) if light else lighter(fill, 0.45)
    dark = colour(dark) if dark else darker(fill, 0.5)
    if radius:
        draw.rounded_rectangle((x0, y0, x1, y1), radius, fill=dark)
        draw.rounded_rectangle((x0, y0, x1 - width, y1 - width), radius, fill=light)
        draw.rounded_rectangle((x0 + width, y0 + width, x1 - width, y1 - width), max(1, radius - width), fill=fill)
    else:
        draw.rectangle((x0, y0, x1, y1), fill=dark)
        draw.rectangle((x0, y0, x1 - width, y1 - width), fill=light)
        draw.rectangle((x0 + width, y0 + width, x1 - width, y1 - width), fill=fill)
    if outline:
        if radius:
            draw.rounded_rectangle((x0, y0, x1, y1), radius, outline=colour(outline))
        else:
            draw.rectangle((x0, y0, x1, y1), outline=colour(outline))


def save_png(img, path):
    """Writes the picture with no metadata, so the bytes depend only on the
    pixels. RGBA pictures keep their alpha (for pictures the game keeps in
    their own format); everything else is stored as RGB."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    tmp = path + ".tmp"
    if img.mode != "RGBA":
        img = img.convert("RGB")
    img.save(tmp, format="PNG", optimize=False, compress_level=6)
    os.replace(tmp, path)


def apply_key(img, mask):
    """Everything outside mask (an L picture, 0 = transparent) becomes the key colour.

    The top-left pixel is forced to the key so that the game's colour-key
    loader picks it up."""
    key = Image.new("RGB", img.size, PALETTE["key"])
    m = mask.point(lambda v: 255 if v >= 128 else 0)
    out = Image.composite(img, key, m)
    out.putpixel((0, 0), PALETTE["key"])
    return out
