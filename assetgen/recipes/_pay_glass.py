# The bottom glass of a reel machine (its marquee's "bottom.png"): the
# machine's pay table in the house style, read from the machine's own recipe.
#
# A machine recipe gives its table in one of three ways:
# - GLASS = dict(title, unit, pays, lines): the table itself (machines whose
#   cabinet is drawn by hand, and the five-reel video slots);
# - the `pays` of its cabinet item (single-line machines), with `pays_title`
#   (or `glass_unit`, when the glass says more of the unit than the cabinet),
#   `pays_note`, `feature`, `bottom` and the texts of its `elements` as the
#   lines under the table;
# - the `glass` field of its back.png item (multi-line machines).
#
# A pay row is [label, amount] or [label, amount, "sym sym sym"]: the symbols
# shown as pictures, by the machine's symbol names. Without them the symbols
# are read from the label ("3 SEVENS", "2 CHERRIES", "ANY 3 BARS", "2 WILDS +
# BLANK"); a row whose symbols can't be told fails the recipe. A video row is
# [symbol, [pays for 1, 2, 3, 4, 5 of a kind]] (0: that count doesn't pay).
# The lines under the table tell the wilds, the scatters and the bonus, one
# line each: a line is a text, or [text, "sym sym"] to show those symbols as
# pictures before it (the symbol that stands in, scatters or starts a bonus).
#
# Every symbol on the machine's reels that pays, scatters or starts a bonus
# must stand on the glass as a picture, in a row or on a line: the recipe
# fails when one is missing. Only the blank and the symbols a machine names
# in `QUIET` (on its reels, but paying nothing and starting nothing) may be
# left out; an arrow form ("arrowup_bar") counts as its symbol.

WORDS = {"SEVEN": "7", "SEVENS": "7", "TRIPLE BAR": "3bar", "DOUBLE BAR": "2bar", "BAR": "bar", "BARS": "bar",
         "BLANK": "blank", "BLANKS": "blank", "WILD": "wild", "WILDS": "wild", "CHERRY": "cherry",
         "CHERRIES": "cherry"}

AREA = [40, 110, 720, 330]      # where the rows stand; the lines follow them down to y 560


def _machine(mid):
    return __import__("machines." + mid)


def _looks_and_names(m):
    for item in m.ITEMS:
        if item.get("kind") == "symbolset":
            return item.get("looks", {}), [n for n, c in item["symbols"]]
        if item.get("kind") == "reelpictures":
            names = []
            for picture in item["pictures"]:
                names += [n for n in picture.split("_") if n not in names]
            return item.get("looks", {}), names
    return m.__dict__.get("LOOKS", {}), []


def _symbol(word, names):
    w = word.strip()
    if w in WORDS and WORDS[w] in names:
        return WORDS[w]
    low = w.lower().replace(" ", "")
    for cand in (low, low[:-1], low[:-2]):
        if cand in names:
            return cand
    return None


def symbols_of(label, names):
    """The symbols a pay row's label names, or None."""
    text = label.split(",")[0].split("(")[0].replace("*", "").strip()
    if text == "ANY 3 BARS":
        return ["bar", "2bar", "3bar"]
    words = text.split(" ")
    if all(w == "WILD" for w in words):
        return ["wild"] * len(words)
    if "+" in text:
        left, right = [p.strip() for p in text.split("+", 1)]
        n, _, word = left.partition(" ")
        sym = _symbol(word, names)
        if not n.isdigit() or sym is None or right not in ("BLANK", "BLANKS"):
            return None
        return [sym] * int(n) + ["blank"] * (3 - int(n))
    n, _, word = text.partition(" ")
    if not n.isdigit():
        return None
    sym = _symbol(word, names)
    return [sym] * int(n) if sym else None


def _feature_line(f, names):
    """The left glass's feature as one line, with its symbol's picture when
    the symbol is one of the machine's own."""
    if not f:
        return ""
    words = " ".join(f.get("lines", []))
    if f.get("big"):
        words += ": " + str(f["big"])
    if f.get("under"):
        words += " - " + f["under"]
    sym = f.get("symbol")
    return [words, sym] if isinstance(sym, str) and sym in names and not f.get("symbol_params") else words


def line_parts(line):
    """(text, [symbols]) of a glass line: a text or [text, "sym sym"]."""
    if isinstance(line, (list, tuple)):
        return str(line[0]), str(line[1]).split()
    return str(line), []


