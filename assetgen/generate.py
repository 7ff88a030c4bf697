#!/usr/bin/python3
"""Builds the game's pictures, sounds and fonts from the recipes in recipes/.

    /usr/bin/python3 assetgen/generate.py --out <root>

writes <root>/gfx, <root>/sounds and <root>/fonts. A recipe whose text (and
the generator's code) is unchanged since the last run, and whose files are
all present, is skipped; so a second run with nothing changed does nothing.
See README.md for the recipe format."""
import argparse
import glob
import hashlib
import json
import os
import sys
import time
import traceback
from multiprocessing import Pool

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

STAMP = os.path.join("gfx", ".assetgen-stamp.json")
# The recipes folder; --recipes points it elsewhere (the generator's own tests
# build small recipe sets of their own).
RECIPES = os.path.join(HERE, "recipes")
# The game's C++ sources, whose headers a recipe may read numbers from;
# --sources points it elsewhere.
SOURCES = os.path.join(os.path.dirname(HERE), "src")
ROOTS = ("gfx/", "sounds/", "fonts/")

_SAFE_BUILTINS = {n: __builtins__[n] if isinstance(__builtins__, dict) else getattr(__builtins__, n)
                  for n in ("range", "len", "dict", "list", "tuple", "str", "int", "float", "enumerate", "zip",
                            "min", "max", "abs", "round", "sorted", "reversed", "True", "False", "None",
                            "isinstance", "any", "all", "sum", "map", "filter", "set", "bool")}
_SAFE_BUILTINS["__import__"] = lambda *a, **k: _recipe_import(*a, **k)


def kinds():
    from agen import pictures, sounds, fonts
    k = {}
    for mod in (pictures, sounds, fonts):
        for name, v in mod.KINDS.items():
            k[name] = v
    return k


def helper_files():
    """Shared helper modules of the recipes: recipes/**/_*.py. A recipe may
    import them by name (`from _poker_cabinet import cabinet`); they are not
    recipes themselves."""
    return sorted(glob.glob(os.path.join(RECIPES, "**", "_*.py"), recursive=True))


# Machine recipes and game headers a recipe read while it was loaded (their
# text is part of that recipe's hash).
_read_files = []


def _recipe_import(name, globals=None, locals=None, fromlist=(), level=0):
    """The only imports a recipe can do: a helper module of the recipes folder,
    a machine's recipe as "machines.<id>" (to read its names, e.g. the
    lobby reads each machine's LEAD symbol and its looks), or numbers of a
    game header as `from src.<folder>.<header> import <names>` (the
    `constexpr int` constants of src/<folder>/<header>.h)."""
    import importlib.util
    if name.startswith("src."):
        from agen.header import header_constants
        p = os.path.join(SOURCES, *name.split(".")[1:]) + ".h"
        if not fromlist or "*" in fromlist:
            raise ImportError("a recipe reads a header's numbers by name: from %s import <names>" % name)
        _read_files.append(p)
        mod = type(sys)(name)
        mod.__dict__.update(header_constants(p, fromlist))
        return mod
    if name.startswith("machines."):
        p = os.path.join(RECIPES, "machines", name.split(".", 1)[1] + ".py")
        if not os.path.exists(p):
            raise ImportError("no machine recipe '%s'" % name)
        _read_files.append(p)
        with open(p, "rb") as f:
            ns = {"__builtins__": _SAFE_BUILTINS}
            exec(compile(f.read(), p, "exec"), ns)
        mod = type(sys)(name)
        mod.__dict__.update(ns)
        return mod
    for p in helper_files():
        if os.path.splitext(os.path.basename(p))[0] == name:
            if name in sys.modules and getattr(sys.modules[name], "__file__", None) == p:
                return sys.modules[name]
            spec = importlib.util.spec_from_file_location(name, p)
            mod = importlib.util.module_from_spec(spec)
            mod.__dict__["__builtins__"] = _SAFE_BUILTINS
            spec.loader.exec_module(mod)
            sys.modules[name] = mod
            return mod
    raise ImportError("a recipe can only import the helper modules recipes/_*.py, not '%s'" % name)


