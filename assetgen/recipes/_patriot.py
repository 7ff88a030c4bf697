# The pay glass (R-W-B: red, white and blue in that order, reels left to right) shared by the four patriot machines: three alike, the
# red-white-blue mixes and the one-colour bar-and-seven pays, largest first.
# The unit over the bottom glass's table, and what R-W-B stands for.
GLASS_UNIT = "PAYS PER COIN - R-W-B: RED, WHITE, BLUE FROM THE LEFT"


def patriot_pays(top_mixed, bars, sevens, three_wilds=None, seven_names=("redseven", "whiteseven", "blueseven")):
    """bars / sevens: per-coin pays of three alike (red, white, blue); each
    row with the symbols the bottom glass shows for it."""
    r, w, b = seven_names
    rows = []
    if three_wilds:
        rows.append(["3 WILDS", three_wilds])
    rows += [["3 RED 7s", sevens[0], " ".join([r] * 3)], ["3 WHITE 7s", sevens[1], " ".join([w] * 3)],
             ["3 BLUE 7s", sevens[2], " ".join([b] * 3)], ["R-W-B 7s", top_mixed, " ".join([r, w, b])],
             ["ANY MIX 7s", 80, " ".join([b, r, w])], ["R-W-B BARS", 50, "barred 2barwhite 3barblue"],
             ["3 BLUE BARS", bars[2], "3barblue 3barblue 3barblue"],
             ["3 WHITE BARS", bars[1], "2barwhite 2barwhite 2barwhite"],
             ["R-W-B BAR/7", 20, " ".join([r, "2barwhite", b])], ["3 RED BARS", bars[0], "barred barred barred"],
             ["ANY MIX BARS", 5, "3barblue barred 2barwhite"], ["BAR+7 1 COLOUR", 2, " ".join(["barred", r, "barred"])],
             ["3 BLANKS", 1]]
    rows.sort(key=lambda row: -row[1])
    return rows
