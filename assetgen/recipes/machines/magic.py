# "magic" (Magic): five-reel video slot of a magic show: doves, rabbits,
# hankies, flowers, stars, the cards and the magic hat.
FOLDER = "gfx/magic"
LOOKS = {"aces": dict(glyph="rank", label="A", suit="S"), "kings": dict(glyph="rank", label="K", suit="H"),
         "queens": dict(glyph="rank", label="Q", suit="D"), "dove": dict(glyph="emoji", emoji="dove"),
         "rabbit": dict(glyph="emoji", emoji="rabbit"), "hanky": dict(glyph="emoji", emoji="scarf"),
         "flowers": dict(glyph="emoji", emoji="flowers"), "stars": dict(glyph="star", color="gold"),
         "magic": dict(glyph="emoji", emoji="tophat", ring="purple")}
LEAD = "magic"   # the lobby's picture of this machine
PICTURES = ("aces_dove_queens aces_hanky_dove aces_stars_queens dove_kings_magic dove_queens_stars dove_rabbit_magic "
            "flowers_aces_dove flowers_aces_stars flowers_dove_rabbit hanky_dove_kings hanky_flowers_aces "
            "hanky_kings_magic kings_flowers_dove kings_magic_flowers kings_magic_stars magic_aces_hanky "
            "magic_flowers_aces magic_stars_rabbit queens_hanky_flowers queens_kings_flowers queens_stars_rabbit "
            "rabbit_hanky_kings rabbit_magic_aces rabbit_queens_hanky stars_queens_kings stars_rabbit_hanky "
            "stars_rabbit_queens").split()
LINES = [(1, 110, 167), (2, 105, 110), (3, 105, 220), (4, 104, 59), (5, 104, 280)]

# The bottom glass (the marquee): per coin on a line, 1 to 5 in a row from the left.
GLASS = dict(unit="PAYS PER COIN ON A LINE, SYMBOLS IN A ROW FROM THE LEFT", pays=[
    ["magic", [0, 2, 5, 15, 75]], ["queens", [0, 5, 10, 25, 100]], ["kings", [0, 0, 10, 50, 150]],
    ["aces", [0, 0, 15, 60, 200]], ["dove", [0, 0, 25, 150, 275]], ["flowers rabbit", [0, 0, 50, 200, 500]],
    ["stars rabbit", [0, 0, 60, 500, 2500]], ["rabbit", [0, 0, 75, 1000, 5000]]],
    lines=[["THE RABBIT STANDS IN FOR FLOWERS AND STARS AND DOUBLES THE LINE", "rabbit"],
           ["3, 4 OR 5 HANKIES IN A ROW: PICK A HAT FOR A MULTIPLIER", "hanky"],
           "HAT BONUS: 15, 35 OR 60 x COINS A LINE; AT THE FULL BET 200, 600 OR 1500"])

HATS = [[37, 395], [179, 421], [328, 438], [481, 422], [636, 396]]   # the hats' places, left to right

ITEMS = [
    dict(kind="cabinet", family="video", title="MAGIC", colors=["navy", "black"], panel="navy",
         meters=dict(bet=[195, 42], lastbet=[421, 42], credits=[590, 42], paid=[643, 377]),
         bottom="THE MAGIC HAT HIDES A BONUS"),
    dict(kind="reelpictures", pictures=PICTURES, looks=LOOKS),
] + [
    dict(kind="text", file="linenumber%d.png" % n, size=[32, 26], text=str(n), bg="navy", color="lightgold",
         text_size=18) for (n, x, y) in LINES
] + [
    # the magic hat bonus: five hats, a star burst and six prizes coming out of
    # the picked hat, and the multiplier picture at (191, 4)
    dict(kind="background", dir="gfx/bonus/magic", file="bonus.png", style="plain", colors=["purple", "purple"],
         title="PICK A HAT!", title_size=40, title_y=170, title_color="lightgold",
         elements=[dict(box=[0, 540, 800, 60], fill="darkburgundy"),
                   dict(lights=[10, 8, 780, 100], step=30, r=5)]),
] + [
    # each hat is cut from the stage where it stands (HATS: the game's places)
    dict(kind="symbol", dir="gfx/bonus/magic", file="%d_std.png" % (n + 1), size=[110, 120], glyph="emoji",
         emoji="tophat", on=["gfx/bonus/magic/bonus.png", at])
    for n, at in enumerate(HATS)
] + [
    dict(kind="anim", dir="gfx/bonus/magic", name="hat_stars", frames=7, effect="grow",
         base=dict(kind="symbol", size=[260, 200], glyph="star", color="yellow", key=True), key=True),
] + [
    # the star burst and the prizes rise over the title and the lights: keyed
    dict(kind="anim", dir="gfx/bonus/magic", name=name, frames=n, effect="grow", key=True,
         base=dict(kind="symbol", size=size, glyph="emoji", emoji=emoji, caption=caption, plate="darkburgundy",
                   key=True))
    for name, n, size, emoji, caption in (("chief", 28, [300, 340], "scarf", None),
                                          ("small_flower", 9, [200, 200], "flower", None),
                                          ("bigflow", 9, [300, 300], "flowers", "BIG FLOWERS"),
                                          ("small_bunny", 13, [120, 96], "rabbit", None),
                                          ("med_bunny", 7, [160, 150], "rabbit", None),
                                          ("bigbunny", 17, [220, 250], "bunny", "BIG BUNNY!"))
] + [
    dict(kind="text", dir="gfx/bonus/magic", file="%s.png" % m, size=[160, 90], text=m.upper(),
         color="lightgold", outline="black", text_size=56, on=["gfx/bonus/magic/bonus.png", [191, 4]])
    for m in ("3x", "5x", "10x", "25x", "50x", "100x")
]