def code_hash():
    h = hashlib.sha256()
    for p in sorted([os.path.join(HERE, "generate.py")] + glob.glob(os.path.join(HERE, "agen", "*.py"))) + helper_files():
        with open(p, "rb") as f:
            h.update(os.path.basename(p).encode() + b"\0" + f.read())
    return h.hexdigest()


def find_recipes():
    files = glob.glob(os.path.join(RECIPES, "**", "*.py"), recursive=True)
    return sorted(f for f in files if not os.path.basename(f).startswith("_"))


class Recipe:
    def __init__(self, path):
        self.path = path
        self.name = os.path.relpath(path, RECIPES)
        with open(path, "rb") as f:
            self.text = f.read()
        ns = {"__builtins__": _SAFE_BUILTINS}
        del _read_files[:]
        try:
            exec(compile(self.text, path, "exec"), ns)
        except Exception as e:  # a broken recipe is reported with its name
            raise SystemExit("assetgen: %s: %s" % (self.name, e))
        self.reads = sorted(set(_read_files))
        self.folder = ns.get("FOLDER", "")
        self.items = ns.get("ITEMS")
        if not isinstance(self.items, list):
            raise SystemExit("assetgen: %s: ITEMS must be a list" % self.name)

    def item_folder(self, item):
        d = item.get("dir", self.folder).strip("/") + "/"
        if not d.startswith(ROOTS):
            raise SystemExit("assetgen: %s: folder '%s' must be under gfx/, sounds/ or fonts/" % (self.name, d))
        return d


def plan(recipes, kindmap):
    """[(recipe, index, item, folder, [relative outputs])] and a clash check."""
    jobs = []
    owner = {}
    for r in recipes:
        for i, item in enumerate(r.items):
            if not isinstance(item, dict) or "kind" not in item:
                raise SystemExit("assetgen: %s item %d: needs a 'kind'" % (r.name, i))
            if item["kind"] not in kindmap:
                raise SystemExit("assetgen: %s item %d: unknown kind '%s' (known: %s)"
                                 % (r.name, i, item["kind"], ", ".join(sorted(kindmap))))
            folder = r.item_folder(item)
            try:
                outs = [folder + o for o in kindmap[item["kind"]][0](item)]
            except KeyError as e:
                raise SystemExit("assetgen: %s item %d (%s): missing field %s" % (r.name, i, item["kind"], e))
            for o in outs:
                if o in owner:
                    raise SystemExit("assetgen: %s is made twice: by %s and by %s" % (o, owner[o], r.name))
                owner[o] = "%s item %d" % (r.name, i)
            jobs.append((r, i, item, folder, outs))
    for r, i, item, folder, outs in jobs:
        if "on" in item:
            try:
                backdrop = on_places(item)[0]
            except (ValueError, TypeError) as e:
                raise SystemExit("assetgen: %s item %d: %s" % (r.name, i, e))
            if owner.get(backdrop, "").split(" item ")[0] != r.name:
                raise SystemExit("assetgen: %s item %d: its backdrop %s is not made by the same recipe"
                                 % (r.name, i, backdrop))
            if item.get("takes") or item.get("keep_drawn"):
                # the picture names drawings of its backdrop: the backdrop's own recipe item comes along
                maker = [j[2] for j in jobs if backdrop in j[4]][0]
                names = {e.get("name") for e in maker.get("elements") or [] if isinstance(e, dict)}
                unknown = [n for n in list(item.get("takes", [])) + list(item.get("keep_drawn", []))
                           if n not in names]
                if maker.get("kind") != "background" or unknown:
                    raise SystemExit("assetgen: %s item %d: its backdrop %s has no drawing named %s"
                                     % (r.name, i, backdrop, ", ".join(map(repr, unknown)) or "(not a background)"))
                item["backdrop_item"] = maker
        if "popups" in item and not (isinstance(item["popups"], list) and all(
                isinstance(p, dict) and len(p.get("rect", [])) == 4 for p in item["popups"])):
            raise SystemExit("assetgen: %s item %d: 'popups' is [dict(rect=[x, y, w, h], name=...), ...]"
                             % (r.name, i))
        if "opens" in item and not (isinstance(item["opens"], dict) and len(item["opens"].get("at", [])) == 2
                                    and isinstance(item["opens"].get("over"), list)):
            raise SystemExit("assetgen: %s item %d: 'opens' is dict(at=[x, y], over=[backdrop files], name=...)"
                             % (r.name, i))
        if "laid" in item and not (isinstance(item["laid"], list) and all(
                isinstance(p, (list, tuple)) and len(p) == 3 for p in item["laid"])):
            raise SystemExit("assetgen: %s item %d: 'laid' is [[picture file, x, y], ...]" % (r.name, i))
        if "fits" in item:
            try:
                fit_rules(item)
            except ValueError as e:
                raise SystemExit("assetgen: %s item %d: %s" % (r.name, i, e))
    return jobs


