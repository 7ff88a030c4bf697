"""Checks that a picture fits the place the game gives it, run after a build.

- `writes` on a backdrop: the texts the game writes on it, each
  dict(font (a file under fonts/), size (points, as the game opens it), at
  [x, y], align (1 left end of the baseline, 3 right end of the baseline,
  4 centred across with the baseline half the text's height below y,
  5 centre of the baseline), texts [every text it may write], color,
  margin (4)). Each text's letters, as the game's TrueType
  renderer lays them out, must lie on the picture with `margin` pixels of
  clear ground round them (no frame, line or drawing under them: every pixel
  within CLEAR_TOLERANCE of the ground's median colour) and stand out from
  that ground (MIN_CONTRAST).
- `over` on a picture with an alpha channel (drawn blended, without a colour
  key): [backdrop, [x, y], ...] every place the game draws it. At each place
  the picture must lie on the backdrop, and the figure must stand out from
  what is under it: at least STAND_OUT_SHARE of its solid pixels differ
  clearly (STAND_OUT_DIFF) from the backdrop's pixels they cover.
- `popups` on a background, panel, page or `frames` animation: [dict(rect=[x,
  y, w, h], name), ...] the rectangles of the screen that a popup covers
  while the picture shows under it (the popup's place in the game's layout;
  the picture at its `screen` places, else at (0, 0)). Every text the
  picture carries and every text of its `writes` must lie wholly inside each
  rectangle or wholly outside it: a popup covers a word or leaves it whole,
  never cuts it in two.
- `opens` on a popup's own picture: dict(at=[x, y], over=[backdrop files],
  name) the game opens it at (x, y) over each of those pictures (a machine's
  back.png, the cashier's desk); the popup covers a rectangle of its
  picture's size there, and that rectangle counts as one of each backdrop's
  `popups`.
- `laid` on a backdrop: [[picture file, x, y], ...] the pictures the game
  lays on it at fixed places (the desk's buttons). Under a popup their texts
  (a button's label) count as the backdrop's own, at their places.
"""
import math
import os

import numpy as np
from PIL import Image

from .common import colour, contrast, MIN_CONTRAST

CLEAR_TOLERANCE = 40     # largest step (any channel) from the ground's median that still counts as clear ground
STAND_OUT_DIFF = 60      # a solid pixel of a figure differs this much (any channel) from the backdrop under it ...
STAND_OUT_SHARE = 0.6    # ... for at least this share of the figure's solid pixels
TTF_DPI = 96             # the game's TrueType renderer sets its point sizes at 96 dots per inch

_fonts = {}


def _font(path):
    if path not in _fonts:
        from fontTools.ttLib import TTFont
        _fonts[path] = TTFont(path)
    return _fonts[path]


def text_layout(path, points, text):
    """(width, ascent, height, ink) of a text as the game's renderer sets it:
    the pen advances by each glyph's advance rounded to whole pixels, the
    ascent and descent are the font's bounding box scaled up to whole pixels,
    the height is ascent - descent + 1; ink is the box round the letters
    (x0, y0, x1, y1) from the left end of the baseline, y down, or None."""
    f = _font(path)
    px = points * TTF_DPI / 72.0
    head = f["head"]
    k = px / head.unitsPerEm
    ascent, descent = math.ceil(head.yMax * k), math.ceil(head.yMin * k)
    cmap, hmtx, glyf = f.getBestCmap(), f["hmtx"], f["glyf"] if "glyf" in f else None
    pen, ink = 0, None
    for ch in text:
        name = cmap.get(ord(ch), ".notdef")
        adv, _ = hmtx[name]
        g = glyf[name] if glyf is not None else None
        if g is not None and getattr(g, "numberOfContours", 0):
            if not hasattr(g, "xMin"):
                g.recalcBounds(glyf)
            box = (pen + math.floor(g.xMin * k), -math.ceil(g.yMax * k), pen + math.ceil(g.xMax * k),
                   -math.floor(g.yMin * k))
            ink = box if ink is None else (min(ink[0], box[0]), min(ink[1], box[1]), max(ink[2], box[2]),
                                           max(ink[3], box[3]))
        pen += int(round(adv * k))
    return pen, ascent, ascent - descent + 1, ink


def text_origin(align, x, y, width, ascent, height):
    """The left end of the baseline for a text anchored at (x, y)."""
    if align == 1:
        return x, y
    if align == 3:
        return x - width, y
    if align == 4:
        return x - width // 2, y + height // 2
    if align == 5:
        return x - width // 2, y
    raise ValueError("alignment %r is not one the checks know (1, 3, 4, 5)" % (align,))


