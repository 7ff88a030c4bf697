"""Palette, fonts and small drawing helpers shared by every picture kind."""
import math
import os
import numpy as np
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
    "bronze": (112, 82, 18),
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
    # a narrow bold face for labels in tight tabs: the condensed bold squeezed to 70% of its width
    "narrow": ("DejaVuSansCondensed-Bold.ttf", 0.7),
    "led": "DSEG7Classic-Bold.ttf",
    "led14": "DSEG14Classic-Bold.ttf",
}


_squeezed = {}


def find_font_file(name):
    """Full path of a face given by short name or by file name. A face given
    as (file, factor) is that file squeezed sideways, made once per run in a
    folder of the temporary directory."""
    fname = FACES.get(name, name)
    if isinstance(fname, tuple):
        if fname not in _squeezed:
            import tempfile
            from .fonts import condense_font
            src, factor = find_font_file(fname[0]), fname[1]
            folder = os.path.join(tempfile.gettempdir(), "assetgen-faces-%d" % os.getuid())
            os.makedirs(folder, exist_ok=True)
            dst = os.path.join(folder, "%s-%.2f.ttf" % (os.path.splitext(fname[0])[0], factor))
            condense_font(src, "%s.%d.tmp" % (dst, os.getpid()), factor)
            os.replace("%s.%d.tmp" % (dst, os.getpid()), dst)
            _squeezed[fname] = dst
        return _squeezed[fname]
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


# Every text the pictures carry is drawn by draw_text, which knows the box the
# text must stay in and checks what it drew: the letters (with their shadow
# and outline) inside the box, a size no smaller than MIN_TEXT_SIZE, and a
# contrast of at least MIN_CONTRAST against what is behind the letters.
MIN_TEXT_SIZE = 9
MIN_CONTRAST = 4.5


class TextError(ValueError):
    """A text that does not fit its box or cannot be read on its background."""


def _fail(message):
    """Raises TextError; with ASSETGEN_TEXT_REPORT set it only prints the
    finding and goes on (to see every finding of a run at once)."""
    if os.environ.get("ASSETGEN_TEXT_QUIET"):
        return   # a second drawing of a picture already checked (see generate.py, `on`)
    if os.environ.get("ASSETGEN_TEXT_REPORT"):
        print("TEXT: %s: %s" % (os.environ.get("ASSETGEN_ITEM", ""), message), flush=True)
        return
    raise TextError(message)


def luminance(rgb):
    """Relative luminance (0 dark .. 1 white) of colours given as an (..., 3) array of 0-255."""
    c = np.asarray(rgb, dtype=np.float64) / 255.0
    c = np.where(c <= 0.04045, c / 12.92, ((c + 0.055) / 1.055) ** 2.4)
    return c[..., 0] * 0.2126 + c[..., 1] * 0.7152 + c[..., 2] * 0.0722


def contrast(a, b):
    """Contrast ratio (1 .. 21) between two colours."""
    la, lb = float(luminance(colour(a))), float(luminance(colour(b)))
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def _ink_box(draw, xy, text, f, anchor, align, shadow, outline):
    """Pixels the text covers at xy, with its outline and shadow."""
    if "\n" in text:
        l, t, r, b = draw.multiline_textbbox(xy, text, font=f, anchor=anchor, align=align)
    else:
        l, t, r, b = draw.textbbox(xy, text, font=f, anchor=anchor)
    if outline:
        l, t, r, b = l - 1, t - 1, r + 1, b + 1
    if shadow:
        r, b = r + 2, b + 2
    return l, t, r, b


def _anchor_kw(text, anchor, align):
    kw = dict(anchor=anchor)
    if "\n" in text:
        kw["align"] = align
        if anchor[1] in "sd":
            kw["anchor"] = anchor[0] + "d"
        elif anchor[1] not in "ma":
            kw["anchor"] = anchor[0] + "a"
    return kw


def text_box(xy, anchor, max_w, max_h, picture):
    """The box of a text placed at xy by anchor: max_w / max_h round the
    anchor point (the side the anchor names), else the whole picture."""
    x, y = xy
    pw, ph = picture
    x0, y0, x1, y1 = 0, 0, pw, ph
    if max_w:
        h = anchor[0]
        x0, x1 = (x, x + max_w) if h == "l" else (x - max_w, x) if h == "r" else (x - max_w / 2, x + max_w / 2)
    if max_h:
        v = anchor[1]
        y0, y1 = (y, y + max_h) if v in "at" else (y - max_h, y) if v in "sdb" else (y - max_h / 2, y + max_h / 2)
    return (max(0, x0), max(0, y0), min(pw, x1), min(ph, y1))


def _inside(ink, box):
    # a letter's side bearing may reach a pixel past the anchor
    return ink[0] >= box[0] - 1.5 and ink[1] >= box[1] - 1.5 and ink[2] <= box[2] + 1.5 and ink[3] <= box[3] + 1.5


def fit_size(draw, text, face, size, xy, anchor, box, shadow=None, outline=None, align="center",
             min_size=MIN_TEXT_SIZE, centred=False):
    """Largest size, not above size, at which the text drawn at xy stays in box
    (centred: at which its letters are no larger than the box); TextError when
    that would take a size under min_size."""
    text = str(text)
    kw = _anchor_kw(text, anchor, align)
    s = int(size)
    while s >= min_size:
        ink = _ink_box(draw, xy, text, font(face, s), kw["anchor"], align, shadow, outline)
        if centred:
            if ink[2] - ink[0] <= box[2] - box[0] + 1 and ink[3] - ink[1] <= box[3] - box[1] + 1:
                return s
        elif _inside(ink, box):
            return s
        s -= 1
    _fail("text %r does not fit its box %s at %d px or more" % (text, [int(v) for v in box], min_size))
    return min_size