# Pictures drawn over a backdrop -------------------------------------------
#
# A picture the game draws without a colour key covers its whole rectangle,
# so it must carry the very pixels of the backdrop it lands on. An item says
# where: `on=["gfx/.../bonus.png", [x, y], ...]` (a backdrop its own recipe
# makes, and every place the game draws the picture). The item is drawn twice,
# over black and over white; the difference is how much of the backdrop shows
# through each pixel, and the picture is laid over the backdrop's pixels at
# the first place. After the build every such picture must fit every place:
# lie on the backdrop (an item with `crop=True` may run off the screen's
# edge, where the game's place puts it partly beyond it), match the backdrop
# at its border, show the same backdrop at every place (one picture drawn at
# several places carries one backdrop), and leave each `keep` rectangle
# [x, y, w, h] of the screen (a click area, a title, a picture drawn over it
# later) showing the backdrop; else the build fails.
#
# The backdrop's elements may carry a `name`. A picture that `takes=[names]`
# is cut from the backdrop as it is without those drawings (it draws them
# elsewhere, or not at all: a fish reeled up out of its place); it must then
# cover them whole. A picture with `keep_drawn=[names]` must leave every
# pixel of those drawings that shows on the backdrop as it is (the other
# fish a catch passes over).

_without, _masks = {}, {}   # the backdrops without some of their drawings, and where each drawing shows


def backdrop_pixels(item, backdrop, names):
    """The backdrop (numpy RGB, int32) as it is without the drawings `names`
    of its item (the backdrop itself when there are none)."""
    import numpy as np
    if not names:
        return backdrop
    key = (on_places(item)[0], tuple(sorted(names)))
    if key not in _without:
        from agen.pictures import backdrop_without
        _without[key] = np.asarray(backdrop_without(item["backdrop_item"], names)).astype(np.int32)
    return _without[key]


def _over(item, c):
    """The item with its background colour `c` everywhere one is painted."""
    it = {k: v for k, v in item.items() if k not in ("on", "bg_style", "backdrop_item")}
    it["bg"] = c
    if it.get("kind", "background") in ("background", "panel", "page"):
        it["style"], it["colors"] = "plain", [c, c]
    if isinstance(it.get("base"), dict):
        it["base"] = _over(it["base"], c)
    if isinstance(it.get("frame_items"), list):
        it["frame_items"] = [_over(f, c) for f in it["frame_items"]]
    return it


def on_places(item):
    on = item["on"]
    if not (isinstance(on, list) and len(on) >= 2 and isinstance(on[0], str)):
        raise ValueError("'on' is [backdrop file, [x, y], ...]")
    return on[0], [tuple(p) for p in on[1:]]


def _visible(w, h, x, y, bw, bh):
    """The part of a w x h picture at (x, y) that lies on a bw x bh backdrop:
    (picture rows, picture columns, backdrop rows, backdrop columns) slices,
    or None when none of it does."""
    x0, y0, x1, y1 = max(0, x), max(0, y), min(bw, x + w), min(bh, y + h)
    if x0 >= x1 or y0 >= y1:
        return None
    return slice(y0 - y, y1 - y), slice(x0 - x, x1 - x), slice(y0, y1), slice(x0, x1)


def _under(backdrop, w, h, places):
    """The backdrop a w x h picture carries: at each pixel the backdrop under
    the first of its places that puts the pixel on the screen (0 where none
    does), and the mask of the pixels some place shows."""
    import numpy as np
    under = np.zeros((h, w, 3), np.int32)
    seen = np.zeros((h, w), bool)
    bh, bw = backdrop.shape[:2]
    for x, y in places:
        v = _visible(w, h, x, y, bw, bh)
        if v is None:
            continue
        py, px, by, bx = v
        fresh = ~seen[py, px]
        under[py, px][fresh] = backdrop[by, bx][fresh]
        seen[py, px] |= True
    return under, seen