def write_findings(picture, write, fonts_root):
    """What is wrong with the place of each text of one `writes` entry on a
    picture (numpy RGB array): a list of sentences, empty when all fit."""
    found = []
    path = os.path.join(fonts_root, write["font"])
    margin = int(write.get("margin", 4))
    ph, pw = picture.shape[:2]
    for text in write["texts"]:
        width, ascent, height, ink = text_layout(path, write["size"], text)
        if ink is None:
            continue
        ox, oy = text_origin(write.get("align", 1), write["at"][0], write["at"][1], width, ascent, height)
        x0, y0, x1, y1 = ox + ink[0] - margin, oy + ink[1] - margin, ox + ink[2] + margin, oy + ink[3] + margin
        what = "%r (%s %d at %s)" % (text, write["font"], write["size"], list(write["at"]))
        if x0 < 0 or y0 < 0 or x1 > pw or y1 > ph:
            found.append("%s runs off the picture: letters with their margin at %s" % (what, (x0, y0, x1, y1)))
            continue
        ground = picture[y0:y1, x0:x1].reshape(-1, 3).astype(np.int32)
        median = np.median(ground, axis=0)
        off = np.abs(ground - median).max(axis=1) > CLEAR_TOLERANCE
        if off.any():
            found.append("%s is not on clear ground: %d pixels of a frame or drawing within %d px of its letters "
                         "%s" % (what, int(off.sum()), margin, (x0, y0, x1, y1)))
        elif "color" in write:
            ratio = contrast(colour(write["color"]), tuple(int(v) for v in median))
            if ratio < MIN_CONTRAST:
                found.append("%s stands out %.1f:1 from the ground under it, less than %.1f:1"
                             % (what, ratio, MIN_CONTRAST))
    return found


def over_findings(sprite, backdrop, x, y):
    """What is wrong with an alpha picture (numpy RGBA) drawn at (x, y) on a
    backdrop (numpy RGB): a sentence, or None when it fits."""
    h, w = sprite.shape[:2]
    under = backdrop[y:y + h, x:x + w]
    if x < 0 or y < 0 or under.shape[:2] != (h, w):
        return "leaves its backdrop"
    solid = sprite[..., 3] >= 128
    if not solid.any():
        return "has no solid pixels"
    diff = np.abs(sprite[..., :3].astype(np.int32) - under.astype(np.int32)).max(axis=2)
    share = float((diff[solid] > STAND_OUT_DIFF).mean())
    if share < STAND_OUT_SHARE:
        return "hardly stands out from its backdrop (%d%% of it differs clearly, needs %d%%)" % (
            round(share * 100), round(STAND_OUT_SHARE * 100))
    return None


def check_places(jobs, out_root):
    """Every `popups`, `writes` and `over` of the built pictures: a list of findings
    naming recipe, item, file and place; empty when everything fits."""
    fonts_root = os.path.join(out_root, "fonts")
    opened, found = popups_opened(jobs, out_root)
    made = {o: item for r, i, item, folder, outs in jobs for o in outs}
    for r, i, item, folder, outs in jobs:
        popups = list(item.get("popups", [])) + opened.get(outs[0], [])
        if popups:
            texts = carried_texts(item) + written_texts(item, fonts_root)
            for picture, x, y in item.get("laid", []):
                if picture not in made:
                    found.append("%s item %d: %s: lays %s, which no recipe makes" % (r.name, i, outs[0], picture))
                    continue
                texts += [(text, (l + x, t + y, rr + x, b + y))
                          for text, (l, t, rr, b) in carried_texts(made[picture], picture)]
            places = [tuple(p) for p in item.get("screen", [[0, 0]])]
            found += ["%s item %d: %s: %s" % (r.name, i, outs[0], f)
                      for f in popup_findings(texts, places, popups)]
        if "writes" in item:
            with Image.open(os.path.join(out_root, outs[0])) as p:
                pic = np.asarray(p.convert("RGB"))
            for wr in item["writes"]:
                found += ["%s item %d: %s: %s" % (r.name, i, outs[0], f) for f in write_findings(pic, wr, fonts_root)]
        if "over" in item:
            backdrop_file, places = item["over"][0], [tuple(p) for p in item["over"][1:]]
            with Image.open(os.path.join(out_root, backdrop_file)) as b:
                backdrop = np.asarray(b.convert("RGB"))
            for o in outs:
                with Image.open(os.path.join(out_root, o)) as p:
                    if p.mode != "RGBA":
                        found.append("%s item %d: %s is drawn over %s but has no alpha channel ('over' is for "
                                     "blended pictures; cut an opaque one from its backdrop with 'on')"
                                     % (r.name, i, o, backdrop_file))
                        continue
                    sprite = np.asarray(p)
                for x, y in places:
                    f = over_findings(sprite, backdrop, x, y)
                    if f:
                        found.append("%s item %d: %s at (%d, %d) %s %s" % (r.name, i, o, x, y, f, backdrop_file))
    return found


