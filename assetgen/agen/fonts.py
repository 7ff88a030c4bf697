"""Font kinds: TrueType faces copied from Debian's font packages under the
names the game opens, and the LED signs' dot-matrix font."""
import os
import shutil
from .common import find_font_file

# 5x7 glyphs for printable ASCII, five column bytes each, bit 0 = top row.
_COLUMNS = """
20 00 00 00 00 00|21 00 00 5F 00 00|22 00 07 00 07 00|23 14 7F 14 7F 14|24 24 2A 7F 2A 12
25 23 13 08 64 62|26 36 49 55 22 50|27 00 05 03 00 00|28 00 1C 22 41 00|29 00 41 22 1C 00
2A 14 08 3E 08 14|2B 08 08 3E 08 08|2C 00 50 30 00 00|2D 08 08 08 08 08|2E 00 60 60 00 00
2F 20 10 08 04 02|30 3E 51 49 45 3E|31 00 42 7F 40 00|32 42 61 51 49 46|33 21 41 45 4B 31
34 18 14 12 7F 10|35 27 45 45 45 39|36 3C 4A 49 49 30|37 01 71 09 05 03|38 36 49 49 49 36
39 06 49 49 29 1E|3A 00 36 36 00 00|3B 00 56 36 00 00|3C 08 14 22 41 00|3D 14 14 14 14 14
3E 00 41 22 14 08|3F 02 01 51 09 06|40 32 49 79 41 3E|41 7E 11 11 11 7E|42 7F 49 49 49 36
43 3E 41 41 41 22|44 7F 41 41 22 1C|45 7F 49 49 49 41|46 7F 09 09 01 01|47 3E 41 41 51 32
48 7F 08 08 08 7F|49 00 41 7F 41 00|4A 20 40 41 3F 01|4B 7F 08 14 22 41|4C 7F 40 40 40 40
4D 7F 02 04 02 7F|4E 7F 04 08 10 7F|4F 3E 41 41 41 3E|50 7F 09 09 09 06|51 3E 41 51 21 5E
52 7F 09 19 29 46|53 46 49 49 49 31|54 01 01 7F 01 01|55 3F 40 40 40 3F|56 1F 20 40 20 1F
57 7F 20 18 20 7F|58 63 14 08 14 63|59 03 04 78 04 03|5A 61 51 49 45 43|5B 00 7F 41 41 00
5C 02 04 08 10 20|5D 00 41 41 7F 00|5E 04 02 01 02 04|5F 40 40 40 40 40|60 00 01 02 04 00
61 20 54 54 54 78|62 7F 48 44 44 38|63 38 44 44 44 20|64 38 44 44 48 7F|65 38 54 54 54 18
66 08 7E 09 01 02|67 0C 52 52 52 3E|68 7F 08 04 04 78|69 00 44 7D 40 00|6A 20 40 44 3D 00
6B 7F 10 28 44 00|6C 00 41 7F 40 00|6D 7C 04 18 04 78|6E 7C 08 04 04 78|6F 38 44 44 44 38
70 7C 14 14 14 08|71 08 14 14 18 7C|72 7C 08 04 04 08|73 48 54 54 54 20|74 04 3F 44 40 20
75 3C 40 40 20 7C|76 1C 20 40 20 1C|77 3C 40 30 40 3C|78 44 28 10 28 44|79 0C 50 50 50 3C
7A 44 64 54 4C 44|7B 00 08 36 41 00|7C 00 00 7F 00 00|7D 00 41 36 08 00|7E 08 04 08 10 08
"""

LED_HEADER = """\
# LED sign dot-matrix font.
#
# Plain text, read line by line:
#   - a line starting with '#' is a comment, except the `height` lines that
#     follow a "char" line, which are always the glyph's rows;
#   - blank lines are ignored;
#   - "height N" gives the number of dot rows of every glyph (7 here);
#   - "spacing N" gives the dark dot columns the sign puts after each glyph (1);
#   - "char C" starts a glyph for the character with decimal code C (32..126);
#     it is followed by exactly `height` rows, one line per dot row from the top,
#     all rows of one glyph the same length (the glyph's width in dot columns,
#     at least 1); '#' is a lit dot and '.' a dark one.
# A character without a glyph is drawn as a space.
"""


def led_glyphs():
    """{code: [row strings]} for 32..126, trimmed to the glyph's own width."""
    glyphs = {}
    for entry in _COLUMNS.replace("\n", "|").split("|"):
        parts = entry.split()
        if not parts:
            continue
        code = int(parts[0], 16)
        cols = [int(v, 16) for v in parts[1:]]
        if code == 32:
            cols = [0, 0, 0]
        else:
            while cols and cols[0] == 0:
                cols.pop(0)
            while cols and cols[-1] == 0:
                cols.pop()
        rows = ["".join("#" if (c >> r) & 1 else "." for c in cols) for r in range(7)]
        glyphs[code] = rows
    return glyphs