def _render_on(item, kindmap, out_root, folder):
    import tempfile
    import numpy as np
    from PIL import Image
    from agen.common import save_png
    if item.get("key"):
        raise ValueError("a colour-keyed picture needs no backdrop ('on')")
    backdrop_file, places = on_places(item)
    with Image.open(os.path.join(out_root, backdrop_file)) as b:
        backdrop = np.asarray(b.convert("RGB")).astype(np.int32)
    backdrop = backdrop_pixels(item, backdrop, item.get("takes"))
    with tempfile.TemporaryDirectory() as tmp:
        for c, sub in (((0, 0, 0), "black"), ((255, 255, 255), "white")):
            if sub == "white":
                os.environ["ASSETGEN_TEXT_QUIET"] = "1"
            try:
                kindmap[item["kind"]][1](_over(item, list(c)), os.path.join(tmp, sub))
            finally:
                os.environ.pop("ASSETGEN_TEXT_QUIET", None)
        bh, bw = backdrop.shape[:2]
        for name in sorted(os.listdir(os.path.join(tmp, "black"))):
            with Image.open(os.path.join(tmp, "black", name)) as fb, Image.open(os.path.join(tmp, "white", name)) as fw:
                on_black = np.asarray(fb.convert("RGB")).astype(np.int32)
                on_white = np.asarray(fw.convert("RGB")).astype(np.int32)
            h, w = on_black.shape[:2]
            x, y = places[0]
            if not item.get("crop") and (x < 0 or y < 0 or x + w > bw or y + h > bh):
                raise ValueError("%s at %s leaves its backdrop %s" % (name, (x, y), backdrop_file))
            under, _ = _under(backdrop, w, h, places)
            show = np.clip(on_white - on_black, 0, 255).mean(axis=2, keepdims=True) / 255.0   # backdrop showing through
            out = np.clip(np.rint(on_black + show * under), 0, 255).astype(np.uint8)
            save_png(Image.fromarray(out), os.path.join(out_root, folder, name))


def border_mismatches(picture, backdrop, x, y, tolerance=3, crop=False):
    """How many pixels of the picture's outermost ring differ from the
    backdrop under it at (x, y) (numpy RGB arrays), or -1 when the picture
    would leave the backdrop (with `crop`: when none of it is on it). A side
    on or beyond the backdrop's own edge (the edge of the screen) cuts into
    nothing and is not counted."""
    import numpy as np
    h, w = picture.shape[:2]
    bh, bw = backdrop.shape[:2]
    v = _visible(w, h, x, y, bw, bh)
    if v is None or (not crop and (x < 0 or y < 0 or x + w > bw or y + h > bh)):
        return -1
    py, px, by, bx = v
    off = np.zeros((h, w), bool)
    off[py, px] = (np.abs(picture[py, px].astype(np.int32) - backdrop[by, bx].astype(np.int32)).max(axis=2) > tolerance)
    ring = np.zeros((h, w), bool)
    if y > 0:
        ring[0, :] = True
    if y + h < bh:
        ring[-1, :] = True
    if x > 0:
        ring[:, 0] = True
    if x + w < bw:
        ring[:, -1] = True
    return int((off & ring).sum())


def place_mismatches(picture, backdrop, places, x, y, tolerance=3):
    """Pixels where the picture shows the backdrop it carries (that of the
    first place that puts them on the screen) but the backdrop at (x, y),
    another of its places, differs: there the picture shows its rectangle."""
    import numpy as np
    h, w = picture.shape[:2]
    bh, bw = backdrop.shape[:2]
    under, _ = _under(backdrop.astype(np.int32), w, h, places)
    v = _visible(w, h, x, y, bw, bh)
    if v is None:
        return 0
    py, px, by, bx = v
    pic = picture.astype(np.int32)[py, px]
    carried = np.abs(pic - under[py, px]).max(axis=2) <= tolerance
    differs = np.abs(backdrop[by, bx].astype(np.int32) - under[py, px]).max(axis=2) > tolerance
    return int((carried & differs).sum())


