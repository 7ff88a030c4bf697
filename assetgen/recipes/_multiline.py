# Shared look of the multi-line three-reel machines (three reels, each showing
# a three-row reel picture). The family's layout is set here once: change
# REEL_X / REEL_Y / REEL_SIZE when the family places its reels elsewhere.
# (Rows of 60 from y 72: the line numbers sit beside them, and a progressive
# amount fits above the reels at (438, 52).)
REEL_X = [176, 339, 507]
REEL_Y = 72
REEL_SIZE = [130, 180]


def machine(folder, title, colors, pictures, looks, lines, bottom=""):
    """Items of one multi-line machine: back.png, every reel picture
    (<top>_<middle>_<bottom>.png.0), the spinning frames b.png.0-19 and the
    line-number pictures at their places."""
    w, h = REEL_SIZE
    x0, x1 = REEL_X[0], REEL_X[-1] + w
    elements = [dict(box=[x0 - 14, REEL_Y - 8, x1 - x0 + 28, h + 16], fill="black", outline="gold", width=3,
                     radius=6)]
    elements += [dict(box=[x, REEL_Y, w, h], fill="cream") for x in REEL_X]
    elements += [dict(box=[x - 4, y - 2, 36, 28], fill="black", outline="gold") for (n, x, y) in lines]
    elements += [dict(text=title, at=[400, REEL_Y + h + 40], size=40, font="serif-bold", color="gold",
                      shadow="black", max_w=600),
                 dict(text=bottom, at=[400, REEL_Y + h + 80], size=16, color="cream", max_w=700)]
    items = [
        dict(kind="background", file="back.png", style="cabinet", border=True, colors=colors, elements=elements),
        dict(kind="reelpictures", pictures=pictures, looks=looks, size=REEL_SIZE),
    ]
    items += [dict(kind="text", file="linenumber%d.png" % n, size=[28, 24], text=str(n), bg="red", color="white",
                   text_size=16) for (n, x, y) in lines]
    return items
