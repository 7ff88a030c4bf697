"""Picture kinds. Each kind has outputs(item) -> file names (relative to the
item's folder) and render(item, folder_path) which writes them."""
import hashlib
import math
import os
import numpy as np
from PIL import Image, ImageDraw, ImageEnhance
from .common import (colour, mix, lighter, darker, new_image, draw_text, vgradient, bevel_box,
                     save_png, apply_key, PALETTE, font, fit_font, table_size, fit_size, text_box, check_pair, contrast,
                     MIN_TEXT_SIZE, MIN_CONTRAST)
from .symbols import render_glyph, render_card, GLYPHS, ALIASES, PICTURE_GLYPHS
from . import common


def _seed(*parts):
    return int(hashlib.sha256("|".join(str(p) for p in parts).encode()).hexdigest()[:8], 16)


def _size(item, default=(100, 100)):
    s = item.get("size", default)
    return int(s[0]), int(s[1])


# ---------------------------------------------------------------- surfaces

BG_STYLES = {
    "felt": ("felt", "darkfelt"),
    "gradient": ("burgundy", "darkburgundy"),
    "panel": ("burgundy", "darkburgundy"),
    "dark": ("charcoal", "black"),
    "red": ("red", "darkburgundy"),
    "blue": ("blue", "navy"),
    "sea": ("sea", "navy"),
    "sky": ("sky", "lightblue"),
    "wood": ("wood", "brown"),
    "gold": ("lightgold", "darkgold"),
    "cream": ("cream", "parchment"),
    "cabinet": ("burgundy", "darkburgundy"),
    "plain": (None, None),
}


def paint_surface(img, box, style="felt", colors=None, seed=0, border=None):
    """Fills box with a named surface style; colors=[top, bottom] overrides the style's."""
    x0, y0, x1, y1 = [int(v) for v in box]
    top, bottom = BG_STYLES.get(style, BG_STYLES["gradient"])
    if colors:
        top, bottom = colors[0], colors[-1]
    if style == "plain":
        ImageDraw.Draw(img).rectangle((x0, y0, x1 - 1, y1 - 1), fill=colour(top or "black"))
    else:
        vgradient(img, (x0, y0, x1, y1), top, bottom)
    w, h = x1 - x0, y1 - y0
    if style in ("felt", "wood") and w > 0 and h > 0:
        rng = np.random.default_rng(seed)
        region = np.asarray(img.crop((x0, y0, x1, y1))).astype(np.int16)
        if style == "felt":
            noise = rng.integers(-9, 10, size=(h, w, 1))
            yy, xx = np.mgrid[0:h, 0:w]
            dist = np.sqrt(((xx - w / 2) / (w / 2 + 1)) ** 2 + ((yy - h / 2) / (h / 2 + 1)) ** 2)
            vign = (np.clip(dist - 0.55, 0, 1) * 60)[..., None]
            region = region + noise - vign.astype(np.int16)
        else:
            grain = (np.sin(np.arange(h)[:, None] * 0.35 + rng.normal(0, 1, (1, w)).cumsum(axis=1) * 0.05) * 14)
            region = region + grain[..., None].astype(np.int16)
        img.paste(Image.fromarray(np.clip(region, 0, 255).astype(np.uint8)), (x0, y0))
    d = ImageDraw.Draw(img)
    if border or style in ("panel", "cabinet"):
        bc = colour(border if isinstance(border, (str, list, tuple)) else "gold")
        d.rectangle((x0, y0, x1 - 1, y1 - 1), outline=darker(bc, 0.4), width=1)
        d.rectangle((x0 + 2, y0 + 2, x1 - 3, y1 - 3), outline=bc, width=3)
        d.rectangle((x0 + 7, y0 + 7, x1 - 8, y1 - 8), outline=darker(bc, 0.3), width=1)


def slot_panel_elements(panel="darkburgundy", bottom=""):
    """The lower half of every three-reel cabinet (single-line and multi-line):
    meters, badge window, coin slot, the five buttons' normal look, the bill
    acceptor and the bottom glass, where the game places them."""
    return [
        # the meters' digits stand about 47 px tall on the baseline y 382; each
        # label stands over its meter's right end, above the digits (the money
        # prompt, opened at (232, 222), covers the CREDITS label whole)
        dict(meter=[36, 331, 138, 59], label="PAID", label_at="right"),
        dict(meter=[180, 331, 138, 59], label="CREDITS", label_at="right"),
        dict(meter=[584, 331, 82, 59], label="BET", label_at="right"),
        # the badge sits at (334, 288); the coin slot at (446, 371)
        dict(box=[330, 284, 147, 92], fill="black", outline="gold", width=2, radius=6),
        dict(box=[482, 372, 24, 32], fill="charcoal", outline="gold", width=2, radius=3),
        dict(line=[494, 378, 494, 398], color="black", width=3),
        dict(text="COIN", at=[462, 392], anchor="mm", size=11, color="lightgold", font="sans-bold", outline="black"),
        # the buttons' normal look (their mouse-over pictures are the same size)
        dict(box=[31, 401, 70, 45], bevel=True, fill="darkburgundy", label="CHANGE", size=12, color="cream"),
        dict(box=[106, 401, 72, 45], bevel=True, fill="darkburgundy", label="CASH OUT", size=12, color="cream"),
        dict(box=[183, 401, 80, 45], bevel=True, fill="darkfelt", label="BET ONE", size=13, color="cream"),
        dict(box=[268, 402, 100, 45], bevel=True, fill="burgundy", label="SPIN", size=20, color="lightgold"),
        dict(box=[649, 399, 90, 45], bevel=True, fill="darkfelt", label="BET MAX", size=13, color="cream"),
        # the bill acceptor (the "money" spot at 621, 473)
        dict(box=[628, 478, 164, 82], fill="charcoal", outline="gold", width=2, radius=6),
        dict(box=[650, 520, 120, 10], fill="black"),
        dict(text="INSERT BILLS", at=[710, 500], anchor="mm", size=14, color="lightgold", font="sans-bold"),
        # bottom glass
        dict(box=[0, 566, 800, 34], fill=panel, outline="gold", width=2),
        dict(text=bottom, at=[400, 583], anchor="mm", size=14, color="gold", font="serif-bold", max_w=780,
             outline="black"),
    ]


def expand_elements(elements):
    """Elements with every `slot_panel` element replaced by what it stands for."""
    out = []
    for e in elements or []:
        if "slot_panel" in e:
            out += slot_panel_elements(e.get("panel", "darkburgundy"), e.get("bottom", ""))
        elif "pays" in e:
            out += pay_rows(e["pays"], e["at"][0], e["right"], e["at"][1], e.get("pitch", 20), e.get("size", 11),
                            e.get("font", "condensed-bold"), e.get("color", "cream"), e.get("amount_color", "lightgold"))
        else:
            out.append(e)
    return out


def _text_place(e, size):
    """(anchor point, box, centred) of a text element in a picture of that size."""
    if e.get("at") is None and "box" in e:
        bx, by, bw, bh = e["box"]
        return (bx + bw / 2, by + bh / 2), (bx, by, bx + bw, by + bh), True
    anchor = e.get("anchor", "mm")
    return tuple(e["at"]), text_box(e["at"], anchor, e.get("max_w"), e.get("max_h"), size), False


def one_size_per_table(img, elements):
    """Text elements that name the same `table` are drawn at one size: the
    largest at which every one of them fits its own box."""
    d = ImageDraw.Draw(img)
    sizes = {}
    for e in elements:
        if "text" in e and e.get("table"):
            at, box, centred = _text_place(e, img.size)
            s = min(sizes.get(e["table"], 10 ** 4), int(e.get("size", 20)))
            sizes[e["table"]] = fit_size(d, e["text"], e.get("font", "sans-bold"), s, at, e.get("anchor", "mm"),
                                         box, e.get("shadow"), e.get("outline"), e.get("align", "center"),
                                         centred=centred)
    return [dict(e, size=sizes[e["table"]]) if "text" in e and e.get("table") else e for e in elements]