def keep_mismatches(picture, backdrop, x, y, rect, tolerance=3):
    """Pixels of the screen rectangle `rect` [x, y, w, h] that the picture at
    (x, y) covers with something other than the backdrop there."""
    import numpy as np
    h, w = picture.shape[:2]
    bh, bw = backdrop.shape[:2]
    kx, ky, kw, kh = rect
    x0, y0 = max(x, kx, 0), max(y, ky, 0)
    x1, y1 = min(x + w, kx + kw, bw), min(y + h, ky + kh, bh)
    if x0 >= x1 or y0 >= y1:
        return 0
    pic = picture[y0 - y:y1 - y, x0 - x:x1 - x].astype(np.int32)
    return int((np.abs(pic - backdrop[y0:y1, x0:x1].astype(np.int32)).max(axis=2) > tolerance).sum())


def check_backdrops(jobs, out_root):
    """Every picture with a backdrop (`on`) against that backdrop at each of
    its places: a list of findings, empty when all fit."""
    import numpy as np
    from PIL import Image
    found = []
    for r, i, item, folder, outs in jobs:
        if "on" not in item:
            continue
        backdrop_file, places = on_places(item)
        with Image.open(os.path.join(out_root, backdrop_file)) as b:
            backdrop = np.asarray(b.convert("RGB"))
        for o in outs:
            with Image.open(os.path.join(out_root, o)) as p:
                pic = np.asarray(p.convert("RGB"))
            for x, y in places:
                where = "%s item %d: %s at (%d, %d)" % (r.name, i, o, x, y)
                outside = [(name, drawn_outside(pic, drawn_mask(item, backdrop, name), x, y))
                           for name in item.get("takes", [])]
                if any(n for _, n in outside):
                    found += ["%s takes the drawing %r off %s but does not cover all of it (%d pixels outside)"
                              % (where, name, backdrop_file, n) for name, n in outside if n]
                    continue
                n = border_mismatches(pic, backdrop, x, y, crop=bool(item.get("crop")))
                if n:
                    found.append("%s %s" % (where, "leaves its backdrop %s" % backdrop_file if n < 0 else
                                 "does not match its backdrop %s at its border (%d pixels): cut it from the backdrop "
                                 "or key it" % (backdrop_file, n)))
                    continue
                n = place_mismatches(pic, backdrop, places, x, y) if len(places) > 1 else 0
                if n:
                    found.append("%s shows the backdrop of %s at another place (%d pixels): the backdrop under "
                                 "all its places must be the same" % (where, backdrop_file, n))
                for rect in item.get("keep", []):
                    n = keep_mismatches(pic, backdrop, x, y, rect)
                    if n:
                        found.append("%s covers %s, which it must leave showing (%d pixels)" % (where, list(rect), n))
                for name in item.get("keep_drawn", []):
                    n = drawn_mismatches(pic, backdrop, drawn_mask(item, backdrop, name), x, y)
                    if n:
                        found.append("%s covers the drawing %r of %s, which it must leave showing (%d pixels)"
                                     % (where, name, backdrop_file, n))
    return found


def drawn_mask(item, backdrop, name, tolerance=3):
    """The pixels of the backdrop (numpy RGB) where its drawing `name` shows:
    where the backdrop differs from itself drawn without it."""
    import numpy as np
    key = (on_places(item)[0], name)
    if key not in _masks:
        b = backdrop.astype(np.int32)
        _masks[key] = np.abs(b - backdrop_pixels(item, b, [name])).max(axis=2) > tolerance
    return _masks[key]


def drawn_mismatches(picture, backdrop, mask, x, y, tolerance=3):
    """Pixels of the drawing `mask` (screen-sized) that the picture at (x, y)
    shows other than the backdrop does."""
    import numpy as np
    h, w = picture.shape[:2]
    bh, bw = backdrop.shape[:2]
    v = _visible(w, h, x, y, bw, bh)
    if v is None:
        return 0
    py, px, by, bx = v
    off = np.abs(picture[py, px].astype(np.int32) - backdrop[by, bx].astype(np.int32)).max(axis=2) > tolerance
    return int((off & mask[by, bx]).sum())


