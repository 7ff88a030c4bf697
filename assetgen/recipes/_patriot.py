# The pay glass (R-W-B: red, white and blue in that order, reels left to right) shared by the four patriot machines: three alike, the
# red-white-blue mixes and the one-colour bar-and-seven pays, largest first.
def patriot_pays(top_mixed, bars, sevens, three_wilds=None):
    """bars / sevens: per-coin pays of three alike (red, white, blue)."""
    rows = []
    if three_wilds:
        rows.append(["3 WILDS", three_wilds])
    rows += [["3 RED 7s", sevens[0]], ["3 WHITE 7s", sevens[1]], ["3 BLUE 7s", sevens[2]],
             ["R-W-B 7s", top_mixed], ["ANY MIX 7s", 80], ["R-W-B BARS", 50],
             ["3 BLUE BARS", bars[2]], ["3 WHITE BARS", bars[1]], ["R-W-B BAR/7", 20],
             ["3 RED BARS", bars[0]], ["ANY MIX BARS", 5], ["BAR+7 1 COLOUR", 2], ["3 BLANKS", 1]]
    rows.sort(key=lambda r: -r[1])
    return rows
