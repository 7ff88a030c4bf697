# "5x": the cabinet (back.png), the reel strip frames b.png.0-19 and the
# symbols as they stop (130 x 176). Its sounds are those of 10X (10x.py).
FOLDER = "gfx/5x"
LEAD = dict(glyph="wild", sub="5X")   # the lobby's picture of this machine


# The bottom glass (the marquee): the pay table with the symbols as pictures.
GLASS = dict(title="5X", pays=[["3 WILDS", 800, "wild wild wild"], ["3 5X BAR", 80, "5bar 5bar 5bar"],
                               ["3 TRIPLE BAR", 40], ["3 DOUBLE BAR", 25], ["3 BAR", 10], ["3 V", 10, "v v v"],
                               ["ANY 3 BARS", 5], ["2 V", 5, "v v"], ["1 V", 2, "v"]],
             lines=["EACH WILD THAT STANDS IN MULTIPLIES THE WIN BY 5: TWO WILDS PAY 25 TIMES", "3 WILDS AT 3 COINS WIN THE CAR JACKPOT",
                    "THE CAR TAKES THE PLACE OF EVERY CREDIT THAT SPIN WOULD PAY"],
             looks={"v": dict(glyph="text", label="V", color="blue"), "wild": dict(glyph="wild", sub="5X"),
                    "5bar": dict(glyph="bar", bars=1, label="5X", color="green")})

ITEMS = [
    dict(kind="background", file="back.png", size=[800, 600], style="cabinet", border=True,
         title="5X", title_size=46, title_box=[166, 15, 468, 49], title_color="gold",
         elements=[
             # marquee strip across the top glass
             dict(lights=[150, 6, 500, 86], step=22, r=4, on="yellow", off="darkgold"),
             dict(box=[158, 12, 484, 55], fill="black", outline="gold", width=2, radius=8),
             # reel windows (reels at x 176, 339, 507, y 78; 130 x 176 each)
             dict(box=[164, 70, 482, 192], fill="black", outline="gold", width=3, radius=6),
             dict(box=[172, 74, 138, 184], fill="cream", outline="darkgold", width=2),
             dict(box=[335, 74, 138, 184], fill="cream", outline="darkgold", width=2),
             dict(box=[503, 74, 138, 184], fill="cream", outline="darkgold", width=2),
             # pay table on the right glass
             dict(box=[650, 70, 142, 250], fill="darkburgundy", outline="gold", width=2, radius=6),
             dict(text="PAYS PER COIN", at=[721, 86], anchor="mm", size=12, color="lightgold", font="sans-bold"),
             dict(pays=GLASS["pays"], at=[658, 108], right=786, pitch=22, size=12),
             dict(text="WILD = 5 TIMES", at=[721, 304], anchor="mm", size=12, color="yellow", font="sans-bold"),
             # the top prize on the left glass
             dict(box=[8, 70, 148, 236], fill="darkburgundy", outline="gold", width=2, radius=6),
             dict(symbol="wild", box=[32, 84, 100, 90], sub="5X"),
             dict(text="3 WILDS", at=[82, 184], anchor="mm", size=16, color="cream", font="sans-bold"),
             dict(text="AT 3 COINS", at=[82, 203], anchor="mm", size=14, color="cream", font="sans-bold"),
             dict(text="WIN", at=[82, 222], anchor="mm", size=14, color="cream", font="sans-bold"),
             dict(text="THE CAR", at=[82, 252], anchor="mm", size=22, color="gold", font="serif-bold",
                  outline="black"),
             dict(text="JACKPOT", at=[82, 286], anchor="mm", size=13, color="lightgold", font="sans-bold"),
             # meters, badge, coin slot, buttons, bill acceptor and bottom glass of every three-reel cabinet
             dict(slot_panel=True, panel="darkburgundy", bottom="WILDS MULTIPLY WINS BY 5"),
         ]),

    # spinning reel: the symbols scroll past, blurred
    dict(kind="anim", name="b", frames=20, effect="reel", size=[130, 176],
         symbols=["blank", dict(glyph="text", label="V", color="blue"), "bar1", "bar2", "bar3",
                  dict(glyph="bar", bars=1, label="5X", color="green"), dict(glyph="wild", sub="5X")]),

    # the symbols as they stop; several pictures of one symbol look alike
    dict(kind="symbol", file="blank.png.0", size=[130, 176], glyph="blank", bg="cream"),
    dict(kind="symbol", file="blank.png.1", size=[130, 176], glyph="blank", bg=[250, 244, 226]),
    dict(kind="symbol", file="blank.png.2", size=[130, 176], glyph="blank", bg=[248, 240, 220]),
    dict(kind="symbol", file="blank.png.3", size=[130, 176], glyph="blank", bg="cream"),
    dict(kind="symbol", file="blank.png.4", size=[130, 176], glyph="blank", bg=[250, 244, 226]),
    dict(kind="symbol", file="blank.png.5", size=[130, 176], glyph="blank", bg=[248, 240, 220]),
    dict(kind="symbol", file="blank.png.6", size=[130, 176], glyph="blank", bg="cream"),
    dict(kind="symbol", file="blank.png.7", size=[130, 176], glyph="blank", bg=[250, 244, 226]),
    dict(kind="symbol", file="blank.png.8", size=[130, 176], glyph="blank", bg=[248, 240, 220]),
    dict(kind="symbol", file="v.png.0", size=[130, 176], glyph="text", label="V", color="blue", bg="cream"),
    dict(kind="symbol", file="v.png.1", size=[130, 176], glyph="text", label="V", color="navy",
         bg=[250, 244, 226]),
    dict(kind="symbol", file="bar.png.0", size=[130, 176], glyph="bar", bars=1, bg="cream"),
    dict(kind="symbol", file="bar.png.1", size=[130, 176], glyph="bar", bars=1, bg=[250, 244, 226]),
    dict(kind="symbol", file="2bar.png.0", size=[130, 176], glyph="bar", bars=2, color="blue", bg="cream"),
    dict(kind="symbol", file="2bar.png.1", size=[130, 176], glyph="bar", bars=2, color="blue",
         bg=[250, 244, 226]),
    dict(kind="symbol", file="3bar.png.0", size=[130, 176], glyph="bar", bars=3, color="red", bg="cream"),
    dict(kind="symbol", file="3bar.png.1", size=[130, 176], glyph="bar", bars=3, color="red",
         bg=[250, 244, 226]),
    dict(kind="symbol", file="5bar.png.0", size=[130, 176], glyph="bar", bars=1, label="5X", color="green",
         bg="cream"),
    dict(kind="symbol", file="5bar.png.1", size=[130, 176], glyph="bar", bars=1, label="5X", color="green",
         bg=[250, 244, 226]),
    dict(kind="symbol", file="wild.png.0", size=[130, 176], glyph="wild", sub="5X", bg="cream"),
    dict(kind="symbol", file="wild.png.1", size=[130, 176], glyph="wild", sub="5X", color="orange", bg="cream"),
]