def drawn_outside(picture, mask, x, y):
    """Pixels of the drawing `mask` (screen-sized) that lie outside the
    picture at (x, y)."""
    h, w = picture.shape[:2]
    inside = mask[max(0, y):max(0, y + h), max(0, x):max(0, x + w)].sum()
    return int(mask.sum() - inside)


# Pictures at their places on the screen ------------------------------------
#
# An item may say where the game draws it on the 800 x 600 screen:
# `screen=[[x, y], ...]` (the top-left corner at each place); a picture that
# leaves the screen there fails the build. It may also say what text the game
# writes over it: `holds=[dict(font="progressive2.ttf", size=30, texts=[...],
# at=[x, y], margin=3, within=[x, y, w, h], plain=True), ...]`, each text
# written by a label centred on `at` (screen positions) at that point size:
# its left end at x - w/2 and its baseline h/2 below y, w x h being the
# text's box as the game's TrueType renderer measures it (the glyphs'
# advances across, the face's highest to lowest point down, at 96 dots an
# inch). That box, from the face's top above the baseline (the area the
# label saves and puts back), grown by `margin` on every side, must stay
# inside `within` and, with `plain`, lie on one plain colour of the picture
# (a window that holds it with room to spare). `clear=[[x, y, w, h], ...]`:
# screen rectangles the picture must not cover at any of its places.

SCREEN_SIZE = (800, 600)


def held_box(font_path, points, text, at, margin):
    """(width, height) of the text's box and its [left, top, right, bottom)
    on the screen, grown by `margin`, written centred on `at`."""
    from agen.places import text_layout, text_origin
    width, ascent, height, _ = text_layout(font_path, points, text)
    left, baseline = text_origin(4, at[0], at[1], width, ascent, height)
    top = baseline - ascent
    return (width, height), [left - margin, top - margin, left + width + margin, top + height + margin]


def check_places(jobs, out_root):
    """Every picture with `screen` places or `holds` texts against them: a
    list of findings, empty when every picture and text fits its place."""
    import numpy as np
    from PIL import Image
    found = []
    for r, i, item, folder, outs in jobs:
        places = [tuple(p) for p in item.get("screen", [])]
        holds = item.get("holds", [])
        if not places and not holds:
            if item.get("clear"):
                found.append("%s item %d: 'clear' needs the picture's places ('screen')" % (r.name, i))
            continue
        where = "%s item %d" % (r.name, i)
        for o in outs:
            if not o.endswith(".png") and ".png." not in o:
                continue
            with Image.open(os.path.join(out_root, o)) as p:
                pic = np.asarray(p.convert("RGB")).astype(np.int32)
            h, w = pic.shape[:2]
            for x, y in places:
                if x < 0 or y < 0 or x + w > SCREEN_SIZE[0] or y + h > SCREEN_SIZE[1]:
                    found.append("%s: %s (%d x %d) at (%d, %d) leaves the %d x %d screen"
                                 % (where, o, w, h, x, y, SCREEN_SIZE[0], SCREEN_SIZE[1]))
                for cx, cy, cw, ch in item.get("clear", []):
                    if x < cx + cw and cx < x + w and y < cy + ch and cy < y + h:
                        found.append("%s: %s (%d x %d) at (%d, %d) covers %s, which it must leave showing"
                                     % (where, o, w, h, x, y, [cx, cy, cw, ch]))
            px, py = places[0] if places else (0, 0)
            for hold in holds:
                font = os.path.join(out_root, "fonts", hold["font"])
                if not os.path.exists(font):
                    found.append("%s: font %s is not there to measure" % (where, hold["font"]))
                    continue
                margin = hold.get("margin", 0)
                for text in hold["texts"]:
                    size, (left, top, right, bottom) = held_box(font, hold["size"], text, hold["at"], margin)
                    say = "%s: %s: \"%s\" at %d points (%d x %d) centred on %s with %d px round it" % (
                        where, o, text, hold["size"], size[0], size[1], tuple(hold["at"]), margin)
                    if "within" in hold:
                        bx, by, bw, bh = hold["within"]
                        if left < bx or top < by or right > bx + bw or bottom > by + bh:
                            found.append("%s leaves its place %s" % (say, tuple(hold["within"])))
                    if hold.get("plain"):
                        l, t, rr, b = left - px, top - py, right - px, bottom - py
                        if l < 0 or t < 0 or rr > w or b > h:
                            found.append("%s runs off the picture" % say)
                            continue
                        under = pic[t:b, l:rr].reshape(-1, 3)
                        if (np.abs(under - under[0]).max(axis=1) > 3).any():
                            found.append("%s does not lie on one plain window in the picture: draw the window "
                                         "to hold it" % say)
    return found


