# Shared look of the multi-line three-reel machines: three reels, each
# showing a three-row reel picture (130 x 180, rows of 60) at x 176/339/507,
# y 72, in the three-reel cabinet (same meters, badge, coin and bill slots and
# buttons as the single-line machines). The pay lines themselves are drawn by
# the game across the window from x 162 to x 651 through the reel centres,
# in these colours, line 1 first; the line-number pictures (28 x 24, no key)
# stand at the machine's places on the left glass, and a guide on the glass
# leads from each to where its line enters the window.
from _progressive import METER

REEL_X = [176, 339, 507]
REEL_Y = 72
REEL_SIZE = [130, 180]
ROW = 60
LINE_COLOURS = [[230, 30, 30], [250, 200, 0], [40, 190, 60], [40, 120, 255], [220, 60, 220]]
LABEL_SIZE = [28, 24]
WINDOW = [158, 64, 498, 196]          # frame round the reels (lines run inside it)


def _row_y(row):
    return REEL_Y + row * ROW + ROW // 2


def _cabinet(title, pays, pays_note, feature, bottom, lines, progressive):
    panel = "darkburgundy"
    els = [dict(lights=[150, 4, 500, 56], step=22, r=4, on="yellow", off="darkgold")] if not progressive else []
    # the reel window
    els += [dict(box=WINDOW, fill="black", outline="gold", width=3, radius=6)]
    els += [dict(box=[x - 2, REEL_Y - 2, REEL_SIZE[0] + 4, REEL_SIZE[1] + 4], fill="cream", outline="darkgold",
                 width=2) for x in REEL_X]
    # the line numbers' glass on the left and a guide from each number to its line
    els += [dict(box=[2, 30, 154, 264], fill=[24, 10, 14], outline="gold", width=2, radius=6)]
    for (n, x, y, row) in lines:
        c = LINE_COLOURS[(n - 1) % 5]
        sx, sy = x + LABEL_SIZE[0], y + LABEL_SIZE[1] // 2
        els += [dict(line=[sx, sy, WINDOW[0] + 2, _row_y(row)], color=c, width=3),
                dict(box=[x - 3, y - 3, LABEL_SIZE[0] + 6, LABEL_SIZE[1] + 6], fill="black", outline="gold",
                     width=1, radius=3)]
    # pay table on the right glass
    els += [dict(box=[660, 30, 134, 272], fill=panel, outline="gold", width=2, radius=6),
            dict(text="PAYS PER LINE", at=[727, 46], anchor="mm", size=12, color="lightgold", font="sans-bold")]
    els.append(dict(pays=pays, at=[666, 70], right=788, pitch=min(21, 224 // max(1, len(pays)))))
    if pays_note:
        els.append(dict(text=pays_note, at=[727, 290], anchor="mm", size=11, color="yellow", font="sans-bold",
                        max_w=126))
    # the feature under the reels, clear of the lowest line numbers and left of where the money prompt
    # opens (x 232): the prompt leaves it whole
    if feature:
        els.append(dict(box=[70, 266, 158, 50], fill=panel, outline="gold", width=2, radius=6))
        for k, text in enumerate(feature[:2]):
            els.append(dict(text=text, at=[149, 281 + 20 * k], anchor="mm", size=12, color="cream" if k else "gold",
                            font="condensed-bold", max_w=148))
    # the betting note right of the badge, ending left of where the money prompt (x 232 to 620 from y 222
    # down) ends: the prompt covers it whole
    els += [dict(box=[482, 266, 134, 50], fill=panel, outline="gold", width=2, radius=6),
            dict(text="BET ONE: ONE MORE LINE", at=[549, 281], anchor="mm", size=11, color="cream",
                 font="condensed-bold", max_w=124),
            dict(text="BET MAX: ALL %d LINES" % len(lines), at=[549, 301], anchor="mm", size=11, color="cream",
                 font="condensed-bold", max_w=124)]
    if progressive:
        els += [dict(box=[338, 4, 200, 20], fill="black", outline="gold", width=1, radius=4),
                dict(text="PROGRESSIVE JACKPOT", at=[438, 14], anchor="mm", size=12, color="lightgold", outline="black",
                     font="sans-bold"),
                # the amount's window ("$" and six figures, 126 x 30 px, written centred on (438, 52):
                # its baseline at y 67) opens into the reel window below it, so the figures keep clear
                # of the reels' frames; the middle reel's frame is a single line on top
                dict(box=[318, 24, 240, 44], fill="black", outline="gold", width=2, radius=4),
                dict(box=[320, 62, 236, 8], fill="black"),
                dict(box=[REEL_X[1] - 2, REEL_Y - 2, REEL_SIZE[0] + 4, 1], fill="black")]
    # meters, badge, coin slot, buttons, bill acceptor, bottom glass: as on every three-reel cabinet
    els.append(dict(slot_panel=True, panel=panel, bottom=bottom))
    # the title on the top glass (beside the jackpot meter on a progressive machine)
    if progressive:
        els += [dict(box=[160, 4, 154, 58], fill="black", outline="gold", width=2, radius=6),
                dict(text=title, box=[164, 7, 146, 52], size=26, color="gold", font="serif-bold", shadow="black",
                     outline="black")]
    else:
        # inside the marquee lights, above the reel window
        els += [dict(box=[158, 11, 484, 43], fill="black", outline="gold", width=2, radius=8),
                dict(text=title, box=[166, 13, 468, 39], size=34, color="gold", font="serif-bold", shadow="black",
                     outline="black")]
    return els


def machine(folder, title, colors, pictures, looks, lines, pays, pays_note="", feature=None, bottom="",
            progressive=False, glass_lines=None):
    """Items of one multi-line machine: back.png, every reel picture
    (<top>_<middle>_<bottom>.png.0), the spinning frames b.png.0-19 and the
    line-number pictures. `lines` = [(number, x, y, row where it enters), ...]
    as the machine places its line numbers; `pays` = [[label, amount], ...];
    `glass_lines` the lines under the table on the bottom glass (texts or
    [text, "symbols"]), by default the pay note and the feature."""
    items = [
        dict(kind="background", file="back.png", style="cabinet", border=True, colors=colors,
             elements=_cabinet(title, pays, pays_note, feature, bottom, lines, progressive),
             # the table again on the bottom glass (the marquee), with the rules under it
             glass=dict(title=title, pays=pays,
                        lines=glass_lines if glass_lines is not None else [pays_note] + list(feature or [])),
             holds=[METER] if progressive else []),
        dict(kind="reelpictures", pictures=pictures, looks=looks, size=REEL_SIZE, rule="parchment"),
    ]
    items += [dict(kind="text", file="linenumber%d.png" % n, size=LABEL_SIZE, text=str(n),
                   bg=LINE_COLOURS[(n - 1) % 5], color="white", outline="black", text_size=18)
              for (n, x, y, row) in lines]
    return items
