# A machine's own pictures for the floor and its glass, read from the
# machine's recipe: its LEAD symbol and its table of looks. The lobby draws
# the lead on the machine's cabinet; the marquee glass shows the lead between
# two more of the machine's symbols.


def _machine(mid):
    return __import__("machines." + mid)


def _table(m):
    """(looks, symbol names in the machine's order) of a machine recipe."""
    for item in m.ITEMS:
        if item.get("kind") == "symbolset":
            return item.get("looks", {}), [name for name, count in item["symbols"]]
        if item.get("kind") == "reelpictures":
            names = list(item.get("looks", {}))
            for picture in item["pictures"]:
                names += [n for n in picture.split("_") if n not in names]
            return item.get("looks", {}), names
    for item in m.ITEMS:
        if item.get("kind") == "anim" and item.get("effect") == "reel":
            return {}, list(item["symbols"])
    return {}, []


def _element(symbol, looks):
    """A `symbol` element (without its box) for a symbol name or a glyph dict."""
    if isinstance(symbol, dict):
        e = dict(symbol)
        return dict(e, symbol=e.pop("glyph"))
    return {"symbol": symbol, "looks": looks}


def icon(mid):
    """The machine's lead symbol as a `symbol` element (add a box)."""
    m = _machine(mid)
    looks, names = _table(m)
    return _element(m.LEAD, looks)


def _rank(symbol):
    """Order of the shared symbols on the glass: wilds, sevens, triple bars, cherries, the rest, bars."""
    n = symbol if isinstance(symbol, str) else symbol.get("glyph", "") + str(symbol.get("label", ""))
    for k, part in enumerate(("wild", "7", "seven", "3bar", "bar3", "cherr")):
        if part in n:
            return min(k, 3) if k < 3 else k - 1
    return 6 if "bar" in n else 5


def glass(mid):
    """Three `symbol` elements for the machine's glass: its lead symbol between
    two more of its own: the last of its own looks first, then its best shared
    symbols (wilds, sevens, bars ...)."""
    m = _machine(mid)
    looks, names = _table(m)
    own = [n for n in looks if n != m.LEAD and n != "blank"][-2:]
    shared = sorted([n for n in names if n != m.LEAD and not (isinstance(n, str) and (
        n in looks or n == "blank" or n.startswith("arrow")))], key=_rank)
    sides = (own + shared)[:2] or [m.LEAD]
    if len(sides) == 1:
        sides = sides * 2
    return [_element(sides[0], looks), _element(m.LEAD, looks), _element(sides[1], looks)]
