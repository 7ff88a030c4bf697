"""Measures of finished pictures that the generator's tests read: how a
turned wheel's edge blends into the disc it turns on, how much of what lies
under a blended mark shows through it, and which word a button's label
spells."""
import numpy as np
from PIL import Image, ImageDraw, ImageFont

KEY = np.array([255, 0, 255])


def keyed_on(frame_path, backdrop_path, at):
    """The screen as the game draws a colour-keyed frame at `at` on its
    backdrop (RGB, int), and the frame's figure (the pixels not keyed)."""
    f = np.asarray(Image.open(frame_path).convert("RGB")).astype(int)
    b = np.asarray(Image.open(backdrop_path).convert("RGB")).astype(int)
    h, w = f.shape[:2]
    figure = np.any(f != KEY, axis=2)
    return np.where(figure[..., None], f, b[at[1]:at[1] + h, at[0]:at[0] + w]), figure


def _distances(figure):
    ys, xs = np.nonzero(figure)
    cy, cx = ys.mean(), xs.mean()
    yy, xx = np.mgrid[0:figure.shape[0], 0:figure.shape[1]]
    return np.hypot(yy - cy, xx - cx), np.sqrt(figure.sum() / np.pi)


def edge_blend(screen, figure):
    """Share of the pixels within a pixel of a round figure's edge whose
    colour lies between the colour just inside the edge and the one just
    outside it (a smooth edge: about half; a stair-stepped one: almost none,
    each pixel is wholly one or the other)."""
    d, r = _distances(figure)
    inner = np.median(screen[(d > r - 2.2) & (d < r - 1.2)], axis=0)
    outer = np.median(screen[(d > r + 1.2) & (d < r + 2.2)], axis=0)
    ring = screen[(d > r - 1) & (d < r + 1)]
    v = inner - outer
    t = ((ring - outer) @ v) / float(v @ v)
    off = np.linalg.norm(ring - outer - t[:, None] * v[None, :], axis=1)
    return float(((t > 0.15) & (t < 0.85) & (off < 30)).mean())


def ring_colours(screen, figure, k=0.45):
    """Distinct colours on the circle at k times the figure's radius, which
    crosses every slice border: a picture turned without smoothing keeps only
    its flat colours there."""
    d, r = _distances(figure)
    return len({tuple(p) for p in screen[(d > k * r - 1) & (d < k * r + 1)]})


def see_through(alpha, place, window):
    """(mean share of what is under it that shows through, share of nearly
    opaque pixels) of a blended picture's alpha (numpy, 0-255) drawn with its
    top-left at `place`, over the part of a screen rectangle (x, y, w, h) it covers."""
    mx, my = place
    x, y, w, h = window
    x0, x1 = max(x, mx), min(x + w, mx + alpha.shape[1])
    y0, y1 = max(y, my), min(y + h, my + alpha.shape[0])
    sub = alpha[y0 - my:y1 - my, x0 - mx:x1 - mx].astype(float)
    return float((1 - sub / 255).mean()), float((sub >= 200).mean())


def _ink_mask(img, ink, ground):
    """True where a pixel is nearer the letters' colour than the ground's,
    cropped to the letters."""
    a = np.asarray(img.convert("RGB")).astype(int)
    m = np.linalg.norm(a - np.array(ink), axis=2) < np.linalg.norm(a - np.array(ground), axis=2)
    ys, xs = np.nonzero(m)
    return m[ys.min():ys.max() + 1, xs.min():xs.max() + 1] if len(ys) else m


def reads_as(picture, inner, ink, ground, words, faces):
    """The word of `words` whose letters, drawn in any of `faces` (font
    files) and stretched over the label's letters, cover the same pixels best
    (intersection over union); with that score. `inner` is the label's box
    (x0, y0, x1, y1) inside the picture, clear of its bevel."""
    label = _ink_mask(picture.crop(inner), ink, ground)
    best = (None, 0.0)
    for word in words:
        for face in faces:
            f = ImageFont.truetype(face, 60)
            canvas = Image.new("L", (60 * len(word) + 40, 100), 0)
            ImageDraw.Draw(canvas).text((20, 10), word, font=f, fill=255)
            box = canvas.getbbox()
            drawn = np.asarray(canvas.crop(box).resize((label.shape[1], label.shape[0]), Image.BILINEAR)) >= 128
            iou = float((drawn & label).sum()) / max(1, float((drawn | label).sum()))
            if iou > best[1]:
                best = (word, iou)
    return best


def solid_share(picture, ink, ground, inner=None):
    """Share of a label's letter pixels (nearer the letters' colour than the
    ground's) that carry the letters' colour in full: bold letters have
    solid strokes, thin ones are mostly their blended rims."""
    a = np.asarray((picture.crop(inner) if inner else picture).convert("RGB")).astype(int)
    to_ink, to_ground = np.linalg.norm(a - np.array(ink), axis=2), np.linalg.norm(a - np.array(ground), axis=2)
    letters = to_ink < to_ground
    return float((to_ink < 40).sum()) / max(1, int(letters.sum()))