def check_contrast(img, text, f, xy, kw, fill, where):
    """Fails when the letters about to be drawn with fill stand out less than
    MIN_CONTRAST from the pixels under them (shadow and outline included).
    The darkest / lightest twentieth of those pixels may fall short (the
    anti-aliased rims of other drawing)."""
    if img.mode not in ("RGB", "RGBA"):
        return
    l, t, r, b = [int(math.floor(v)) for v in where[:2]] + [int(math.ceil(v)) for v in where[2:]]
    l, t, r, b = max(0, l), max(0, t), min(img.size[0], r), min(img.size[1], b)
    if r <= l or b <= t:
        return
    mask = Image.new("L", (r - l, b - t), 0)
    md = ImageDraw.Draw(mask)
    fn = md.multiline_text if "\n" in text else md.text
    fn((xy[0] - l, xy[1] - t), text, fill=255, font=f, **kw)
    m = np.asarray(mask) >= 160
    if not m.any():
        return
    under = np.asarray(img.crop((l, t, r, b)))[m]
    if img.mode == "RGBA":
        # letters over a clear part would stand on whatever the game shows there
        if (under[:, 3] < 255).any():
            _fail("text %r: stands partly on the clear part of a picture with an alpha channel" % (text,))
        under = under[:, :3]
    under = under[~np.all(under == PALETTE["key"], axis=1)]   # the key shows whatever is behind the picture
    if not len(under):
        return
    lf = float(luminance(colour(fill)))
    lb = luminance(under)
    ratio = (np.maximum(lf, lb) + 0.05) / (np.minimum(lf, lb) + 0.05)
    worst = float(np.percentile(ratio, 5))
    if worst < MIN_CONTRAST:
        bad = under[int(np.argmin(np.abs(ratio - worst)))]
        _fail("text %r: contrast %.2f:1 of %s on %s is below %.1f:1"
                        % (text, worst, list(colour(fill)), [int(v) for v in bad], MIN_CONTRAST))


def check_pair(text, fill, background, where=""):
    """The contrast check for a text drawn on one known colour (a button's
    face, a wheel's slice) rather than sampled from the picture."""
    ratio = contrast(fill, background)
    if ratio < MIN_CONTRAST:
        _fail("text %r: contrast %.2f:1 of %s %s %s is below %.1f:1"
              % (str(text), ratio, list(colour(fill)), where, list(colour(background)), MIN_CONTRAST))


def draw_text(draw, xy, text, face="sans-bold", size=16, fill="cream", anchor="mm",
              shadow=None, outline=None, max_w=None, max_h=None, align="center", box=None, fit=None,
              check=True):
    """Text with optional drop shadow and outline, in a box: `box` (x0, y0, x1,
    y1), else max_w / max_h round the anchor, else the whole picture. With a
    box or a max_w / max_h it shrinks to fit (not under MIN_TEXT_SIZE); a text
    that still leaves its box, or that is too faint on what is behind it,
    raises TextError. `fit` = "ink" centres the letters themselves in the box."""
    if text is None or text == "":
        return
    text = str(text)
    img = draw._image
    if box is None:
        box = text_box(xy, anchor, max_w, max_h, img.size)
    x, y = xy
    kw = _anchor_kw(text, anchor, align)
    if max_w or max_h or fit:
        s = fit_size(draw, text, face, size, xy, anchor, box, shadow, outline, align, centred=fit == "ink")
    else:
        s = int(size)
        if s < MIN_TEXT_SIZE:
            _fail("text %r: %d px is below the smallest size, %d px" % (text, s, MIN_TEXT_SIZE))
    f = font(face, s)
    if fit == "ink":
        l, t, r, b = _ink_box(draw, xy, text, f, kw["anchor"], align, shadow, outline)
        x += (box[0] + box[2]) / 2 - (l + r) / 2
        y += (box[1] + box[3]) / 2 - (t + b) / 2
        x, y = round(x), round(y)
    ink = _ink_box(draw, (x, y), text, f, kw["anchor"], align, shadow, outline)
    if check and not _inside(ink, box):
        _fail("text %r at %d px leaves its box %s: %s" % (text, s, [int(v) for v in box],
                                                                   [int(v) for v in ink]))
    fn = draw.multiline_text if "\n" in text else draw.text
    kw["font"] = f
    if shadow:
        fn((x + 2, y + 2), text, fill=colour(shadow), **kw)
    if outline:
        for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1), (-1, -1), (1, 1), (-1, 1), (1, -1)):
            fn((x + dx, y + dy), text, fill=colour(outline), **kw)
    if check:
        check_contrast(img, text, f, (x, y), {k: v for k, v in kw.items() if k != "font"}, fill, ink)
    fn((x, y), text, fill=colour(fill), **kw)
    return s


def table_size(draw, rows, face, size, min_size=MIN_TEXT_SIZE):
    """One size for a table of texts: the largest, not above size, at which
    every row fits its own box. rows: [(text, xy, anchor, box), ...]."""
    s = int(size)
    for text, xy, anchor, box in rows:
        s = min(s, fit_size(draw, text, face, s, xy, anchor, box, min_size=min_size))
    return s


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