def draw_elements(img, elements, seed=0, hide=()):
    """The drawn elements of a background or panel, in order (see README).
    Elements whose `name` is in `hide` are left out (what lies under them
    shows); the others are drawn exactly as with them."""
    d = ImageDraw.Draw(img)
    for i, e in enumerate(one_size_per_table(img, expand_elements(elements))):
        if e.get("name") is not None and e["name"] in hide:
            continue
        if "symbol" in e or "card" in e:
            x, y, w, h = e["box"]
            if "symbol" in e:
                look = machine_symbol(e["symbol"], e)
                # `turn` 90 or -90: the glyph drawn on its side (a fish hung up by its tail), filling the box
                turn = int(e.get("turn", 0)) % 360
                if turn not in (0, 90, 180, 270):
                    raise ValueError("a symbol's 'turn' is a quarter turn (90, -90 or 180), not %r" % e["turn"])
                gw, gh = (int(h), int(w)) if turn in (90, 270) else (int(w), int(h))
                g = render_glyph(look.pop("glyph"), gw, gh, look)
                if turn:
                    g = g.transpose({90: Image.ROTATE_90, 180: Image.ROTATE_180, 270: Image.ROTATE_270}[turn])
            else:
                g = render_card(e["card"], int(w), int(h), e)
            mask = g
            if e.get("hard"):
                # no blending at the edge (for colour-keyed pictures: no key-coloured fringe)
                mask = g.getchannel("A").point(lambda v: 255 if v >= 128 else 0)
            img.paste(g.convert("RGB") if e.get("hard") else g, (int(x), int(y)), mask)
            d = ImageDraw.Draw(img)
        elif "box" in e and "text" not in e:
            x, y, w, h = e["box"]
            if e.get("style"):
                paint_surface(img, (x, y, x + w, y + h), e["style"], e.get("colors"), seed + i, e.get("border"))
                d = ImageDraw.Draw(img)
            elif e.get("bevel"):
                bevel_box(d, (x, y, x + w - 1, y + h - 1), e.get("fill", "burgundy"), radius=e.get("radius", 0))
            elif e.get("alpha") is not None:
                # a smoked-glass box on a picture with an alpha channel: what lies under it shows dimly
                if img.mode != "RGBA":
                    raise ValueError("a box with 'alpha' needs a picture with an alpha channel (alpha=True)")
                layer = Image.new("RGBA", img.size, (0, 0, 0, 0))
                ld = ImageDraw.Draw(layer)
                ld.rounded_rectangle((x, y, x + w - 1, y + h - 1), e.get("radius", 0),
                                     fill=colour(e.get("fill", "black")) + (int(e["alpha"]),))
                if e.get("outline"):
                    ld.rounded_rectangle((x, y, x + w - 1, y + h - 1), e.get("radius", 0),
                                         outline=colour(e["outline"]) + (255,), width=e.get("width", 1))
                img.alpha_composite(layer)
                d = ImageDraw.Draw(img)
            else:
                kw = dict(fill=colour(e["fill"]) if e.get("fill") else None,
                          outline=colour(e["outline"]) if e.get("outline") else None, width=e.get("width", 1))
                if e.get("radius"):
                    d.rounded_rectangle((x, y, x + w - 1, y + h - 1), e["radius"], **kw)
                else:
                    d.rectangle((x, y, x + w - 1, y + h - 1), **kw)
            if e.get("label"):
                draw_text(d, (x + w / 2, y + h / 2), e["label"], e.get("font", "sans-bold"), e.get("size", min(h * 0.55, 28)),
                          e.get("color", "cream"), shadow=e.get("shadow"), box=(x + 3, y + 2, x + w - 3, y + h - 2),
                          fit="ink")
        elif "meter" in e:
            x, y, w, h = e["meter"]
            d.rectangle((x - 2, y - 2, x + w + 1, y + h + 1), fill=colour(e.get("frame", "gold")))
            d.rectangle((x, y, x + w - 1, y + h - 1), fill=colour(e.get("fill", "black")))
            if e.get("label"):
                right = e.get("label_at") == "right"
                draw_text(d, (x + w - 2 if right else x + w / 2, y - 4), e["label"], "sans-bold", e.get("size", 13),
                          e.get("color", "gold"), anchor="rs" if right else "ms", max_w=w if right else w + 40,
                          outline=e.get("outline", "black"))
            if e.get("ghost"):
                draw_text(d, (x + w - 6, y + h / 2), e["ghost"], "led", int(h * 0.6), "ledoff", anchor="rm")
        elif "text" in e:
            at, box, fit = e.get("at"), None, None
            if at is None and "box" in e:
                # centred in its box, the letters themselves
                bx, by, bw, bh = e["box"]
                at, box, fit = (bx + bw / 2, by + bh / 2), (bx, by, bx + bw, by + bh), "ink"
            draw_text(d, at, e["text"], e.get("font", "sans-bold"), e.get("size", 20), e.get("color", "cream"),
                      anchor=e.get("anchor", "mm"), shadow=e.get("shadow"), outline=e.get("outline"),
                      max_w=e.get("max_w"), max_h=e.get("max_h"), align=e.get("align", "center"), box=box, fit=fit,
                      stroke=e.get("stroke", 1))
        elif "line" in e:
            d.line([tuple(e["line"][:2]), tuple(e["line"][2:4])], fill=colour(e.get("color", "gold")), width=e.get("width", 2))
        elif "circle" in e and e.get("smooth"):
            # drawn four times larger and scaled down: a round edge without steps (a disc a wheel turns on)
            cx, cy, r = e["circle"]
            k, x0, y0 = 4, int(cx - r) - 1, int(cy - r) - 1
            n = int(2 * r) + 3
            layer = Image.new("RGBA", (n * k, n * k), (0, 0, 0, 0))
            ImageDraw.Draw(layer).ellipse(((cx - r - x0) * k, (cy - r - y0) * k, (cx + r - x0 + 1) * k - 1,
                                           (cy + r - y0 + 1) * k - 1),
                                          fill=colour(e["fill"]) + (255,) if e.get("fill") else None,
                                          outline=colour(e["outline"]) + (255,) if e.get("outline") else None,
                                          width=e.get("width", 1) * k)
            small = layer.resize((n, n), Image.LANCZOS)
            if img.mode == "RGBA":
                img.alpha_composite(small, (x0, y0))
            else:
                img.paste(small.convert("RGB"), (x0, y0), small)
            d = ImageDraw.Draw(img)
        elif "circle" in e:
            cx, cy, r = e["circle"]
            d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=colour(e["fill"]) if e.get("fill") else None,
                      outline=colour(e["outline"]) if e.get("outline") else None, width=e.get("width", 1))
        elif "polygon" in e:
            pts = e["polygon"]
            d.polygon([(pts[k], pts[k + 1]) for k in range(0, len(pts), 2)], fill=colour(e.get("fill", "gold")),
                      outline=colour(e["outline"]) if e.get("outline") else None)
        elif "lights" in e:
            # a row of marquee bulbs along the rectangle's edge
            x, y, w, h = e["lights"]
            step = e.get("step", 24)
            r = e.get("r", 4)
            pts = []
            for k in range(0, int(w) + 1, step):
                pts += [(x + k, y), (x + k, y + h)]
            for k in range(step, int(h), step):
                pts += [(x, y + k), (x + w, y + k)]
            for n, (px, py) in enumerate(pts):
                c = colour(e.get("on", "lightgold")) if (n // 2) % 2 == 0 else colour(e.get("off", "darkgold"))
                d.ellipse((px - r, py - r, px + r, py + r), fill=c, outline=darker(c, 0.5))
        else:
            raise ValueError("unknown element %r" % (e,))


def title_block(img, item, w, h):
    d = ImageDraw.Draw(img)
    if item.get("title"):
        ty = item.get("title_y", min(60, h * 0.16) if not item.get("lines") else min(40, h * 0.12))
        at = item.get("title_at", (w / 2, ty))
        box, fit = None, None
        if item.get("title_box"):
            # the title's own band (clear of marquee lights and frames)
            bx, by, bw, bh = item["title_box"]
            at, box, fit = (bx + bw / 2, by + bh / 2), (bx, by, bx + bw, by + bh), "ink"
        draw_text(d, at, item["title"], item.get("title_font", "serif-bold"), item.get("title_size", max(14, min(56, h // 9))),
                  item.get("title_color", "gold"), shadow="black", outline=item.get("title_outline", "black"), max_w=w - 24,
                  box=box, fit=fit)
    if item.get("subtitle"):
        at = item.get("subtitle_at", (w / 2, item.get("title_y", min(60, h * 0.16)) + item.get("title_size", 40) * 0.9))
        draw_text(d, at, item["subtitle"], "sans-bold", item.get("subtitle_size", max(11, min(24, h // 20))),
                  item.get("text_color", "cream"), max_w=w - 24)
    lines = item.get("lines")
    if lines:
        size = item.get("text_size", max(10, min(20, h // 22)))
        top = item.get("text_top", (item.get("title_y", min(40, h * 0.12)) + size * 2.2) if item.get("title") else 14)
        gap = item.get("line_gap", size * 1.45)
        if gap < size:
            # a small line_gap is the space between lines, not the line pitch
            gap = size * 1.15 + gap
        x = item.get("text_x", 24 if item.get("text_align", "left") == "left" else w / 2)
        anchor = "la" if item.get("text_align", "left") == "left" else "ma"
        y = top
        for line in lines:
            txt = line
            col = item.get("text_color", "cream")
            if isinstance(line, (list, tuple)):
                txt, col = line[0], line[1]
            draw_text(d, (x, y), txt, item.get("text_font", "sans"), size, col, anchor=anchor,
                      max_w=w - x - 16 if anchor == "la" else w - 32)
            y += gap


def finish(img, item, mask=None):
    """Applies the colour key when asked: key=True keys everything outside mask
    (or the picture's border colour when there's no mask)."""
    if item.get("key") and mask is not None:
        return apply_key(img, mask)
    if item.get("key"):
        img = img.copy()
        img.putpixel((0, 0), PALETTE["key"])
    return img


# ---------------------------------------------------------------- kinds

def background_image(item, seedname="", hide=()):
    w, h = _size(item, (800, 600))
    if item.get("alpha"):
        # only the elements, on a clear ground: for a picture the game keeps
        # in its own format and blends by its alpha channel over what changes
        # under it (a mark over the reels)
        if item.get("key"):
            raise ValueError("a picture with an alpha channel needs no colour key")
        img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    else:
        img = new_image((w, h))
        paint_surface(img, (0, 0, w, h), item.get("style", "felt"), item.get("colors"), _seed(seedname, w, h),
                      item.get("border"))
    draw_elements(img, item.get("elements"), _seed(seedname), hide)
    title_block(img, item, w, h)
    return img


def backdrop_without(item, names):
    """A background item's picture as it is made, but without its elements
    named in `names`: what lies under them (RGB)."""
    return finish(background_image(item, item["file"], hide=set(names)), item).convert("RGB")


def render_background(item, folder):
    img = background_image(item, item["file"])
    save_png(finish(img, item), os.path.join(folder, item["file"]))


def panel_defaults(item):
    it = dict(item)
    it.setdefault("style", "panel")
    return it


def render_panel(item, folder):
    render_background(panel_defaults(item), folder)


# Buttons ------------------------------------------------------------------

BUTTON_SUFFIX = {"std": "_std", "click": "_click", "mo": "_mo", "flash": "_flash", "disabled": "_disabled", "plain": ""}


def button_outputs(item):
    return [item["name"] + BUTTON_SUFFIX[s] + ".png" for s in item.get("states", ["std", "mo", "click"])]


def button_image(item, state):
    w, h = _size(item, (100, 40))
    base = colour(item.get("color", "red"))
    text = colour(item.get("text", "cream"))
    shape = item.get("shape", "round")
    if state == "mo" or state == "flash":
        base = lighter(base, 0.3)
        text = colour(item.get("lit_text", "lightgold" if state == "mo" else "white"))
        if "lit_text" not in item and contrast(text, base) < MIN_CONTRAST:
            # a light face takes the darkest type, a dark one the lightest
            text = max((text, colour("white"), colour("ink")), key=lambda c: contrast(c, base))
    elif state == "disabled":
        g = int(sum(base) / 3 * 0.5 + 50)
        base = (g, g, g)
        text = (150, 150, 150)
    ss = 3
    W, H = w * ss, h * ss
    img = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    rim = colour(item.get("rim", "gold")) if state != "disabled" else (110, 110, 110)
    if state == "flash":
        rim = colour("white")
    off = ss * 2 if state == "click" else 0
    r = min(W, H) * (0.5 if shape in ("oval", "circle") else 0.22 if shape == "round" else 0.0)
    if shape == "circle":
        s = min(W, H)
        box = ((W - s) / 2, (H - s) / 2, (W + s) / 2 - 1, (H + s) / 2 - 1)
    else:
        box = (0, 0, W - 1, H - 1)
    # rim, shadow, face
    if shape in ("oval", "circle"):
        d.ellipse(box, fill=rim + (255,))
        inner = (box[0] + ss * 2 + off, box[1] + ss * 2 + off, box[2] - ss * 2 + off / 2, box[3] - ss * 2 + off / 2)
        d.ellipse(inner, fill=darker(base, 0.45) + (255,))
        d.ellipse((inner[0], inner[1], inner[2] - ss * 2, inner[3] - ss * 2), fill=base + (255,))
        hl = (inner[0] + (inner[2] - inner[0]) * 0.2, inner[1] + ss * 2, inner[2] - (inner[2] - inner[0]) * 0.2,
              inner[1] + (inner[3] - inner[1]) * 0.45)
        d.ellipse(hl, fill=lighter(base, 0.25) + (255,))
    else:
        d.rounded_rectangle(box, r, fill=rim + (255,))
        inner = (ss * 2, ss * 2, W - 1 - ss * 2, H - 1 - ss * 2)
        if state == "click":
            d.rounded_rectangle(inner, max(0, r - ss * 2), fill=darker(base, 0.55) + (255,))
            d.rounded_rectangle((inner[0] + ss * 2, inner[1] + ss * 2, inner[2], inner[3]), max(0, r - ss * 2),
                                fill=darker(base, 0.15) + (255,))
        else:
            d.rounded_rectangle(inner, max(0, r - ss * 2), fill=darker(base, 0.5) + (255,))
            d.rounded_rectangle((inner[0], inner[1], inner[2] - ss * 2, inner[3] - ss * 2), max(0, r - ss * 2),
                                fill=lighter(base, 0.35) + (255,))
            d.rounded_rectangle((inner[0] + ss, inner[1] + ss, inner[2] - ss * 2, inner[3] - ss * 2), max(0, r - ss * 3),
                                fill=base + (255,))
            hh = (inner[3] - inner[1]) * 0.42
            d.rounded_rectangle((inner[0] + ss * 3, inner[1] + ss * 2, inner[2] - ss * 4, inner[1] + hh),
                                max(0, r - ss * 4), fill=mix(base, (255, 255, 255), 0.12) + (255,))
    label = item.get("label", item["name"].upper())
    if label:
        check_pair(label, text, base, "on the button")
        f = fit_font(d, label, item.get("font", "sans-bold"), item.get("label_size", int(h * 0.48)) * ss,
                     W - ss * 14, H - ss * 10)
        cx, cy = W / 2 + off, H / 2 + off
        kw = dict(font=f, anchor="mm", align="center")
        fn = d.multiline_text if "\n" in label else d.text
        fn((cx + ss, cy + ss), label, fill=(0, 0, 0, 200), **kw)
        fn((cx, cy), label, fill=text + (255,), **kw)
        # the letters with their shadow, at the picture's own size
        l, t, r, b = d.multiline_textbbox((cx, cy), label, **kw)
        label_ink = (math.floor(l / ss), math.floor(t / ss), math.ceil((r + ss) / ss), math.ceil((b + ss) / ss))
    small = img.resize((w, h), Image.LANCZOS)
    if item.get("key"):
        rgb = Image.new("RGB", (w, h), (0, 0, 0))
        rgb.paste(small, (0, 0), small)
        rgb = apply_key(rgb, small.getchannel("A"))
    else:
        rgb = Image.new("RGB", (w, h), colour(item.get("bg", "black")))
        rgb.paste(small, (0, 0), small)
    if label and common.TEXT_LOG is not None:
        common.TEXT_LOG.append((rgb, label, label_ink))
    return rgb


def render_button(item, folder):
    for s in item.get("states", ["std", "mo", "click"]):
        save_png(button_image(item, s), os.path.join(folder, item["name"] + BUTTON_SUFFIX[s] + ".png"))


# Symbols, cards, badges, text ---------------------------------------------

def _on_background(rgba, item):
    w, h = rgba.size
    if item.get("alpha"):
        return rgba   # transparent round the glyph
    bg = item.get("bg", "cream")
    if item.get("key"):
        base = Image.new("RGB", (w, h), (0, 0, 0))
        base.paste(rgba, (0, 0), rgba)
        return apply_key(base, rgba.getchannel("A"))
    base = new_image((w, h), bg)
    if item.get("bg_style"):
        paint_surface(base, (0, 0, w, h), item["bg_style"], item.get("colors"), _seed(item.get("file")))
    base.paste(rgba, (0, 0), rgba)
    if item.get("frame"):
        ImageDraw.Draw(base).rectangle((0, 0, w - 1, h - 1), outline=colour(item["frame"]), width=2)
    return base


def symbol_image(item):
    w, h = _size(item, (120, 90))
    pad = item.get("pad", 0.08)
    if item.get("arrow"):
        pad = max(pad, 0.2)
    gw, gh = max(1, int(w * (1 - 2 * pad))), max(1, int(h * (1 - 2 * pad)))
    g = render_glyph(item.get("glyph", "token"), gw, gh, item)
    full = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    full.paste(g, ((w - gw) // 2, (h - gh) // 2), g)
    if item.get("arrow"):
        # an arrow beside the symbol; pictures 1 and 2 move it on (the arrow animation)
        a = max(8, int(min(w, h) * 0.22))
        step = int(item.get("arrow_step", 0))
        up = item["arrow"] == "up"
        dy = (-1 if up else 1) * step * int(h * 0.12)
        arrow = render_glyph("arrow", a, a, dict(dir=item["arrow"], color=item.get("arrow_color", "orange")))
        y = (h - a) // 2 + dy
        full.paste(arrow, (w - a, y), arrow)
        full.paste(arrow, (0, y), arrow)
    return _on_background(full, item)


def render_symbol(item, folder):
    save_png(symbol_image(item), os.path.join(folder, item["file"]))


def card_image(item):
    w, h = _size(item, (71, 96))
    c = render_card(item.get("card", "AS"), w, h, item)
    it = dict(item)
    it.setdefault("bg", "darkfelt")
    return _on_background(c, it)


def render_card_kind(item, folder):
    save_png(card_image(item), os.path.join(folder, item["file"]))


def badge_image(item):
    w, h = _size(item, (139, 84))
    img = new_image((w, h), item.get("bg", "black"))
    d = ImageDraw.Draw(img)
    col = colour(item.get("color", "burgundy"))
    bevel_box(d, (0, 0, w - 1, h - 1), "gold", radius=min(w, h) // 5, width=3)
    d.rounded_rectangle((6, 6, w - 7, h - 7), min(w, h) // 6, fill=col, outline=darker("gold", 0.3), width=2)
    text = str(item.get("label", "$1"))
    draw_text(d, (w / 2, h * 0.45), text, "serif-bold", int(h * 0.55), item.get("text", "lightgold"),
              shadow="black", max_w=w - 20, max_h=h * 0.6)
    if item.get("sub", "PER COIN"):
        draw_text(d, (w / 2, h * 0.82), item.get("sub", "PER COIN"), "sans-bold", int(h * 0.14), "cream", max_w=w - 24)
    return finish(img, item)


def render_badge(item, folder):
    save_png(badge_image(item), os.path.join(folder, item["file"]))


def text_image(item):
    w, h = _size(item, (200, 40))
    if item.get("key"):
        img = new_image((w, h), "key")
    else:
        img = new_image((w, h), item.get("bg", "black"))
        if item.get("bg_style"):
            paint_surface(img, (0, 0, w, h), item["bg_style"], item.get("colors"), _seed(item.get("file")), item.get("border"))
    d = ImageDraw.Draw(img)
    if item.get("key"):
        # hard-edged text on the key colour: draw on a mask, then fill
        check_pair(item.get("text", ""), item.get("color", "gold"), item.get("outline", "black"), "outlined in")
        mask = Image.new("L", (w, h), 0)
        md = ImageDraw.Draw(mask)
        f = fit_font(md, item.get("text", ""), item.get("font", "sans-bold"), item.get("text_size", int(h * 0.7)), w - 4, h - 2)
        stroke = item.get("stroke", 2)
        md.multiline_text((w / 2, h / 2), item.get("text", ""), font=f, fill=255, anchor="mm", align="center",
                          stroke_width=stroke)
        fillimg = new_image((w, h), item.get("outline", "black"))
        inner = Image.new("L", (w, h), 0)
        ImageDraw.Draw(inner).multiline_text((w / 2, h / 2), item.get("text", ""), font=f, fill=255, anchor="mm", align="center")
        fillimg.paste(Image.new("RGB", (w, h), colour(item.get("color", "gold"))), (0, 0), inner)
        return apply_key(fillimg, mask)
    draw_text(d, (w / 2, h / 2), item.get("text", ""), item.get("font", "sans-bold"), item.get("text_size", int(h * 0.7)),
              item.get("color", "gold"), shadow=item.get("shadow"), outline=item.get("outline"),
              max_w=w - 6, max_h=h - 2)
    draw_elements(img, item.get("elements"))
    return finish(img, item)


def render_text(item, folder):
    save_png(text_image(item), os.path.join(folder, item["file"]))


# Digits -------------------------------------------------------------------

def digits_outputs(item):
    pat = item.get("pattern", "{c}.png")
    return [pat.format(c=c, i=i) for i, c in enumerate(item.get("chars", "0123456789"))]


def render_digits(item, folder):
    pat = item.get("pattern", "{c}.png")
    for i, c in enumerate(item.get("chars", "0123456789")):
        sub = dict(item)
        sub["text"] = c
        sub.setdefault("font", "led")
        sub.setdefault("color", "ledred")
        save_png(text_image(sub), os.path.join(folder, pat.format(c=c, i=i)))


# Animations ---------------------------------------------------------------

def anim_outputs(item):
    return ["%s.png.%d" % (item["name"], i) for i in range(int(item["frames"]))]


def single_image(sub, seedname):
    """Renders a one-picture kind (used as the base of an animation)."""
    k = sub.get("kind", "background")
    sub = dict(sub)
    sub.setdefault("file", seedname)
    if k == "background":
        return background_image(sub, seedname)
    if k == "panel":
        return background_image(panel_defaults(sub), seedname)
    if k == "symbol":
        return symbol_image(sub)
    if k == "card":
        return card_image(sub)
    if k == "badge":
        return badge_image(sub)
    if k == "text":
        return text_image(sub)
    if k == "button":
        return button_image(sub, sub.get("state", "std"))
    raise ValueError("kind '%s' can't be an animation base" % k)


def _rays(w, h, t, c1, c2, n=16):
    img = new_image((w, h), c1)
    d = ImageDraw.Draw(img)
    cx, cy = w / 2, h / 2
    R = math.hypot(w, h)
    for k in range(n):
        a0 = math.radians(t + k * 360 / n)
        a1 = math.radians(t + (k + 0.5) * 360 / n)
        d.polygon([(cx, cy), (cx + R * math.cos(a0), cy + R * math.sin(a0)), (cx + R * math.cos(a1), cy + R * math.sin(a1))],
                  fill=colour(c2))
    return img


def smooth_key(rgba, edge):
    """A colour-keyed picture from an RGBA one without stair steps at its
    edge: every pixel the figure covers at all is laid over `edge` (the
    colour of the backdrop under the figure's edge), only pixels it leaves
    wholly bare become the key colour; without `edge` the edge is cut hard."""
    if edge is None:
        base = Image.new("RGB", rgba.size, (0, 0, 0))
        base.paste(rgba, (0, 0), rgba)
        return apply_key(base, rgba.getchannel("A"))
    base = Image.new("RGB", rgba.size, colour(edge))
    base.paste(rgba, (0, 0), rgba)
    return apply_key(base, rgba.getchannel("A").point(lambda v: 255 if v >= 8 else 0))


def turned_frame(base, degrees, size, item):
    """A frame of a turning picture drawn large (`base` several times the
    frame's size): turned at that size and scaled down, so that rims, edges
    and numbers come out smooth. A colour-keyed base keeps its key outside
    the figure, with the figure's edge laid over the colour `edge`."""
    if item.get("key"):
        arr = np.asarray(base.convert("RGB"))
        figure = np.any(arr != np.array(PALETTE["key"], dtype=arr.dtype), axis=2)
        fill = colour(item.get("edge", "black"))
        rgb = np.where(figure[..., None], arr, np.array(fill, dtype=arr.dtype))   # no key colour bleeds in
        rgba = Image.fromarray(np.dstack([rgb, figure.astype(np.uint8) * 255]).astype(np.uint8), "RGBA")
        turned = rgba.rotate(degrees, resample=Image.BICUBIC, fillcolor=fill + (0,))
        return smooth_key(turned.resize(size, Image.LANCZOS), item.get("edge"))
    bg = colour(item.get("bg", "black"))
    return base.rotate(degrees, resample=Image.BICUBIC, fillcolor=bg).resize(size, Image.LANCZOS)


def anim_frame(item, i, n, base):
    eff = item.get("effect", "pulse")
    w, h = base.size if base is not None else _size(item)
    t = i / max(1, n)
    if eff == "pulse":
        k = 0.75 + 0.45 * (0.5 - 0.5 * math.cos(2 * math.pi * t))
        return ImageEnhance.Brightness(base).enhance(k)
    if eff == "flash":
        return base if i % 2 == 0 else ImageEnhance.Brightness(base).enhance(1.6)
    if eff == "spin":
        if "size" in item and tuple(base.size) != _size(item):
            return turned_frame(base, -360 * t, _size(item), item)
        bg = colour(item.get("bg", "key" if item.get("key") else "black"))
        return base.rotate(-360 * t, resample=Image.NEAREST if item.get("key") else Image.BICUBIC, fillcolor=bg)
    if eff == "slide":
        # slides the base in from the given side, ending in place
        side = item.get("from", "left")
        bg = new_image((w, h), item.get("bg", "key" if item.get("key") else "black"))
        k = 1 - (i + 1) / n
        dx = int(-w * k) if side == "left" else int(w * k) if side == "right" else 0
        dy = int(-h * k) if side == "top" else int(h * k) if side == "bottom" else 0
        bg.paste(base, (dx, dy))
        return bg
    if eff == "grow":
        bg = new_image((w, h), item.get("bg", "key" if item.get("key") else "black"))
        k = 0.15 + 0.85 * (i + 1) / n
        sw, sh = max(1, int(w * k)), max(1, int(h * k))
        # from its middle, or from near its bottom edge (`grow_from` "bottom": rising out of something; the
        # point it grows from stays a little above the edge, so nothing of it touches the edge before it is full)
        at_y = round(0.9 * h * (1 - k)) if item.get("grow_from") == "bottom" else (h - sh) // 2
        bg.paste(base.resize((sw, sh), Image.NEAREST if item.get("key") else Image.BILINEAR), ((w - sw) // 2, at_y))
        return bg
    if eff == "sparkle":
        img = base.copy()
        d = ImageDraw.Draw(img)
        rng = np.random.default_rng(_seed(item["name"], i))
        for _ in range(item.get("sparks", 14)):
            x, y = int(rng.integers(4, max(5, w - 4))), int(rng.integers(4, max(5, h - 4)))
            r = int(rng.integers(2, 6))
            c = colour(item.get("spark", "white"))
            d.line([(x - r, y), (x + r, y)], fill=c)
            d.line([(x, y - r), (x, y + r)], fill=c)
        return img
    if eff == "jackpot":
        c1 = item.get("colors", ["burgundy", "red"])
        img = _rays(w, h, 360 * t / 2, c1[0], c1[1])
        d = ImageDraw.Draw(img)
        d.rectangle((0, 0, w - 1, h - 1), outline=colour("gold"), width=4)
        k = 1.0 + 0.12 * math.sin(2 * math.pi * t * 3)
        draw_text(d, (w / 2, h * 0.42), item.get("text", "JACKPOT!"), "serif-bold", int(h * 0.22 * k),
                  "lightgold" if i % 2 == 0 else "yellow", outline="darkburgundy", max_w=w - 30)
        if item.get("subtext"):
            draw_text(d, (w / 2, h * 0.72), item["subtext"], "sans-bold", int(h * 0.1), "cream", shadow="black", max_w=w - 40)
        if item.get("symbol"):
            s = int(h * 0.28)
            g = render_glyph(item["symbol"], s, s, {})
            for x in (int(w * 0.1), int(w * 0.9 - s)):
                img.paste(g, (x, int(h * 0.62)), g)
        return img
    if eff == "reel":
        return reel_frame(item, i, n)
    if eff == "frames":
        # every frame given as its own picture recipe
        return single_image(item["frame_items"][i % len(item["frame_items"])], "%s.%d" % (item["name"], i))
    raise ValueError("unknown animation effect '%s'" % eff)


def reel_strip(item):
    """The tall picture of a reel strip: the symbols stacked top to bottom."""
    w, h = _size(item, (120, 180))
    cell = int(item.get("cell", h // 3))
    syms = item.get("symbols", ["cherry", "bar1", "seven", "blank"])
    strip = new_image((w, cell * len(syms)), item.get("bg", "cream"))
    for k, s in enumerate(syms):
        params = s if isinstance(s, dict) else {"glyph": s}
        g = render_glyph(params.get("glyph", "token"), int(w * 0.8), int(cell * 0.8), params)
        strip.paste(g, (int(w * 0.1), k * cell + int(cell * 0.1)), g)
    return strip, cell


def reel_frame(item, i, n, strip=None):
    w, h = _size(item, (120, 180))
    if strip is None:
        strip, _ = reel_strip(item)
    total = strip.size[1]
    # wrap the strip so a window can start anywhere
    tall = Image.new("RGB", (w, total + h))
    tall.paste(strip, (0, 0))
    k = 0
    while k * total < h:
        tall.paste(strip, (0, total * (k + 1)))
        k += 1
    off = int(total * i / n) % total
    win = tall.crop((0, off, w, off + h))
    blur = item.get("blur", 6)
    if blur:
        # motion blur along the reel: squash the rows together and stretch them back
        win = win.resize((w, max(1, h // blur)), Image.BILINEAR).resize((w, h), Image.BILINEAR)
    shade = np.asarray(win).astype(np.float32)
    yy = np.linspace(-1, 1, h)[:, None, None]
    shade *= (1 - 0.45 * yy ** 2)
    return Image.fromarray(np.clip(shade, 0, 255).astype(np.uint8))


def _fill_text(obj, i, n):
    if isinstance(obj, str):
        return obj.replace("{i}", str(i)).replace("{n}", str(n)).replace("{i1}", str(i + 1))
    if isinstance(obj, list):
        return [_fill_text(v, i, n) for v in obj]
    if isinstance(obj, dict):
        return {k: _fill_text(v, i, n) for k, v in obj.items()}
    return obj


def render_anim(item, folder):
    n = int(item["frames"])
    eff = item.get("effect", "pulse")
    base = None
    if eff not in ("jackpot", "reel", "frames", "text"):
        base = single_image(item["base"], item["name"])
    strip = reel_strip(item)[0] if eff == "reel" else None   # drawn once, scrolled in every frame
    for i in range(n):
        if eff == "text":
            img = single_image(_fill_text(item["base"], i, n), "%s.%d" % (item["name"], i))
        elif eff == "reel":
            img = reel_frame(item, i, n, strip)
        else:
            img = anim_frame(item, i, n, base)
        if item.get("key"):
            img = img.copy()
            img.putpixel((0, 0), PALETTE["key"])
        save_png(img, os.path.join(folder, "%s.png.%d" % (item["name"], i)))


# The three-reel cabinet: every single-line three-reel machine has the same
# places for its reels (130 x 176 at x 176, 339, 507, y 78), meters, badge,
# coin slot, bill slot and buttons; only its colours, title, pay table and
# feature panel differ.
def pay_rows(rows, left, right, top, pitch, size=11, face="condensed-bold", label_color="cream", amount_color="lightgold"):
    """A pay table's rows, labels from `left` and amounts right-aligned on
    `right`, baselines `pitch` apart from `top`, every text of the table at
    one size: the largest at which the longest label still clears the widest
    amount (a table that would need less than the smallest size fails)."""
    d = ImageDraw.Draw(new_image((1, 1)))
    amounts = [str(r[1]) for r in rows]

    def layout(s):
        aw = max([d.textbbox((0, 0), a, font=font(face, s))[2] for a in amounts] or [0])
        return [(str(r[0]), (left, top + k * pitch), "ls", (left, 0, right - aw - 6, 10 ** 4))
                for k, r in enumerate(rows)]
    s = int(size)
    while s > MIN_TEXT_SIZE and table_size(d, layout(s), face, s, min_size=1) < s:
        s -= 1
    boxes = layout(s)
    s = table_size(d, boxes, face, s)
    els = []
    for (label, at, _, box), amount in zip(boxes, amounts):
        els.append(dict(text=label, at=list(at), anchor="ls", size=s, color=label_color, font=face,
                        max_w=box[2] - left))
        els.append(dict(text=amount, at=[right, at[1]], anchor="rs", size=s, color=amount_color, font=face))
    return els


def cabinet_elements(item):
    rows = item.get("pays", [])
    els = [
        dict(lights=[150, 6, 500, 86], step=22, r=4, on="yellow", off="darkgold"),
        dict(box=[164, 70, 482, 192], fill="black", outline="gold", width=3, radius=6),
        dict(box=[172, 74, 138, 184], fill=item.get("reel_bg", "cream"), outline="darkgold", width=2),
        dict(box=[335, 74, 138, 184], fill=item.get("reel_bg", "cream"), outline="darkgold", width=2),
        dict(box=[503, 74, 138, 184], fill=item.get("reel_bg", "cream"), outline="darkgold", width=2),
        # pay table on the right glass
        dict(box=[650, 70, 142, 246], fill=item.get("panel", "darkburgundy"), outline="gold", width=2, radius=6),
        dict(text=item.get("pays_title", "PAYS PER COIN"), at=[721, 86], anchor="mm", size=12, color="lightgold",
             font="sans-bold"),
    ]
    pitch = min(22, 186 // max(1, len(rows)))
    els += pay_rows(rows, 658, 786, 108, pitch, item.get("pays_size", 11))
    if item.get("pays_note"):
        els.append(dict(text=item["pays_note"], at=[721, 303], anchor="mm", size=12, color="yellow",
                        font="condensed-bold", max_w=134))
    # the feature on the left glass: a symbol and a few words
    f = item.get("feature", {})
    els.append(dict(box=[8, 70, 148, 246], fill=item.get("panel", "darkburgundy"), outline="gold", width=2, radius=6))
    if f.get("symbol"):
        # a glyph, or a symbol of the machine drawn as its reels show it
        sym = dict(symbol=f["symbol"], looks=item.get("looks", {}))
        sym.update(f.get("symbol_params", {}))
        sym["box"] = [32, 84, 100, 90]
        els.append(sym)
    y = 196
    for line in f.get("lines", []):
        els.append(dict(text=line, at=[82, y], anchor="mm", size=15, color="cream", font="sans-bold", max_w=138))
        y += 22
    if f.get("big"):
        els.append(dict(text=str(f["big"]), at=[82, 272], anchor="mm", size=34, color="gold", font="serif-bold",
                        outline="black", max_w=138))
    if f.get("under"):
        els.append(dict(text=f["under"], at=[82, 301], anchor="mm", size=13, color="lightgold", font="sans-bold",
                        max_w=138))
    els += slot_panel_elements(item.get("panel", "darkburgundy"), item.get("bottom", ""))
    return els + list(item.get("elements", []))


# The video slot cabinet: five reels of three rows (100 x 234 at x 150, 250,
# 350, 450, 550, y 65), the nickel button panel, the meters across the top
# (bet, last bet, credits; values drawn from the given x on baseline ~42), the
# paid meter centred on (642, 377), the small badge at (666, 222), the coin
# slot at (499, 390) and the bill slot at (590, 503).
VIDEO_PANEL = [("betone", 3, 446, 60, 40, "BET ONE", "red"), ("betmax", 67, 447, 94, 40, "BET MAX", "red"),
               ("change", 75, 414, 45, 30, "CHANGE", "burgundy"), ("cashout", 122, 414, 45, 30, "CASH\nOUT", "burgundy"),
               ("start", 584, 448, 92, 40, "START", "red"), ("cancel", 680, 440, 90, 40, "CANCEL", "burgundy")]
VIDEO_LINES = [165, 240, 315, 390, 464]


def video_cabinet_elements(item):
    meters = item.get("meters", dict(bet=[195, 42], lastbet=[421, 42], credits=[590, 42], paid=[642, 377]))
    panel = item.get("panel", "darkburgundy")
    els = [dict(box=[0, 0, 800, 56], fill=panel, outline="gold", width=2)]
    for key, label in (("bet", "BET"), ("lastbet", "LAST BET"), ("credits", "CREDITS")):
        x, y = meters[key]
        els += [dict(box=[x - 4, y - 20, 96, 26], fill="black", outline="gold", width=1),
                dict(text=label, at=[x - 10, y], anchor="rs", size=13, color="lightgold", font="sans-bold")]
    px, py = meters["paid"]
    # PAID over the meter's right end, clear of the money prompt's edge (x 620)
    els += [dict(box=[px - 72, py - 36, 144, 46], fill="black", outline="gold", width=2),
            dict(text="PAID", at=[px + 70, py - 42], anchor="rs", size=12, color="lightgold", font="sans-bold"),
            dict(box=[136, 57, 521, 250], fill="black", outline="gold", width=3, radius=4)]
    for k in range(5):
        els.append(dict(box=[150 + 100 * k, 65, 100, 234], fill=item.get("reel_bg", "cream")))
    els += [dict(box=[661, 217, 75, 48], fill="black", outline="gold", width=2, radius=4),
            dict(box=[499, 390, 54, 30], fill="charcoal", outline="gold", width=2, radius=4),
            dict(line=[526, 395, 526, 415], color="black", width=3),
            dict(text="COIN", at=[526, 386], anchor="ms", size=10, color="lightgold", font="sans-bold"),
            dict(box=[596, 508, 158, 76], fill="charcoal", outline="gold", width=2, radius=6),
            dict(box=[616, 546, 118, 9], fill="black"),
            dict(text="INSERT BILLS", at=[675, 528], size=13, color="lightgold", font="sans-bold"),
            # the name on a dark glass of its own under the middle of the reels, as wide as the money
            # prompt over it leaves whole (it covers x 232 to 620 from y 222 down)
            dict(box=[236, 310, 328, 34], fill="black", outline="gold", width=2, radius=6),
            dict(text=item.get("title", ""), at=[400, 327], size=item.get("title_size", 30), color="gold",
                 font=item.get("title_font", "serif-bold"), shadow="black", outline="black", max_w=312, max_h=30),
            dict(text=item.get("bottom", ""), at=[300, 520], size=14, color="cream", font="sans-bold", max_w=560)]
    for (name, x, y, w, h, label, col) in VIDEO_PANEL:
        els.append(dict(box=[x, y, w, h], bevel=True, fill=col, label=label, size=11 if w < 60 else 13, color="cream",
                        font="condensed-bold" if w < 60 else "sans-bold"))
    counts = item.get("line_buttons", [1, 2, 3, 4, 5])
    for x, n in zip(VIDEO_LINES, counts):
        els.append(dict(box=[x, 446 if x != 315 else 445, 72, 40], bevel=True, fill="darkfelt",
                        label="%d LINE%s" % (n, "" if n == 1 else "S"), size=12, color="cream"))
    return els + list(item.get("elements", []))


def cabinet_image(item):
    """back.png of a single-line three-reel machine or of a video slot."""
    if item.get("family") == "video":
        bg = dict(size=[800, 600], style="gradient", colors=item.get("colors", ["burgundy", "darkburgundy"]),
                  elements=video_cabinet_elements(item))
        return background_image(bg, "video" + str(item.get("title")))
    prog = item.get("progressive")
    els = cabinet_elements(item)
    if prog:
        # the progressive amount is written in green centred on (438, 52), at
        # most "$" and six figures, 126 x 30 px: the window holds it with room
        # to spare and sits on the reel window's frame; the machine's name goes
        # in the band left of that window and the window's label in the band
        # right of it (name and label each on a dark glass of its own, readable
        # on any cabinet colour)
        els += [dict(box=[338, 26, 200, 48], fill="black", outline="gold", width=2, radius=4),
                dict(box=[544, 39, 96, 28], fill="black", outline="gold", width=1, radius=4),
                dict(text=prog if isinstance(prog, str) else "PROGRESSIVE", at=[592, 53], anchor="mm", size=12,
                     color="lightgold", font="sans-bold", max_w=88),
                dict(box=[162, 29, 170, 45], fill="black", outline="gold", width=2, radius=4),
                dict(text=item.get("title", ""), at=[247, 52], anchor="mm", size=item.get("title_size", 30),
                     color=item.get("title_color", "gold"), font=item.get("title_font", "serif-bold"),
                     shadow="black", outline="black", max_w=160, max_h=38)]
    else:
        # the name's dark glass inside the marquee lights, above the reel window
        els.insert(1, dict(box=[158, 12, 484, 55], fill="black", outline="gold", width=2, radius=8))
    bg = dict(size=[800, 600], style="cabinet", border=True, colors=item.get("colors"),
              title="" if prog else item.get("title", ""), title_size=item.get("title_size", 58),
              title_y=15 if prog else 46, title_box=[166, 15, 468, 49], title_outline="black",
              title_color=item.get("title_color", "gold"), title_font=item.get("title_font", "serif-bold"),
              elements=els)
    return background_image(bg, item.get("file", "back.png") + str(item.get("title")))


def render_cabinet(item, folder):
    if item.get("family", "threereel") not in ("threereel", "video"):
        raise ValueError("cabinet family '%s' is not known" % item.get("family"))
    save_png(cabinet_image(item), os.path.join(folder, item.get("file", "back.png")))


# A machine's symbol set: every symbol's pictures (name.png.0 ... name.png.n-1)
# and the spinning-reel frames made from the same symbols.
DEFAULT_LOOKS = {
    "blank": dict(glyph="blank"),
    "bar": dict(glyph="bar1"), "1bar": dict(glyph="bar1"), "2bar": dict(glyph="bar2", color="blue"),
    "3bar": dict(glyph="bar3", color="red"),
    "7": dict(glyph="redseven"), "seven": dict(glyph="redseven"), "blue7": dict(glyph="blueseven"),
    "red7": dict(glyph="redseven"), "white7": dict(glyph="whiteseven"), "gold7": dict(glyph="goldseven"),
    "wild": dict(glyph="wild"), "doublewild": dict(glyph="wild", sub="2X"), "triplewild": dict(glyph="wild", sub="3X"),
    "dice": dict(glyph="dice", face=[5, 6, 4, 3, 2, 1]), "gold": dict(glyph="coin"),
    "cherry": dict(glyph="cherry"), "cherries": dict(glyph="cherry"), "bell": dict(glyph="bell"),
    "star": dict(glyph="star"), "heart": dict(glyph="heart"), "diamond": dict(glyph="gem"),
    "apple": dict(glyph="apple"), "lemon": dict(glyph="lemon"), "orange": dict(glyph="orange"),
    "plum": dict(glyph="plum"), "melon": dict(glyph="melon"), "grapes": dict(glyph="grapes"),
    "horseshoe": dict(glyph="horseshoe"), "crown": dict(glyph="crown"), "clover": dict(glyph="clover"),
    "flag": dict(glyph="flag"), "flame": dict(glyph="flame"), "fire": dict(glyph="flame"),
    "balloon": dict(glyph="balloon"), "fish": dict(glyph="fish"), "ball": dict(glyph="ball"),
    "up": dict(glyph="arrow", dir="up"), "down": dict(glyph="arrow", dir="down"),
    "arrowup": dict(glyph="arrow", dir="up"), "arrowdown": dict(glyph="arrow", dir="down"),
    # coloured bars and sevens
    "barred": dict(glyph="bar1", color="red"),
    "2barwhite": dict(glyph="bar2", color="white", text="red", rim="navy", rim_width=3),
    "3barblue": dict(glyph="bar3", color="blue"), "blueseven": dict(glyph="blueseven"),
    "redseven": dict(glyph="redseven"), "whiteseven": dict(glyph="whiteseven"),
    "silver7": dict(glyph="seven", color="silver", outline="charcoal"), "green7": dict(glyph="seven", color="green"),
    "super7": dict(glyph="seven", color="gold", outline="darkburgundy", label="7", burst="red"),
    "wildoff": dict(glyph="wild", color="silver", text="darkgrey"),
    "spin": dict(glyph="prizewheel"),
    "bonus": dict(glyph="emoji", emoji="moneybag", ring="purple"),
    "blueballoon": dict(glyph="balloon", color="blue"), "redballoon": dict(glyph="balloon", color="red"),
    "greenballoon": dict(glyph="balloon", color="green"), "yellowballoon": dict(glyph="balloon", color="yellow"),
}
_TINTS = ["cream", [250, 244, 226], [248, 240, 220], [252, 246, 232]]


def symbol_look(item, name, k):
    """Glyph parameters of picture k of a symbol: the recipe's `looks` first,
    then the default look of that name, else a token with the name on it. A
    list value (e.g. dice faces) gives each picture its own."""
    looks = item.get("looks", {})
    arrow = None
    if name not in looks and name.startswith("arrow") and "_" in name:
        # an arrow form of a symbol: "arrowup_bar", "arrowup1_yellowballoon", "arrowdown_3bar"
        head, base = name.split("_", 1)
        arrow = "down" if head.startswith("arrowdown") else "up"
        look = symbol_look(item, base, k)
        look.update(arrow=arrow, arrow_step=k)
        return look
    if name in DEFAULT_LOOKS:
        look = dict(DEFAULT_LOOKS[name])
    elif "glyph" in looks.get(name, {}):
        look = {}
    else:
        look = dict(glyph="token", label=name.upper())
    look.update(looks.get(name, {}))
    out = {}
    for key, v in look.items():
        out[key] = v[k % len(v)] if isinstance(v, list) and key not in ("colors",) else v
    return out


def machine_symbol(name, e):
    """Glyph fields of a `symbol` element: a glyph by name with the element's
    fields, or else a symbol drawn as a machine's reels show it, from the
    element's `looks` (the machine's table) and the shared looks."""
    own = "looks" in e and (name in e["looks"] or name in DEFAULT_LOOKS)
    if not own and (name in GLYPHS or name in ALIASES or name in PICTURE_GLYPHS):
        return dict(e, glyph=name)
    look = symbol_look(e, name, 0)
    look.setdefault("glyph", "token")
    look.update({k: v for k, v in e.items() if k not in ("symbol", "looks", "box", "glyph")})
    return look


def reelpictures_outputs(item):
    outs = ["%s.png.0" % n for n in item["pictures"]]
    if item.get("reel", True):
        outs += ["%s.png.%d" % (item.get("reel_name", "b"), i) for i in range(int(item.get("reel_frames", 20)))]
    return outs


# A symbol in a reel cell covers (with the box round its outline) at least
# this share of what its siblings typically cover (their median): a symbol
# drawn much smaller than the others looks lost on the reel.
CELL_FILL_SHARE = 0.5


def outline_share(rgba):
    """The share of a picture that the box round its drawn (opaque) pixels covers."""
    a = np.asarray(rgba.getchannel("A")) > 64
    ys, xs = np.nonzero(a)
    if len(xs) == 0:
        return 0.0
    return (xs.max() - xs.min() + 1) * (ys.max() - ys.min() + 1) / float(a.size)


def small_in_cell(shares):
    """{symbol: share} of the symbols that fill their cell much less than their
    siblings do (see CELL_FILL_SHARE)."""
    typical = float(np.median(list(shares.values()))) if shares else 0.0
    return {n: s for n, s in shares.items() if s < CELL_FILL_SHARE * typical}


# The pay glass shows each symbol of a reel as a small square tile (GLASS_TILE
# pixels). Two symbols whose tiles differ on average by less than
# GLASS_LOOKALIKE (of 255, per colour channel) can't be told apart there.
GLASS_TILE = 38
GLASS_LOOKALIKE = 10


def lookalikes(item, symbols):
    """[(a, b, difference)] of the symbols whose glass tiles look alike."""
    tiles = {}
    for sym in symbols:
        look = symbol_look(item, sym, 0)
        g = symbol_image(dict(look, kind="symbol", size=[GLASS_TILE, GLASS_TILE], pad=0, alpha=True))
        tile = new_image((GLASS_TILE, GLASS_TILE), "cream")
        tile.paste(g, (0, 0), g)
        tiles[sym] = np.asarray(tile).astype(np.float64)
    names = sorted(tiles)
    found = []
    for i, a in enumerate(names):
        for b in names[i + 1:]:
            diff = float(np.abs(tiles[a] - tiles[b]).mean())
            if diff < GLASS_LOOKALIKE:
                found.append((a, b, diff))
    return found


def render_reelpictures(item, folder):
    """The reel pictures of a multi-row reel: a picture named "top_middle_bottom"
    shows those three symbols from the top down (file name + ".png.0"). Fails
    when a symbol fills its cell much less than the others (small_in_cell), or
    when two symbols look alike at the pay glass's tile size (lookalikes)."""
    w, h = item.get("size", [100, 234])
    rows = 3
    cell = h // rows
    glyphs = {}
    for name in item["pictures"]:
        for sym in name.split("_")[:rows]:
            if sym not in glyphs:
                look = symbol_look(item, sym, 0)
                glyphs[sym] = symbol_image(dict(look, kind="symbol", size=[w, cell], pad=item.get("pad", 0.08),
                                                alpha=True))
    small = small_in_cell({n: outline_share(g) for n, g in glyphs.items() if n != "blank"})
    if small:
        raise ValueError("reel cell %dx%d: %s fill less than half the cell the other symbols fill: draw them to fill "
                         "their cell as the others do" % (w, cell, ", ".join(sorted(small))))
    alike = lookalikes(item, [n for n in glyphs if n != "blank"])
    if alike:
        raise ValueError("symbols that look alike on the pay glass (tiles of %d px differ by less than %d): %s: draw "
                         "them apart" % (GLASS_TILE, GLASS_LOOKALIKE,
                                         ", ".join("%s and %s (%.1f)" % a for a in alike)))
    for k, name in enumerate(item["pictures"]):
        img = new_image((w, h), item.get("bg", "cream"))
        for r, sym in enumerate(name.split("_")[:rows]):
            g = glyphs[sym]
            img.paste(g, (0, r * cell + (h - cell * rows) // 2), g)
        d = ImageDraw.Draw(img)
        for r in range(1, rows):
            d.line([(0, r * cell), (w, r * cell)], fill=colour(item.get("rule", "parchment")), width=1)
        save_png(img, os.path.join(folder, "%s.png.0" % name))
    if item.get("reel", True):
        syms = []
        for name in item["pictures"]:
            for sym in name.split("_"):
                if sym not in syms:
                    syms.append(sym)
        strip = [symbol_look(item, sym, 0) for sym in syms]
        render_anim(dict(name=item.get("reel_name", "b"), frames=int(item.get("reel_frames", 20)), effect="reel",
                         size=[w, h], symbols=strip, cell=cell, bg=item.get("bg", "cream"), blur=item.get("blur", 6)),
                    folder)


def symbolset_outputs(item):
    outs = []
    for name, count in item["symbols"]:
        outs += ["%s.png.%d" % (name, k) for k in range(int(count))]
    if item.get("reel", True):
        outs += ["%s.png.%d" % (item.get("reel_name", "b"), i) for i in range(int(item.get("reel_frames", 20)))]
    return outs


def render_symbolset(item, folder):
    size = item.get("size", [130, 176])
    for name, count in item["symbols"]:
        for k in range(int(count)):
            look = symbol_look(item, name, k)
            sub = dict(look, kind="symbol", file="%s.png.%d" % (name, k), size=size,
                       bg=look.get("bg", item.get("bg", _TINTS[k % len(_TINTS)])), pad=item.get("pad", 0.1))
            if item.get("key"):
                sub["key"] = True
            save_png(symbol_image(sub), os.path.join(folder, sub["file"]))
    if item.get("reel", True):
        strip = []
        for name, count in item["symbols"]:
            if name != "blank" or not item.get("reel_skip_blank", False):
                strip.append(symbol_look(item, name, 0))
        reel = dict(name=item.get("reel_name", "b"), frames=int(item.get("reel_frames", 20)), effect="reel",
                    size=size, symbols=item.get("reel_symbols", strip), bg=item.get("bg", "cream"),
                    blur=item.get("blur", 6))
        render_anim(reel, folder)


# A prize wheel that turns one slice per frame: frame i shows slice i at the
# top (under the pointer of the bonus screen). Neighbouring slices with the
# same label and colour form one wider field.
def wheel_outputs(item):
    return ["%s.png.%d" % (item["name"], i) for i in range(len(item["slices"]))]


def wheel_frame(item, i):
    slices = item["slices"]
    n = len(slices)
    size = int(item.get("size", [360, 360])[0])
    ss = 4   # drawn four times larger and scaled down: smooth rims, edges and numbers in every frame
    S = size * ss
    img = Image.new("RGBA", (S, S), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    c = S / 2
    r = S / 2 - ss * 2
    step = 360.0 / n
    # runs of equal slices
    runs = []
    k = 0
    while k < n:
        j = k
        while j + 1 < n and list(slices[j + 1]) == list(slices[k]):
            j += 1
        runs.append((k, j))
        k = j + 1
    if len(runs) > 1 and list(slices[runs[0][0]]) == list(slices[runs[-1][0]]):
        # a field across the seam between the last slice and the first
        last = runs.pop()
        runs[0] = (last[0] - n, runs[0][1])
    rim = colour(item.get("rim", "gold"))
    d.ellipse((0, 0, S - 1, S - 1), fill=rim + (255,))
    for (a, b) in runs:
        label, col = slices[a][0], slices[a][1]
        check_pair(label, item.get("text", "white"), col, "on its slice")
        # slice i is centred on the top (-90 degrees) in frame i
        start = -90 + (a - i) * step - step / 2
        end = -90 + (b - i) * step + step / 2
        d.pieslice((ss * 2, ss * 2, S - ss * 2, S - ss * 2), start, end, fill=colour(col) + (255,),
                   outline=rim + (255,), width=ss * 2)
        mid = math.radians((start + end) / 2)
        tx, ty = c + r * 0.68 * math.cos(mid), c + r * 0.68 * math.sin(mid)
        f = font("sans-bold", int(S * item.get("label_scale", 0.055)))
        txt = Image.new("RGBA", (int(r * 0.7), int(S * 0.1)), (0, 0, 0, 0))
        ImageDraw.Draw(txt).text((txt.size[0] / 2, txt.size[1] / 2), str(label), font=f, anchor="mm",
                                 fill=colour(item.get("text", "white")) + (255,))
        rot = txt.rotate(-math.degrees(mid), expand=True, resample=Image.BICUBIC)
        img.paste(rot, (int(tx - rot.size[0] / 2), int(ty - rot.size[1] / 2)), rot)
    if item.get("lit"):
        # the field under the pointer framed in a light colour: where the wheel stops, it names the prize
        for (a, b) in runs:
            if a <= i <= b or a <= i - n <= b:
                j = i if a <= i <= b else i - n   # a field across the seam counts the last slices below 0
                start = -90 + (a - j) * step - step / 2
                end = -90 + (b - j) * step + step / 2
                d.pieslice((ss * 2, ss * 2, S - ss * 2, S - ss * 2), start, end, outline=colour(item["lit"]) + (255,),
                           width=ss * 5)
    hub = S * 0.09
    d.ellipse((c - hub, c - hub, c + hub, c + hub), fill=rim + (255,), outline=darker(rim, 0.4) + (255,), width=ss * 2)
    if item.get("hub_colour"):
        # the hub in the colour of the field under the pointer, named: where the wheel stops, the colour that
        # came up reads at a glance
        hub = S * 0.13
        label, col = slices[i][0], slices[i][1]
        word = str(col).upper()
        check_pair(word, item.get("text", "white"), col, "on the hub")
        d.ellipse((c - hub, c - hub, c + hub, c + hub), fill=colour(col) + (255,), outline=rim + (255,), width=ss * 3)
        f = fit_font(d, word, "sans-bold", int(hub * 0.42), hub * 1.55, hub * 0.6)
        d.text((c, c), word, font=f, anchor="mm", fill=colour(item.get("text", "white")) + (255,))
    if item.get("pointer"):
        # the pointer's tip over the rim, standing still while the wheel turns under it
        p = item["pointer"]
        pts = p["polygon"]
        d.polygon([(pts[k] * ss, pts[k + 1] * ss) for k in range(0, len(pts), 2)], fill=colour(p.get("fill", "white")) + (255,),
                  outline=colour(p["outline"]) + (255,) if p.get("outline") else None, width=ss)
    small = img.resize((size, size), Image.LANCZOS)
    if item.get("key", True):
        # the rim's outer edge laid over `edge` (the disc the wheel turns on), so the key leaves no steps round it
        return smooth_key(small, item.get("edge"))
    base = new_image((size, size), item.get("bg", "black"))
    base.paste(small, (0, 0), small)
    return base


def render_wheel(item, folder):
    for i in range(len(item["slices"])):
        save_png(wheel_frame(item, i), os.path.join(folder, "%s.png.%d" % (item["name"], i)))


def payline_image(item):
    """A pay line drawn over the reels: a thick line through `points` on a
    fully transparent background (RGBA), with the line's number in a disc at
    both ends. For pictures the game keeps in their own format, so the alpha
    channel does the masking."""
    w, h = _size(item, (495, 12))
    ss = 3
    img = Image.new("RGBA", (w * ss, h * ss), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    pts = [(x * ss, y * ss) for x, y in item["points"]]
    col = colour(item.get("color", "yellow"))
    lw = int(item.get("width", 5)) * ss
    d.line(pts, fill=darker(col, 0.5) + (255,), width=lw + 2 * ss, joint="curve")
    d.line(pts, fill=col + (255,), width=lw, joint="curve")
    if item.get("label"):
        r = int(item.get("disc", 0)) * ss
        for (x, y) in (pts[0], pts[-1]):
            if r:
                check_pair(item["label"], "white", darker(col, 0.6), "on its disc")
                d.ellipse((x - r, y - r, x + r, y + r), fill=darker(col, 0.6) + (255,), outline=col + (255,), width=ss)
                d.text((x, y), str(item["label"]), font=font("sans-bold", int(r * 1.2)), anchor="mm", fill=(255, 255, 255, 255))
    return img.resize((w, h), Image.LANCZOS)


def render_payline(item, folder):
    img = payline_image(item)
    path = os.path.join(folder, item["file"])
    os.makedirs(os.path.dirname(path), exist_ok=True)
    img.save(path + ".tmp", format="PNG", optimize=False, compress_level=6)
    os.replace(path + ".tmp", path)


def single(item):
    return [item["file"]]


KINDS = {
    "background": (single, render_background),
    "panel": (single, render_panel),
    "page": (single, render_panel),
    "button": (button_outputs, render_button),
    "symbol": (single, render_symbol),
    "card": (single, render_card_kind),
    "badge": (single, render_badge),
    "text": (single, render_text),
    "digits": (digits_outputs, render_digits),
    "anim": (anim_outputs, render_anim),
    "payline": (single, render_payline),
    "cabinet": (lambda item: [item.get("file", "back.png")], render_cabinet),
    "symbolset": (symbolset_outputs, render_symbolset),
    "wheel": (wheel_outputs, render_wheel),
    "reelpictures": (reelpictures_outputs, render_reelpictures),
}