# Pictures in the place their screen gives them --------------------------
#
# A picture the game draws at fixed points can say so: `fits=dict(at=[[x, y],
# ...], room=[left, top, width, height])` (or a list of such dicts): drawn
# with its top-left corner at each point, every file the item makes must lie
# inside the room (the space the screen leaves it between its neighbours).
# A picture that does not fit fails the build, naming the recipe, the file
# and the place; redraw it smaller, the places stay.

def fit_rules(item):
    rules = item["fits"]
    rules = rules if isinstance(rules, list) else [rules]
    out = []
    for rule in rules:
        if not (isinstance(rule, dict) and isinstance(rule.get("at"), list) and len(rule.get("room", [])) == 4):
            raise ValueError("'fits' is dict(at=[[x, y], ...], room=[left, top, width, height]) or a list of them")
        out.append(([tuple(p) for p in rule["at"]], tuple(rule["room"])))
    return out


def misfits(size, at, room):
    """The points of `at` at which a picture of `size` leaves `room`."""
    w, h = size
    left, top, rw, rh = room
    return [(x, y) for x, y in at if x < left or y < top or x + w > left + rw or y + h > top + rh]


def check_fits(jobs, out_root):
    """Every picture with a place (`fits`) against its room: a list of
    findings, empty when each fits."""
    from PIL import Image
    found = []
    for r, i, item, folder, outs in jobs:
        if "fits" not in item:
            continue
        for o in outs:
            with Image.open(os.path.join(out_root, o)) as p:
                size = p.size
            for at, room in fit_rules(item):
                for x, y in misfits(size, at, room):
                    found.append("%s item %d: %s (%d x %d) at (%d, %d) leaves its room %s: draw it to fit" % (
                        r.name, i, o, size[0], size[1], x, y, list(room)))
    return found


def _run(job):
    rname, i, item, folder, out_root = job
    try:
        kindmap = kinds()
        os.environ["ASSETGEN_ITEM"] = "%s item %d (%s)" % (rname, i, item.get("file", item.get("name", "")))
        if "on" in item:
            _render_on(item, kindmap, out_root, folder)
        else:
            kindmap[item["kind"]][1](item, os.path.join(out_root, folder))
        return None
    except (Exception, SystemExit):   # SystemExit too: a worker that exits leaves the pool waiting forever
        tb = traceback.format_exc().strip().splitlines()
        return "%s item %d (%s %s): %s\n    %s" % (rname, i, item.get("kind"), item.get("file", item.get("name", "")),
                                                tb[-1], "\n    ".join(tb[-4:-1]))


