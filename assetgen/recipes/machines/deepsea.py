# "deepsea" (Zora Vav Odiderevi): five-reel video slot under the sea.
FOLDER = "gfx/deepsea"
LOOKS = {"shell": dict(glyph="emoji", emoji="shell"), "star": dict(glyph="star", color="orange"),
         "crab": dict(glyph="emoji", emoji="crab"), "lobster": dict(glyph="emoji", emoji="lobster"),
         "fish": dict(glyph="emoji", emoji="tropicalfish"), "mermaid": dict(glyph="emoji", emoji="mermaid", rotate=-60),
         "shark": dict(glyph="emoji", emoji="shark"), "marlin": dict(glyph="fish", bill="sail", color="blue"),
         "swordfish": dict(glyph="fish", bill="sword", color="darkgrey")}
LEAD = "mermaid"   # the lobby's picture of this machine
PICTURES = ("crab_fish_mermaid crab_marlin_star crab_shell_marlin fish_crab_shell fish_marlin_shark fish_mermaid_crab "
            "lobster_shark_shell lobster_star_shell lobster_swordfish_mermaid marlin_shark_lobster marlin_star_lobster "
            "marlin_swordfish_fish mermaid_crab_marlin mermaid_lobster_swordfish mermaid_star_shark shark_lobster_star "
            "shark_shell_fish shark_swordfish_crab shell_fish_crab shell_marlin_swordfish shell_mermaid_lobster "
            "star_lobster_shark star_shark_swordfish star_shell_mermaid swordfish_crab_fish swordfish_fish_marlin "
            "swordfish_mermaid_star").split()
# The deep-sea bonus, at the game's places: each fish's colour (its name in
# the game), the top-left corner of its open mouth, its click area
# [x, y, w, h], where its catch comes up (at y 0), the tail end of the fish
# drawn in that area, and its body colour.
FISH = [("blue", [475, 81], [431, 38, 108, 238], 220, [487, 266], [60, 120, 235]),
        ("green", [570, 112], [557, 91, 151, 190], 547, [676, 270], "green"),
        ("orange", [182, 145], [215, 50, 96, 236], 70, [284, 276], "orange"),
        ("red", [337, 98], [319, 40, 111, 238], 72, [402, 268], "brightred"),
        ("yellow", [131, 118], [107, 50, 109, 205], 0, [166, 246], "yellow")]
MOUTH = [24, 20]                 # the open mouth's picture; the snout is at its middle
RIPPLES = [[348, 375], [210, 456], [14, 329], [88, 370], [660, 376]]
RIPPLE = [60, 16]
PRIZE_AT, PRIZE = [621, 0], [179, 88]   # the prize picture: clear of the green fish's click area (y 91)
# The amount won is written at 80 points centred on (400, 485): its figures
# stand on a baseline half the text's height below that point, from about
# y 487 down to 569, in open water above the sand.
FLOOR = 576                      # the sand
AMOUNTS = ["60", "1500", "20000"]   # 3 x 20 coins up to 100 x 40 x 5 coins
# The catch. Reeled up by LIFT px, each fish hangs where it was, and its
# catch hangs under it on its line in the fish's own column of water, clear
# of the other fish, of the title, the prize picture and the ripples:
# HANG [x, top, width, height] is where (the line runs down behind the fish
# and comes out under it at x; on the line itself where it can), and the
# room the catch has there. ROOM: the right edge and the foot of each fish's
# frames (they start at the fish's catch x, at y 0), round the fish and its
# catch. The green fish is lifted less (the prize picture comes down to
# y 88 beside its line) and its catch hangs lower, right of the title.
TITLE = [256, 310, 288, 44]      # "PICK A FISH!" on the bonus picture
LIFT = dict(blue=82, green=44, orange=144, red=98, yellow=118)
HANG = dict(blue=[487, 190, 96, 108], green=[640, 252, 150, 116], orange=[262, 156, 128, 140],
            red=[376, 186, 124, 112], yellow=[143, 138, 82, 150])
ROOM = dict(blue=[540, 304], green=[720, 372], orange=[330, 304], red=[442, 304], yellow=[196, 304])
# the six catches, from the most common prize to the rarest: a glyph and
# its [width, height] as it hangs (smaller where its fish has less room);
# a marlin hangs by its tail
CATCHES = [("_sink", dict(glyph="sink"), [110, 96]),
           ("_tire", dict(glyph="tire"), [96, 96]),
           ("_ten_marlin", dict(glyph="fish", bill="sail", color="lightblue", turn=90), [96, 120]),
           ("_25_marlin", dict(glyph="fish", bill="sail", color="violet", turn=90), [104, 130]),
           ("_50_marlin", dict(glyph="fish", bill="sail", color="gold", turn=90), [112, 140]),
           ("_mermaid", dict(glyph="emoji", emoji="mermaid"), [100, 140])]