def ledfont_text():
    g = led_glyphs()
    out = [LED_HEADER, "height 7", "spacing 1", ""]
    for code in range(32, 127):
        out.append("char %d" % code)
        out.extend(g[code])
        out.append("")
    return "\n".join(out)


def render_ledfont(item, folder):
    path = os.path.join(folder, item["file"])
    os.makedirs(folder, exist_ok=True)
    with open(path + ".tmp", "w", newline="\n") as f:
        f.write(ledfont_text())
    os.replace(path + ".tmp", path)


def condense_font(src, dst, factor, centre="", tall=1.0):
    """Writes a copy of a TrueType face squeezed sideways by `factor`, for
    meters whose boxes are narrower than the face's digits, and to `tall`
    of its height (a segment face's digits fill the whole em; scaled to 0.72
    they stand as tall as a book face's figures at the same point size). The
    characters in `centre` are moved to the middle of their cells (a segment
    face's 1 stands at the right of its cell, which reads as a gap inside a
    number)."""
    from fontTools.ttLib import TTFont
    from fontTools.pens.ttGlyphPen import TTGlyphPen
    from fontTools.pens.transformPen import TransformPen

    face = TTFont(src, recalcTimestamp=False)
    glyf = face["glyf"]
    glyph_set = face.getGlyphSet()
    hmtx = face["hmtx"]
    cmap = face.getBestCmap()
    centred = {cmap[ord(c)] for c in centre if ord(c) in cmap}
    squeezed, shift, lsbs = {}, {}, {}   # new advances and left side bearings (the outline's left edge)
    for name in face.getGlyphOrder():
        # a mark drawn with no width of its own (the segment faces' decimal
        # point, which lies in the digit before it) gets a narrow cell of its
        # own: a text renderer that lays glyphs out by their boxes would
        # otherwise leave a gap a digit wide, or cut the point off
        g = glyf[name]
        dx = 0
        if hmtx.metrics[name][0] == 0 and g.numberOfContours != 0:
            g.recalcBounds(glyf)
            dx = -g.xMin + 40
        pen = TTGlyphPen(glyph_set)
        glyph_set[name].draw(TransformPen(pen, (factor, 0, 0, tall, dx * factor, 0)))
        squeezed[name] = pen.glyph()
        if dx:
            shift[name] = int(round((g.xMax - g.xMin + 80) * factor))
            lsbs[name] = int(round(40 * factor))
        elif name in centred and g.numberOfContours != 0:
            g.recalcBounds(glyf)
            dx = (hmtx.metrics[name][0] - (g.xMax - g.xMin)) / 2 - g.xMin
            pen = TTGlyphPen(glyph_set)
            glyph_set[name].draw(TransformPen(pen, (factor, 0, 0, tall, dx * factor, 0)))
            squeezed[name] = pen.glyph()
            lsbs[name] = int(round((g.xMin + dx) * factor))
    for name, glyph in squeezed.items():
        glyf[name] = glyph
    for name, (advance, lsb) in list(hmtx.metrics.items()):
        hmtx.metrics[name] = (shift.get(name, int(round(advance * factor))), lsbs.get(name, int(round(lsb * factor))))
    face["hhea"].advanceWidthMax = int(round(face["hhea"].advanceWidthMax * factor))
    if tall != 1.0:
        hhea, os2 = face["hhea"], face["OS/2"]
        hhea.ascent, hhea.descent = int(round(hhea.ascent * tall)), int(round(hhea.descent * tall))
        os2.sTypoAscender, os2.sTypoDescender = int(round(os2.sTypoAscender * tall)), int(round(os2.sTypoDescender * tall))
        os2.usWinAscent, os2.usWinDescent = int(round(os2.usWinAscent * tall)), int(round(os2.usWinDescent * tall))
    face.save(dst)   # the face's box (head) is worked out again from the outlines


def render_font(item, folder):
    src = find_font_file(item["source"])
    os.makedirs(folder, exist_ok=True)
    dst = os.path.join(folder, item["file"])
    if item.get("condense"):
        condense_font(src, dst + ".tmp", float(item["condense"]), item.get("centre", ""), float(item.get("tall", 1.0)))
    else:
        shutil.copyfile(src, dst + ".tmp")
    os.replace(dst + ".tmp", dst)


def single(item):
    return [item["file"]]


def font_sources(item):
    """Files outside the recipes that the output depends on."""
    if item.get("kind") == "font":
        return [find_font_file(item["source"])]
    return []


KINDS = {"font": (single, render_font), "ledfont": (single, render_ledfont)}