def _cost(item):
    if item["kind"] == "anim":
        return 1000 + int(item.get("frames", 1)) * 10
    if item["kind"] in ("background", "panel", "page"):
        return 500
    return 1


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--out", required=True, help="root folder that receives gfx/, sounds/ and fonts/")
    ap.add_argument("--force", action="store_true", help="rebuild everything")
    ap.add_argument("--list", action="store_true", help="print every file the recipes make, and stop")
    ap.add_argument("--check", action="store_true", help="exit 1 when a file the recipes make is missing")
    ap.add_argument("--jobs", type=int, default=0, help="worker processes (default: one per core)")
    ap.add_argument("--prune", action="store_true",
                    help="also delete files under gfx/, sounds/ and fonts/ that no recipe makes (left over from "
                         "renamed or removed recipes)")
    ap.add_argument("--quiet", action="store_true")
    ap.add_argument("--recipes", help="recipes folder (default: recipes/ beside this script)")
    ap.add_argument("--sources", help="the game's C++ sources, whose headers recipes read (default: src/ beside "
                                      "the assetgen folder)")
    a = ap.parse_args()
    global RECIPES, SOURCES
    if a.recipes:
        RECIPES = os.path.abspath(a.recipes)
    if a.sources:
        SOURCES = os.path.abspath(a.sources)
    out_root = os.path.abspath(a.out)
    t0 = time.time()

    kindmap = kinds()
    recipes = [Recipe(p) for p in find_recipes()]
    jobs = plan(recipes, kindmap)

    if a.list:
        for j in jobs:
            for o in j[4]:
                print(o)
        return 0
    if a.check:
        missing = [o for j in jobs for o in j[4] if not os.path.exists(os.path.join(out_root, o))]
        for m in missing:
            print("missing: " + m)
        return 1 if missing else 0

    if a.prune:
        made = {o for j in jobs for o in j[4]}
        for top in ("gfx", "sounds", "fonts"):
            for base, _, names in os.walk(os.path.join(out_root, top)):
                for n in names:
                    rel = os.path.relpath(os.path.join(base, n), out_root).replace(os.sep, "/")
                    if rel not in made and rel != STAMP.replace(os.sep, "/"):
                        os.remove(os.path.join(base, n))
                        if not a.quiet:
                            print("assetgen: removed " + rel)

    from agen.fonts import font_sources
    chash = code_hash()
    stamp_path = os.path.join(out_root, STAMP)
    try:
        with open(stamp_path) as f:
            stamp = json.load(f)
    except (OSError, ValueError):
        stamp = {}

    def recipe_hash(r):
        h = hashlib.sha256(chash.encode())
        h.update(r.text)
        for p in r.reads:
            with open(p, "rb") as f:
                h.update(f.read())
        for i, item in enumerate(r.items):
            try:
                sources = font_sources(item)
            except SystemExit as e:
                raise SystemExit("assetgen: %s item %d: %s" % (r.name, i, str(e).replace("assetgen: ", "")))
            for src in sources:
                st = os.stat(src)
                h.update(("%s:%d" % (src, st.st_size)).encode())
        return h.hexdigest()

    hashes = {r.name: recipe_hash(r) for r in recipes}
    todo = []
    for j in jobs:
        r = j[0]
        fresh = (not a.force and stamp.get(r.name) == hashes[r.name]
                 and all(os.path.exists(os.path.join(out_root, o)) for o in j[4]))
        if not fresh:
            todo.append(j)
    if not todo:
        if not a.quiet:
            print("assetgen: up to date (%d recipes, %d files)" % (len(recipes), sum(len(j[4]) for j in jobs)))
        return 0

    stale = sorted({j[0].name for j in todo})
    # stale recipes are remade whole, so a recipe's files always match its text
    todo = [j for j in jobs if j[0].name in stale]
    todo.sort(key=lambda j: -_cost(j[2]))
    work = [(j[0].name, j[1], j[2], j[3], out_root) for j in todo]
    for r in recipes:
        if r.name in stale:
            stamp.pop(r.name, None)
    nproc = a.jobs or max(2, os.cpu_count() or 2)
    results = []
    # pictures over a backdrop (`on`) are drawn once their backdrops are made
    for phase in ([w for w in work if "on" not in w[2]], [w for w in work if "on" in w[2]]):
        if nproc == 1 or len(phase) < 4:
            results += [_run(w) for w in phase]
        else:
            with Pool(nproc) as pool:
                results += list(pool.imap_unordered(_run, phase, chunksize=1))
    errors = [e for e in results if e]
    if not errors:
        from agen.places import check_places as check_written_places
        for finding in (check_backdrops(jobs, out_root) + check_places(jobs, out_root)
                        + check_written_places(jobs, out_root) + check_fits(jobs, out_root)):
            errors.append(finding)
    failed = set()
    for e in errors:
        failed.add(e.split(" item ")[0])
        sys.stderr.write("assetgen: failed: " + e + "\n")
    for name in stale:
        if name not in failed:
            stamp[name] = hashes[name]
    os.makedirs(os.path.dirname(stamp_path), exist_ok=True)
    with open(stamp_path + ".tmp", "w") as f:
        json.dump(stamp, f, indent=0, sort_keys=True)
    os.replace(stamp_path + ".tmp", stamp_path)
    if not a.quiet:
        print("assetgen: remade %d recipes, %d files in %.1f s%s" % (
            len(stale), sum(len(j[4]) for j in todo), time.time() - t0,
            (" (%d failed)" % len(errors)) if errors else ""))
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
