"""Picture kinds. Each kind has outputs(item) -> file names (relative to the
item's folder) and render(item, folder_path) which writes them."""
import hashlib
import math
import os
import numpy as np
from PIL import Image, ImageDraw, ImageEnhance, ImageFilter
from .common import (colour, mix, lighter, darker, new_image, draw_text, vgradient, bevel_box,
                     save_png, apply_key, PALETTE, font, fit_font)
from .symbols import render_glyph, render_card


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


def draw_elements(img, elements, seed=0):
    """The drawn elements of a background or panel, in order (see README)."""
    d = ImageDraw.Draw(img)
    for i, e in enumerate(elements or []):
        if "box" in e and "symbol" not in e and "card" not in e and "text" not in e:
            x, y, w, h = e["box"]
            if e.get("style"):
                paint_surface(img, (x, y, x + w, y + h), e["style"], e.get("colors"), seed + i, e.get("border"))
                d = ImageDraw.Draw(img)
            elif e.get("bevel"):
                bevel_box(d, (x, y, x + w - 1, y + h - 1), e.get("fill", "burgundy"), radius=e.get("radius", 0))
            else:
                kw = dict(fill=colour(e["fill"]) if e.get("fill") else None,
                          outline=colour(e["outline"]) if e.get("outline") else None, width=e.get("width", 1))
                if e.get("radius"):
                    d.rounded_rectangle((x, y, x + w - 1, y + h - 1), e["radius"], **kw)
                else:
                    d.rectangle((x, y, x + w - 1, y + h - 1), **kw)
            if e.get("label"):
                draw_text(d, (x + w / 2, y + h / 2), e["label"], e.get("font", "sans-bold"), e.get("size", min(h * 0.55, 28)),
                          e.get("color", "cream"), max_w=w - 6, max_h=h - 4, shadow=e.get("shadow"))
        elif "meter" in e:
            x, y, w, h = e["meter"]
            d.rectangle((x - 2, y - 2, x + w + 1, y + h + 1), fill=colour(e.get("frame", "gold")))
            d.rectangle((x, y, x + w - 1, y + h - 1), fill=colour(e.get("fill", "black")))
            if e.get("label"):
                draw_text(d, (x + w / 2, y - 4), e["label"], "sans-bold", e.get("size", 13), e.get("color", "gold"),
                          anchor="ms", max_w=w + 40)
            if e.get("ghost"):
                draw_text(d, (x + w - 6, y + h / 2), e["ghost"], "led", int(h * 0.6), "ledoff", anchor="rm")
        elif "text" in e:
            at = e.get("at")
            if at is None and "box" in e:
                bx, by, bw, bh = e["box"]
                at = (bx + bw / 2, by + bh / 2)
                e = dict(e, max_w=e.get("max_w", bw - 4), max_h=e.get("max_h", bh - 2))
            draw_text(d, at, e["text"], e.get("font", "sans-bold"), e.get("size", 20), e.get("color", "cream"),
                      anchor=e.get("anchor", "mm"), shadow=e.get("shadow"), outline=e.get("outline"),
                      max_w=e.get("max_w"), max_h=e.get("max_h"), align=e.get("align", "center"))
        elif "line" in e:
            d.line([tuple(e["line"][:2]), tuple(e["line"][2:4])], fill=colour(e.get("color", "gold")), width=e.get("width", 2))
        elif "circle" in e:
            cx, cy, r = e["circle"]
            d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=colour(e["fill"]) if e.get("fill") else None,
                      outline=colour(e["outline"]) if e.get("outline") else None, width=e.get("width", 1))
        elif "symbol" in e or "card" in e:
            x, y, w, h = e["box"]
            if "symbol" in e:
                g = render_glyph(e["symbol"], int(w), int(h), e)
            else:
                g = render_card(e["card"], int(w), int(h), e)
            img.paste(g, (int(x), int(y)), g)
            d = ImageDraw.Draw(img)
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
        draw_text(d, at, item["title"], item.get("title_font", "serif-bold"), item.get("title_size", max(14, min(56, h // 9))),
                  item.get("title_color", "gold"), shadow="black", max_w=w - 24)
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

def background_image(item, seedname=""):
    w, h = _size(item, (800, 600))
    img = new_image((w, h))
    paint_surface(img, (0, 0, w, h), item.get("style", "felt"), item.get("colors"), _seed(seedname, w, h),
                  item.get("border"))
    draw_elements(img, item.get("elements"), _seed(seedname))
    title_block(img, item, w, h)
    return img


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
        f = fit_font(d, label, item.get("font", "sans-bold"), item.get("label_size", int(h * 0.48)) * ss,
                     W - ss * 14, H - ss * 10)
        cx, cy = W / 2 + off, H / 2 + off
        kw = dict(font=f, anchor="mm", align="center")
        fn = d.multiline_text if "\n" in label else d.text
        fn((cx + ss, cy + ss), label, fill=(0, 0, 0, 200), **kw)
        fn((cx, cy), label, fill=text + (255,), **kw)
    small = img.resize((w, h), Image.LANCZOS)
    if item.get("key"):
        rgb = Image.new("RGB", (w, h), (0, 0, 0))
        rgb.paste(small, (0, 0), small)
        return apply_key(rgb, small.getchannel("A"))
    bgc = colour(item.get("bg", "black"))
    rgb = Image.new("RGB", (w, h), bgc)
    rgb.paste(small, (0, 0), small)
    return rgb


def render_button(item, folder):
    for s in item.get("states", ["std", "mo", "click"]):
        save_png(button_image(item, s), os.path.join(folder, item["name"] + BUTTON_SUFFIX[s] + ".png"))


# Symbols, cards, badges, text ---------------------------------------------

def _on_background(rgba, item):
    w, h = rgba.size
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
    gw, gh = max(1, int(w * (1 - 2 * pad))), max(1, int(h * (1 - 2 * pad)))
    g = render_glyph(item.get("glyph", "token"), gw, gh, item)
    full = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    full.paste(g, ((w - gw) // 2, (h - gh) // 2), g)
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
        bg.paste(base.resize((sw, sh), Image.NEAREST if item.get("key") else Image.BILINEAR), ((w - sw) // 2, (h - sh) // 2))
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
    if eff == "text":
        # the base recipe with {i} / {n} in its text fields filled per frame
        return None
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


def reel_frame(item, i, n):
    w, h = _size(item, (120, 180))
    strip, cell = reel_strip(item)
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
        win = win.filter(ImageFilter.BoxBlur(0)).resize((w, max(1, h // blur)), Image.BILINEAR).resize((w, h), Image.BILINEAR)
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
    for i in range(n):
        if eff == "text":
            img = single_image(_fill_text(item["base"], i, n), "%s.%d" % (item["name"], i))
        else:
            img = anim_frame(item, i, n, base)
        if item.get("key"):
            img = img.copy()
            img.putpixel((0, 0), PALETTE["key"])
        save_png(img, os.path.join(folder, "%s.png.%d" % (item["name"], i)))


# The three-reel cabinet: every single-line three-reel machine has the same
# places for its reels, meters, badge, coin slot, bill slot and buttons; only
# its colours, title and pay table differ.
THREEREEL = dict(
    reels=[(176, 78), (339, 78), (507, 78)],
    meters=[("PAID", 40, 344, 132, 46), ("CREDITS", 180, 344, 136, 46), ("BET", 580, 344, 90, 46)],
    badge=(333, 287, 141, 86),
    coin=(446, 371, 60, 34),
    bill=(621, 473, 179, 99),
    buttons=[("change", 31, 401, 70, 45, "CHANGE", "burgundy"), ("cashout", 106, 401, 72, 45, "CASH\nOUT", "burgundy"),
             ("betone", 183, 401, 80, 45, "BET\nONE", "darkfelt"), ("spin", 268, 402, 100, 45, "SPIN", "red"),
             ("betmax", 649, 399, 90, 45, "BET\nMAX", "darkfelt")],
)


def cabinet_image(item):
    """back.png of a three-reel machine (family "threereel")."""
    w, h = 800, 600
    L = THREEREEL
    rw, rh = item.get("reel_size", [150, 174])
    colors = item.get("colors", ["burgundy", "darkburgundy"])
    img = new_image((w, h))
    paint_surface(img, (0, 0, w, h), "gradient", colors, _seed(item.get("file"), "cab"))
    d = ImageDraw.Draw(img)
    # the glass at the top (the "top" marquee spot) with the machine's title
    glass = colour(item.get("glass", "black"))
    d.rectangle((0, 0, w - 1, 70), fill=glass)
    draw_elements(img, [dict(lights=[8, 6, w - 16, 58], step=28, r=4)])
    d = ImageDraw.Draw(img)
    draw_text(d, (w / 2, 36), item.get("title", ""), item.get("title_font", "serif-bold"), 40,
              item.get("title_color", "lightgold"), shadow="black", outline=item.get("title_outline"), max_w=w - 120, max_h=46)
    # the reel window
    x0, y0 = L["reels"][0]
    x1 = L["reels"][-1][0] + rw
    d.rounded_rectangle((x0 - 22, y0 - 10, x1 + 22, y0 + rh + 10), 10, fill=colour("black"),
                        outline=colour("gold"), width=4)
    for (rx, ry) in L["reels"]:
        d.rectangle((rx - 3, ry - 3, rx + rw + 2, ry + rh + 2), fill=colour("darkgold"))
        d.rectangle((rx, ry, rx + rw - 1, ry + rh - 1), fill=colour(item.get("reel_bg", "cream")))
    # side panels: the machine's pay table or its own words
    for side, lines in (("left", item.get("left", [])), ("right", item.get("right", []))):
        if not lines:
            continue
        bx = 6 if side == "left" else x1 + 28
        bw = x0 - 30 if side == "left" else w - bx - 6
        d.rounded_rectangle((bx, 82, bx + bw, 330), 8, fill=darker(colors[-1], 0.4), outline=colour("gold"), width=2)
        y = 96
        for line in lines:
            txt, col = (line, "cream") if isinstance(line, str) else (line[0], line[1])
            draw_text(d, (bx + bw / 2, y), txt, "condensed-bold", 14, col, anchor="mm", max_w=bw - 8)
            y += 19
    # meters
    for (label, mx, my, mw, mh) in L["meters"]:
        draw_elements(img, [dict(meter=[mx, my, mw, mh], label=label, size=12)])
    d = ImageDraw.Draw(img)
    # the badge's frame, the coin slot and the bill slot
    bx, by, bw, bh = L["badge"]
    d.rectangle((bx - 3, by - 3, bx + bw + 2, by + bh + 2), fill=colour("black"), outline=colour("gold"), width=2)
    cx, cy, cw, ch = L["coin"]
    d.rounded_rectangle((cx, cy, cx + cw - 1, cy + ch - 1), 6, fill=colour("silver"), outline=colour("darkgrey"), width=2)
    d.rectangle((cx + cw / 2 - 3, cy + 6, cx + cw / 2 + 3, cy + ch - 7), fill=colour("black"))
    draw_text(d, (cx + cw / 2, cy - 7), "COINS", "sans-bold", 10, "gold")
    mx, my, mw, mh = L["bill"]
    d.rounded_rectangle((mx + 6, my + 8, mx + mw - 8, my + mh - 8), 8, fill=colour("charcoal"), outline=colour("silver"), width=3)
    d.rectangle((mx + 24, my + 40, mx + mw - 26, my + 48), fill=colour("black"))
    draw_text(d, (mx + mw / 2, my + 24), "INSERT BILLS", "sans-bold", 13, "lightgold")
    draw_text(d, (mx + mw / 2, my + 66), "click to add money", "sans", 11, "cream")
    # the buttons' everyday look (their mouse-over pictures light them up)
    for (name, bx, by, bw, bh, label, col) in L["buttons"]:
        img.paste(button_image(dict(name=name, size=[bw, bh], label=label, color=col, shape="rect",
                                    label_size=22 if name == "spin" else 14, text="parchment"), "std"), (bx, by))
    draw_elements(img, item.get("elements"))
    return img


def render_cabinet(item, folder):
    if item.get("family", "threereel") != "threereel":
        raise ValueError("cabinet family '%s' is not known" % item.get("family"))
    save_png(cabinet_image(item), os.path.join(folder, item.get("file", "back.png")))


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
}