def table_of(mid):
    """(title, unit, rows, lines, looks) of a machine's glass."""
    m = _machine(mid)
    looks, names = _looks_and_names(m)
    if "GLASS" in m.__dict__:
        g = m.GLASS
        looks = dict(looks, **g.get("looks", {}))
        names = names + list(looks) + list(WORDS.values())
        return g.get("title"), g.get("unit", "PAYS PER COIN"), g["pays"], g.get("lines", []), looks, names
    for item in m.ITEMS:
        if item.get("kind") == "cabinet" and item.get("pays"):
            # the cabinet's slogan (`bottom`) stays on the cabinet: the glass tells rules
            lines = [item.get("pays_note", ""), _feature_line(item.get("feature"), names)]
            lines += [e["text"] for e in item.get("elements", []) if "text" in e]
            lines = item.get("glass_lines", lines)
            return (item["title"], item.get("glass_unit", item.get("pays_title", "PAYS PER COIN")), item["pays"],
                    [x for x in lines if x], looks, names)
        if "glass" in item:
            g = item["glass"]
            return g["title"], g.get("unit", "PAYS PER LINE"), g["pays"], [x for x in g["lines"] if x], looks, names
    assert False, "machine '%s' has no pay table for its glass" % mid


def _two_lines(label):
    """A long label broken in two at its natural break (", ", " (", " + "),
    else at the space nearest its middle."""
    if len(label) <= 14:
        return label
    for mark, keep in ((", ", ","), (" (", " ("), (" + ", " +")):
        k = label.find(mark)
        if k > 0:
            return label[:k] + keep.rstrip(" (").rstrip() + "\n" + label[k + len(mark) - (1 if keep == " (" else 0):]
    spaces = [k for k, c in enumerate(label) if c == " "]
    if not spaces:
        return label
    k = min(spaces, key=lambda k: abs(2 * k - len(label)))   # the space nearest the middle
    return label[:k] + "\n" + label[k + 1:]


def _tile(symbol, looks, x, y, s):
    return [{"box": [x, y, s, s], "fill": "cream", "outline": "darkgold", "width": 1, "radius": 4},
            {"symbol": symbol, "looks": looks, "box": [x + 2, y + 2, s - 4, s - 4]}]


def _amount(a):
    return "JACKPOT" if a == "JP" else str(a)


def _bottom(els):
    """Lowest edge of the table's pictures."""
    return max(e["box"][1] + e["box"][3] for e in els if "box" in e)


