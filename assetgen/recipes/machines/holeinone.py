# "holeinone" (Daru Du Rir): golf; shot symbols play a golf shot.
FOLDER = "gfx/holeinone"
_SHOT = dict(glyph="emoji", plate="darkfelt", caption_color="white")
LOOKS = dict(birdie=dict(_SHOT, emoji="bird", caption="BIRDIE"), bogie=dict(_SHOT, emoji="tree", caption="BOGIE"),
             par=dict(_SHOT, emoji="golfer", caption="PAR"),
             holeinone=dict(_SHOT, emoji="golfflag", caption="HOLE IN ONE", plate="red",
                           caption_color="lightgold"))
LEAD = "holeinone"   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", looks=LOOKS, title="DARU DU RIR", colors=["lightfelt", "darkfelt"], panel="darkfelt",
         pays=[["3 HOLES IN ONE", 1000, "holeinone holeinone holeinone"], ["3 BALLS", 50], ["3 BIRDIES", 30], ["3 PARS", 20], ["3 BOGIES", 10],
               ["3 CHERRIES", 10], ["ANY 3 SHOTS", 5, "birdie par bogie"], ["2 CHERRIES", 5]],
         feature=dict(symbol="holeinone", lines=["3 HOLES IN ONE", "AT 3 COINS"], big="5000", under="FOR THE BET"),
         bottom="FORE!",
         glass_lines=["3 HOLES IN ONE AT 3 COINS: 5000 FOR THE BET",
                      ["THE WILD STANDS IN FOR EVERY OTHER SYMBOL", "wild"]]),
    dict(kind="symbolset", symbols=[["blank", 12], ["cherry", 3], ["birdie", 3], ["bogie", 2], ["par", 3],
                                    ["ball", 2], ["holeinone", 2], ["wild", 2]],
         looks=LOOKS),

] + [
    # the golf shot shown on a reel: the ball rolling in (ballanim.png.19 down
    # to .0, the ball in the cup at 0), then four pictures of the shot's name
    dict(kind="background", file="ballanim.png.%d" % k, size=[130, 176], style="felt",
         colors=["lightfelt", "darkfelt"],
         elements=[dict(circle=[65, 40, 12], fill="black", outline="darkfelt"),
                   dict(line=[65, 40, 65, 6], color="white", width=2),
                   dict(polygon=[66, 6, 90, 13, 66, 20], fill="red"),
                   dict(circle=[65 + k * 1.5, 44 + k * 6, 3 + k * 0.5], fill="white", outline="grey")])
    for k in range(20)
] + [
    dict(kind="anim", name=shot + "anim", frames=4, effect="flash",
         base=dict(kind="text", size=[130, 176], text=label, bg_style="felt", colors=["lightfelt", "darkfelt"],
                   color="lightgold", outline="black", text_size=34))
    for shot, label in (("bogie", "BOGIE"), ("par", "PAR"), ("birdie", "BIRDIE!"), ("holeinone", "HOLE\nIN ONE!"))
]