def catch_frames(c, look, size):
    """The six frames of fish `c` bringing up its catch (a glyph `look` of
    `size`), in the frame's own pixels (its corner at (catch x, 0)): the
    first is the fish where it hangs with nothing, then the fish rises up
    its line while the catch grows out of the deep to its full size under
    it. Only the picked fish and what it brings up are drawn; the rest of
    each frame is the bonus picture as it lies under them."""
    (c, mouth, spot, cx, tail, col) = [f for f in FISH if f[0] == c][0]
    lx, snout = mouth[0] + MOUTH[0] // 2, mouth[1] + MOUTH[1] // 2
    hx, htop, hw, hh = HANG[c]
    fit = min(1, hw / size[0], hh / size[1])
    w, h = ROOM[c][0] - cx, ROOM[c][1]
    frames = []
    for k in range(6):
        t = k / 5
        up = round(LIFT[c] * (1 - (1 - t) * (1 - t)))     # quick at first, slowing as it comes up
        box = [spot[0] - 60, spot[1] - 10 - up, spot[2] + 70, spot[3] + 20]
        fish = dict(symbol="hookedfish", box=[box[0] - cx] + box[1:], color=col, width=0.4,
                    mouth=[lx - box[0], snout - (spot[1] - 10)], tail=[tail[0] - box[0], tail[1] - (spot[1] - 10)])
        # where the hanging line leaves the fish: on its middle line above the hang point
        behind = snout - up + ((hx - lx) * (tail[1] - snout) // (tail[0] - lx) if hx != lx else 0)
        els = [dict(line=[lx - cx, 0, lx - cx, mouth[1] + 2 - up], color="silver", width=1)]
        if k:
            g = fit * (0.3 + 0.7 * t)
            gw, gh = max(4, round(size[0] * g)), max(4, round(size[1] * g))
            els += [dict(line=[hx - cx, behind, hx - cx, htop + gh // 3], color="silver", width=1),
                    dict(look, symbol=look["glyph"], box=[hx - cx - gw // 2, htop, gw, gh])]
        frames.append(dict(kind="background", size=[w, h], style="plain", colors=["navy", "navy"],
                           elements=els + [fish]))
    return frames


LINES = [(1, 89, 172), (2, 87, 122), (3, 86, 220), (4, 86, 67), (5, 86, 276)]

# The bottom glass (the marquee): per coin on a line, 1 to 5 in a row from the left.
GLASS = dict(unit="PAYS PER COIN ON A LINE, SYMBOLS IN A ROW FROM THE LEFT", pays=[
    ["shell", [0, 0, 5, 10, 15]], ["star", [0, 0, 10, 20, 30]], ["crab", [0, 0, 10, 15, 20]],
    ["lobster", [0, 0, 25, 30, 50]], ["marlin", [2, 0, 0, 0, 0]], ["marlin mermaid", [0, 25, 50, 75, 250]],
    ["mermaid", [2, 30, 75, 250, 500]]],
    lines=[["THE MERMAID STANDS IN FOR THE MARLIN", "mermaid"],
           ["3, 4 OR 5 SHARKS IN A ROW: THE FISHING BONUS AT 20, 30 OR 40 x COINS", "shark"],
           ["3 SWORDFISH OR 3 FISH IN A ROW: THE FISHING BONUS AT 20 x COINS", "swordfish fish"]])

ITEMS = [
    dict(kind="cabinet", family="video", title="ZORA VAV ODIDEREVI", colors=["sea", "navy"], panel="navy",
         meters=dict(bet=[197, 42], lastbet=[423, 42], credits=[591, 42], paid=[642, 376]),
         bottom="CATCH THE BIG ONE IN THE DEEP-SEA BONUS"),
    dict(kind="reelpictures", pictures=PICTURES, looks=LOOKS, bg="lightblue"),
] + [
    dict(kind="text", file="linenumber%d.png" % n, size=[34, 26], text=str(n), bg="sea", color="white",
         text_size=18) for (n, x, y) in LINES
] + [
    # the deep-sea bonus: five fish swimming up at the hooks, to pick from;
    # their open mouths (shown and hidden at random over each snout), the
    # ripples (one picture at five places, so the water under them is one
    # flat colour), the catch of each fish for each prize (6 frames drawn at
    # (x, 0)) and the prize picture. None of these is colour-keyed: each is
    # cut from the bonus picture where it is drawn.
    dict(kind="background", dir="gfx/bonus/deepsea", file="bonus.png", style="plain", colors=["navy", "navy"],
         title="PICK A FISH!", title_size=36, title_y=330, title_color="lightgold",
         elements=[dict(box=[0, 0, 800, 300], style="gradient", colors=["sea", "navy"])] +
                  # light falling through the water, above the fish
                  [dict(polygon=[x, 0, x + 60, 0, x + 120, 296], fill=[22, 64, 118]) for x in (30, 300, 620)] +
                  [e for (c, mouth, spot, cx, tail, col) in FISH for e in (
                      # the line down to the hook in the fish's mouth
                      dict(line=[mouth[0] + MOUTH[0] // 2, 0, mouth[0] + MOUTH[0] // 2, mouth[1] + 2],
                           color="silver", width=1, name=c),
                      dict(symbol="hookedfish", box=[spot[0] - 60, spot[1] - 10, spot[2] + 70, spot[3] + 20],
                           color=col, width=0.4, name=c,
                           mouth=[mouth[0] + MOUTH[0] // 2 - (spot[0] - 60), mouth[1] + MOUTH[1] // 2 - (spot[1] - 10)],
                           tail=[tail[0] - (spot[0] - 60), tail[1] - (spot[1] - 10)]))] +
                  # the sea floor: sand, rocks and weed
                  [dict(box=[0, FLOOR, 800, 600 - FLOOR], style="gradient", colors=[[194, 160, 100], [150, 112, 60]]),
                   dict(circle=[640, FLOOR + 8, 22], fill="darkgrey", outline="charcoal", width=2),
                   dict(circle=[676, FLOOR + 14, 14], fill="grey", outline="charcoal", width=2),
                   dict(circle=[120, FLOOR + 16, 12], fill="darkgrey", outline="charcoal", width=2)] +
                  [dict(polygon=[x, FLOOR + 4, x + 8, FLOOR + 4, x + 18 + d, top, x + 10 + d, top], fill=col)
                   for (x, d, top, col) in ((30, 10, 440, "darkfelt"), (44, -14, 470, "green"),
                                            (748, -12, 420, "darkfelt"), (764, 12, 450, "green"))],
         writes=[dict(font="deepseabonus.ttf", size=80, at=[400, 485], align=4, color="white", texts=AMOUNTS)]),
] + [
    # the open mouth: an "O" over the snout, its lips the fish's colour
    dict(kind="background", dir="gfx/bonus/deepsea", file="%s_mouth_o.png" % c, size=MOUTH,
         elements=[dict(circle=[MOUTH[0] // 2, MOUTH[1] // 2, 8], fill=col, outline="ink", width=1),
                   dict(circle=[MOUTH[0] // 2, MOUTH[1] // 2, 5], fill=[60, 0, 20], outline="ink", width=1)],
         on=["gfx/bonus/deepsea/bonus.png", mouth])
    for (c, mouth, spot, cx, tail, col) in FISH
] + [
    # the ripples: three rings of light on the water, moving outwards
    dict(kind="anim", dir="gfx/bonus/deepsea", name="10x_ripple", frames=3, effect="frames",
         frame_items=[dict(kind="background", size=RIPPLE, elements=[
             dict(line=[RIPPLE[0] // 2 - w, RIPPLE[1] // 2 + dy, RIPPLE[0] // 2 + w, RIPPLE[1] // 2 + dy],
                  color=colr, width=2)
             for (w, dy, colr) in ((6 + 7 * f, -4, "lightblue"), (10 + 7 * ((f + 1) % 3), 0, [150, 200, 245]),
                                   (12 + 7 * ((f + 2) % 3), 4, "lightblue"))]) for f in range(3)],
         on=["gfx/bonus/deepsea/bonus.png"] + RIPPLES)
] + [
    # the catch: the picked fish is reeled up its own line, and what it
    # caught comes up out of the deep hanging under it (see catch_frames)
    dict(kind="anim", dir="gfx/bonus/deepsea", name=c + suffix, frames=6, effect="frames",
         frame_items=catch_frames(c, look, size), on=["gfx/bonus/deepsea/bonus.png", [cx, 0]],
         takes=[c], keep_drawn=[o[0] for o in FISH if o[0] != c],
         keep=[PRIZE_AT + PRIZE, TITLE] + [r + RIPPLE for r in RIPPLES],
         fits=dict(at=[[cx, 0]], room=[0, 0, 800, TITLE[1] if c != "green" else RIPPLES[4][1]]))
    for (c, mouth, spot, cx, tail, col) in FISH
    for suffix, look, size in CATCHES
] + [
    dict(kind="background", dir="gfx/bonus/deepsea", file="%s.png" % m, size=PRIZE,
         elements=[dict(box=[6, 6, PRIZE[0] - 12, PRIZE[1] - 12], fill="gold", outline="darkgold", width=3, radius=14),
                   dict(text=m.upper(), box=[12, 10, PRIZE[0] - 24, PRIZE[1] - 20], size=60, color="brightred",
                        outline="black")],
         on=["gfx/bonus/deepsea/bonus.png", PRIZE_AT], keep=[spot for (c, mouth, spot, cx, tail, col) in FISH])
    for m in ("3x", "5x", "10x", "25x", "50x", "100x")
]