def reel_rows(mid, rows, looks, names, h):
    """Rows of a three-reel table: the symbols, the label, the amount."""
    x0, y0, w = AREA[:3]
    cols = 1 if len(rows) <= 7 else 2
    per = (len(rows) + cols - 1) // cols
    pitch = min(52, h // per)
    s = min(pitch - 6, 42)
    cw = (w - 20 * (cols - 1)) // cols
    els = []
    for k, row in enumerate(rows):
        label, amount = str(row[0]), row[1]
        syms = row[2].split() if len(row) > 2 else symbols_of(label, names)
        assert syms, "%s pay row '%s': name its symbols" % (mid, label)
        c, r = k // per, k % per
        x, y = x0 + c * (cw + 20), y0 + r * pitch
        for j, sym in enumerate(syms):
            els += _tile(sym, looks, x + j * (s + 4), y, s)
        left = x + 3 * (s + 4) + 6
        els.append({"text": _two_lines(label), "at": [left, y + s // 2], "anchor": "lm", "size": 16,
                    "color": "cream", "font": "condensed-bold", "max_w": x + cw - 98 - left, "max_h": s,
                    "align": "left", "table": "labels"})
        els.append({"text": _amount(amount), "at": [x + cw, y + s // 2], "anchor": "rm", "size": 22,
                    "color": "lightgold", "font": "serif-bold", "max_w": 92, "table": "amounts"})
    return els


def video_rows(rows, looks, h):
    """Rows of a five-reel table: the symbol, then its pay for each count."""
    x0, y0, w = AREA[:3]
    counts = [n for n in range(1, 6) if any(r[1][n - 1] for r in rows)]
    cols = 1 if len(rows) <= 7 else 2
    per = (len(rows) + cols - 1) // cols
    pitch = min(60, (h - 24) // per)
    s = pitch - 6
    cw = (w - 20 * (cols - 1)) // cols
    step = (cw - s - 16) // len(counts)
    els = []
    for c in range(cols):
        for j, n in enumerate(counts):
            els.append({"text": "%d IN A ROW" % n if cols == 1 else "x%d" % n,
                        "at": [x0 + c * (cw + 20) + s + 16 + step * (j + 1), y0 + 8], "anchor": "rm", "size": 14,
                        "color": "yellow", "font": "condensed-bold", "table": "heads"})
    for k, row in enumerate(rows):
        c, r = k // per, k % per
        x, y = x0 + c * (cw + 20), y0 + 24 + r * pitch
        # the symbol, and small the symbol that stands in for it
        syms = row[0].split()
        els += _tile(syms[0], looks, x, y, s)
        if len(syms) > 1:
            t = s * 3 // 5
            els += _tile(syms[1], looks, x + s - t // 2, y + s - t + 2, t)
        for j, n in enumerate(counts):
            pay = row[1][n - 1]
            els.append({"text": str(pay) if pay else "-", "at": [x + s + 16 + step * (j + 1), y + s // 2],
                        "anchor": "rm", "size": 22, "color": "lightgold" if pay else "parchment",
                        "font": "serif-bold", "max_w": step - 6, "table": "amounts"})
    return els


def row_symbols(rows, names):
    """The symbols a table's rows show as pictures."""
    out = set()
    for row in rows:
        if isinstance(row[1], list):
            out |= set(str(row[0]).split())
        else:
            out |= set(row[2].split() if len(row) > 2 else symbols_of(str(row[0]), names) or [])
    return out


def missing_pictures(mid, rows, lines, names):
    """The machine's reel symbols that pay, scatter or start a bonus and that
    the glass shows no picture of."""
    m = _machine(mid)
    _, reel = _looks_and_names(m)
    def plain(syms):
        return {n.split("_", 1)[1] if n.startswith("arrow") and "_" in n else n for n in syms}
    need = plain(reel) - {"blank"} - set(m.__dict__.get("QUIET", []))
    shown = row_symbols(rows, names)
    for line in lines:
        shown |= set(line_parts(line)[1])
    return sorted(need - plain(shown))


def glass(mid, name, style):
    """The bottom.png item of a machine called `name`."""
    title, unit, rows, lines, looks, names = table_of(mid)
    strange = sorted({sym for line in lines for sym in line_parts(line)[1]} - set(names) - set(looks))
    assert not strange, "the %s glass's lines show %s, not symbols of the machine" % (mid, ", ".join(strange))
    missing = missing_pictures(mid, rows, lines, names)
    assert not missing, ("the %s glass shows no picture of %s: a symbol that pays, scatters or starts a bonus "
                         "stands on the glass in a row or on a line [text, \"symbol\"]" % (mid, ", ".join(missing)))
    title = title or name.upper()
    video = bool(rows) and isinstance(rows[0][1], list)
    els = [
        {"box": [20, 20, 760, 556], "style": "dark", "border": "gold"},
        {"text": title, "box": [40, 30, 720, 48], "size": 40, "color": "lightgold", "font": "serif-bold",
         "shadow": "black", "outline": "darkburgundy"},
        {"text": unit, "box": [40, 80, 720, 24], "size": 18, "color": "yellow", "font": "sans-bold"},
    ]
    # the rows take what the lines under them leave
    h = min(AREA[3], 548 - AREA[1] - 30 - 22 * len(lines))
    table = video_rows(rows, looks, h) if video else reel_rows(mid, rows, looks, names, h)
    els += table
    top = _bottom(table) + 20
    parts = [line_parts(line) for line in lines]
    pictured = any(syms for _, syms in parts)
    pitch = min(38 if pictured else 30, (548 - top - 6) // max(1, len(lines)))   # clear of the glass's frame
    els += [{"line": [60, top, 740, top], "color": "darkgold", "width": 2}]
    t = pitch - 4
    for k, (text, syms) in enumerate(parts):
        y = top + 6 + k * pitch
        x = 400 - (len(syms) * (t + 3) + 8) // 2 if syms else 400
        for j, sym in enumerate(syms):
            els += _tile(sym, looks, 60 + j * (t + 3), y + 2, t)
        left = 60 + len(syms) * (t + 3) + 8
        if syms:
            els.append({"text": text, "at": [left, y + pitch // 2], "anchor": "lm", "size": 18, "color": "cream",
                        "font": "sans-bold", "max_w": 740 - left, "max_h": pitch - 2, "table": "lines"})
        else:
            els.append({"text": text, "at": [x, y + pitch // 2], "anchor": "mm", "size": 18, "color": "cream",
                        "font": "sans-bold", "max_w": 700, "max_h": pitch - 2, "table": "lines"})
    els.append({"text": "Press a key or click to return to the machine", "at": [400, 588], "size": 11,
                "color": "parchment"})
    return {"kind": "background", "file": "bottom.png", "dir": "gfx/" + mid, "size": [800, 600],
            "style": style, "elements": els}
