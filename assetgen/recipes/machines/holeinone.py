# "holeinone" (Daru Du Rir): golf; shot symbols play a golf shot.
FOLDER = "gfx/holeinone"
_SHOT = dict(glyph="token", shape="round", color="felt", border="white", text="white")
ITEMS = [
    dict(kind="cabinet", title="DARU DU RIR", colors=["lightfelt", "darkfelt"], panel="darkfelt",
         pays=[["3 HOLES IN ONE", 1000], ["3 BALLS", 50], ["3 BIRDIES", 30], ["3 PARS", 20], ["3 BOGIES", 10],
               ["3 CHERRIES", 10], ["ANY 3 SHOTS", 5], ["2 CHERRIES", 5]],
         feature=dict(symbol="ball", lines=["3 HOLES IN ONE", "AT 3 COINS"], big="5000", under="FOR THE BET"),
         bottom="FORE!"),
    dict(kind="symbolset", symbols=[["blank", 12], ["cherry", 3], ["birdie", 3], ["bogie", 2], ["par", 3],
                                    ["ball", 2], ["holeinone", 2], ["wild", 2]],
         looks=dict(birdie=dict(_SHOT, label="BIRDIE"), bogie=dict(_SHOT, label="BOGIE", color="brown"),
                    par=dict(_SHOT, label="PAR", color="darkfelt"),
                    holeinone=dict(_SHOT, label="HOLE\nIN ONE", color="red", border="gold", text="lightgold"))),

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