def popups_opened(jobs, out_root):
    """({backdrop file: [dict(rect, name)]} of every popup picture's
    `opens`, the rectangle as large as the built picture; [findings])."""
    made = {o for j in jobs for o in j[4]}
    opened, found = {}, []
    for r, i, item, folder, outs in jobs:
        if "opens" not in item:
            continue
        with Image.open(os.path.join(out_root, outs[0])) as p:
            w, h = p.size
        x, y = item["opens"]["at"]
        for backdrop in item["opens"]["over"]:
            if backdrop not in made:
                found.append("%s item %d: %s opens over %s, which no recipe makes" % (r.name, i, outs[0], backdrop))
                continue
            opened.setdefault(backdrop, []).append(dict(rect=[x, y, w, h],
                                                        name=item["opens"].get("name", outs[0])))
    return opened, found


def carried_texts(item, picture=None):
    """[(text, ink box (l, t, r, b) in the picture)] of every text a
    background, panel, page or cabinet item draws on itself (a `frames`
    animation: on each of its frames; a button: its label on the state
    picture `picture` names). Texts drawn into a symbol or a card before it
    is laid on the picture are not the picture's own and are left out."""
    from . import common, pictures
    kind = item.get("kind", "background")
    if kind == "anim" and item.get("effect") == "frames":
        subs = list(item["frame_items"])
    elif kind in ("background", "panel", "page", "cabinet"):
        subs = [dict(item, kind="panel" if kind == "page" else kind)]
    elif kind == "button":
        states = [s for s in item.get("states", ["std", "mo", "click"])
                  if picture is None or picture.endswith(item["name"] + pictures.BUTTON_SUFFIX[s] + ".png")]
        subs = [dict(item, state=s) for s in states]
    else:
        raise ValueError("a popup's check reads the texts of a background, panel, page, cabinet, button or a "
                         "'frames' animation, not of a %r" % kind)
    out = []
    quiet = os.environ.get("ASSETGEN_TEXT_QUIET")
    os.environ["ASSETGEN_TEXT_QUIET"] = "1"   # drawn and checked once already
    try:
        for sub in subs:
            common.TEXT_LOG = []
            if sub["kind"] == "cabinet":
                img = pictures.cabinet_image(sub)
            else:
                img = pictures.single_image(sub, "popups")
            out += [(text, ink) for pic, text, ink in common.TEXT_LOG if pic is img]
    finally:
        common.TEXT_LOG = None
        if quiet is None:
            os.environ.pop("ASSETGEN_TEXT_QUIET", None)
    return out


def written_texts(item, fonts_root):
    """[(text, ink box in the picture)] of the texts the game writes on the
    picture (`writes`), laid out as its renderer lays them out."""
    out = []
    for write in item.get("writes", []):
        path = os.path.join(fonts_root, write["font"])
        for text in write["texts"]:
            width, ascent, height, ink = text_layout(path, write["size"], text)
            if ink is None:
                continue
            ox, oy = text_origin(write.get("align", 1), write["at"][0], write["at"][1], width, ascent, height)
            out.append((text, (ox + ink[0], oy + ink[1], ox + ink[2], oy + ink[3])))
    return out


def cut_by(ink, rect):
    """True when a popup over rect [x, y, w, h] covers part of the box (l, t,
    r, b) and leaves the rest showing."""
    l, t, r, b = ink
    x, y, w, h = rect
    meets = l < x + w and r > x and t < y + h and b > y
    inside = l >= x and t >= y and r <= x + w and b <= y + h
    return meets and not inside


def popup_findings(texts, places, popups):
    """Sentences naming each text (with its ink box on the screen) that a
    popup cuts at one of the picture's places; empty when none is cut."""
    found = []
    for px, py in places:
        for text, (l, t, r, b) in texts:
            box = (int(l) + px, int(t) + py, int(math.ceil(r)) + px, int(math.ceil(b)) + py)
            for popup in popups:
                if cut_by(box, popup["rect"]):
                    found.append("%r, its letters at %s on the screen, is cut by the %s at %s: draw it wholly "
                                 "inside or wholly outside" % (text, box, popup.get("name", "popup"),
                                                               list(popup["rect"])))
    return found
