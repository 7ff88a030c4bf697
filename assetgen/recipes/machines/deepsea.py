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
# the bonus fish: colour (its name in the game), centre x and top of its
# 110 x 150 click area, and its picture
FISH = [("blue", 530, 85, "fish", False), ("green", 660, 65, "tropicalfish", False),
        ("orange", 270, 90, "tropicalfish", False), ("red", 400, 60, "blowfish", False),
        ("yellow", 140, 70, "fish", False)]
CATCH_X = dict(blue=220, green=547, orange=70, red=72, yellow=0)   # where each fish's catch comes up
RIPPLES = [[348, 375], [210, 456], [14, 329], [88, 370], [660, 376]]
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
    # the deep-sea bonus: five fish hanging head up from their lines, to pick
    # from; their open mouths (shown and hidden at random over the tip of each
    # head), ripples, the catch of each fish for each prize (6 frames drawn at
    # (x, 0)) and the prize pictures drawn at (621, 0). None of these is
    # colour-keyed: each is cut from the bonus picture where it is drawn.
    dict(kind="background", dir="gfx/bonus/deepsea", file="bonus.png", style="sea", colors=["sea", "navy"],
         title="PICK A FISH!", title_size=36, title_y=330, title_color="lightgold",
         elements=[e for (c, cx, top, emoji, flip) in FISH for e in (
                       dict(line=[cx, 0, cx, top + 6], color="silver", width=1),
                       dict(symbol="emoji", emoji=emoji, flip=flip, rotate=-90, box=[cx - 55, top, 110, 150]))] +
                  [dict(box=[0, 520, 800, 80], fill="brown")]),
] + [
    dict(kind="background", dir="gfx/bonus/deepsea", file="%s_mouth_o.png" % c, size=[30, 22],
         elements=[dict(box=[9, 2, 12, 12], fill="ink", outline="darkburgundy", width=1, radius=6)],
         on=["gfx/bonus/deepsea/bonus.png", [cx - 15, top + 4]])
    for (c, cx, top, emoji, flip) in FISH
] + [
    dict(kind="anim", dir="gfx/bonus/deepsea", name="ripple%d" % (k + 1), frames=3, effect="text",
         base=dict(kind="background", size=[60, 16],
                   elements=[dict(line=[4 + 6 * ((k + f) % 3) // 2, 8 + d, 56 - 6 * ((k + f) % 3) // 2, 8 + d],
                                  color="lightblue", width=1) for d, f in ((-3, 0), (0, 1), (3, 2))]),
         on=["gfx/bonus/deepsea/bonus.png", at])
    for k, at in enumerate(RIPPLES)
] + [
    dict(kind="anim", dir="gfx/bonus/deepsea", name=c + suffix, frames=6, effect="slide", **{"from": "top"},
         base=dict(look, kind="symbol", size=[220, 300]),
         on=["gfx/bonus/deepsea/bonus.png", [CATCH_X[c], 0]])
    for c in ("blue", "green", "orange", "red", "yellow")
    for suffix, look in (("_sink", dict(glyph="emoji", emoji="tap", caption="A SINK!", plate="navy")),
                         ("_tire", dict(glyph="tire")),
                         ("_ten_marlin", dict(glyph="fish", bill="sail", color="blue")),
                         ("_25_marlin", dict(glyph="fish", bill="sail", color="navy")),
                         ("_50_marlin", dict(glyph="fish", bill="sail", color="purple")),
                         ("_mermaid", dict(glyph="emoji", emoji="mermaid", caption="MERMAID!", plate="navy")))
] + [
    dict(kind="background", dir="gfx/bonus/deepsea", file="%s.png" % m, size=[179, 110],
         elements=[dict(box=[8, 12, 163, 88], fill="gold", outline="darkgold", width=3, radius=14),
                   dict(text=m.upper(), box=[14, 16, 151, 80], size=60, color="brightred", outline="black")],
         on=["gfx/bonus/deepsea/bonus.png", [621, 0]])
    for m in ("3x", "5x", "10x", "25x", "50x", "100x")
]
