# The shared pictures and sounds of the nine video poker machines: the cards
# (62 x 89, named <rank>_<suit>.png), the card back, the held marker, the
# winner banner, the mouse-over looks of the cabinet buttons, the three help
# pages and the poker sounds.
from _poker_cabinet import BUTTONS

FOLDER = "gfx/poker"

RANKS = [["2", "2"], ["3", "3"], ["4", "4"], ["5", "5"], ["6", "6"], ["7", "7"], ["8", "8"], ["9", "9"],
         ["10", "10"], ["j", "J"], ["q", "Q"], ["k", "K"], ["ace", "A"]]
SUITS = [["heart", "H"], ["spade", "S"], ["club", "C"], ["diam", "D"]]

ITEMS = [dict(kind="card", dir="gfx/poker/cards", file="%s_%s.png" % (r[0], s[0]), card=r[1] + s[1], size=[62, 89])
         for s in SUITS for r in RANKS]
ITEMS += [
    dict(kind="card", dir="gfx/poker/cards", file="joker_heart.png", card="JOKER", size=[62, 89]),
    dict(kind="card", dir="gfx/poker/backs", file="corvalo.png", card="BACK", size=[62, 89], color="burgundy",
         label="C"),
    dict(kind="text", file="held.png", text="HELD", size=[70, 21], font="sans-bold", text_size=15,
         color="lightgold", bg="darkburgundy", outline="black"),
    dict(kind="text", file="winner.png", text="WINNER!", size=[244, 56], font="serif-bold", text_size=40,
         color="lightgold", bg="burgundy", shadow="black", elements=[dict(box=[1, 1, 242, 54], outline="gold", width=3)]),
]

# Lit looks of the cabinet's buttons (the cabinet picture shows the plain ones).
LIT = {"burgundy": "red", "bronze": "gold", "navy": "navy"}
ITEMS += [dict(kind="button", dir="gfx/pokerbuttons", name=b[0], states=["mo"], size=[b[3], 34], label=b[4],
               label_size=10, color=LIT[b[5]], text="black" if b[5] == "bronze" else "cream", shape="rect")
          for b in BUTTONS]
ITEMS.append(dict(kind="button", dir="gfx/pokerbuttons", name="change", states=["mo"], size=[44, 26],
                  label="CHANGE", label_size=9, color="purple", text="cream", shape="rect"))

# Help pages, shown on a player's first visit to a poker machine.
ITEMS += [
    dict(kind="page", dir="gfx/help", file="poker_1.png", size=[366, 236], screen=[[217, 241]], title="VIDEO POKER",
         text_size=14,
         lines=["Bet one to five coins with BET ONE,", "or press BET MAX to deal at five coins.",
                "DEAL gives you five cards.", "", "Keys: Return deals, m bets max,",
                "n bets one more coin, Esc cashes out.", "", ["Click or press a key to go on.", "lightgold"]]),
    dict(kind="page", dir="gfx/help", file="poker_2.png", size=[300, 236], screen=[[282, 220]],
         title="HOLD AND DRAW", text_size=13,
         lines=["Click a card or its HOLD button", "to keep it; click again to let it go.",
                "DRAW replaces every card", "that is not held.", "", ["Click or press a key to go on.", "lightgold"]]),
    dict(kind="page", dir="gfx/help", file="poker_3.png", size=[300, 236], screen=[[453, 218]],
         title="GETTING PAID", text_size=13,
         lines=["The final hand is paid by the", "table on the glass, per coin bet.",
                "A royal flush at five coins", "pays the big bonus.", "",
                "Click the coin value to change it,", "the bill slot to add money.", "",
                ["Click or press a key to play.", "lightgold"]]),
]

# Sounds: each machine's intro, the card turn, the count-up loop and the
# double-up's win and loss.
ITEMS += [
    dict(kind="jingle", dir="sounds", file="poker1.wav", notes="C5 E5 G5 C6:2", wave="bell"),
    dict(kind="jingle", dir="sounds", file="poker2.wav", notes="G4 C5 E5 G5 E5 C6:2", wave="bell", tempo=10),
    dict(kind="jingle", dir="sounds", file="poker3.wav", notes="E5 G5 B5 E6:2", wave="triangle"),
    dict(kind="jingle", dir="sounds", file="poker4.wav", notes="C5 C5 G5 G5 A5 A5 G5:2", wave="square", tempo=10),
    dict(kind="jingle", dir="sounds", file="poker5.wav", notes="A4 C5 E5 A5:2", wave="bell"),
    dict(kind="jingle", dir="sounds", file="poker7.wav", notes="D5 F5 A5 D6 A5 D6:2", wave="saw", tempo=10),
    dict(kind="jingle", dir="sounds", file="poker8.wav", notes="F4 A4 C5 F5 C5+F5+A5:2", wave="bell"),
    dict(kind="fx", dir="sounds", file="cardflip.wav", preset="pop", length=0.09),
    dict(kind="tick", dir="sounds", file="pokerwin.wav", pitch=2400, length=0.05, repeat=4),
    dict(kind="jingle", dir="sounds", file="bugle1.wav", notes="G4 C5 E5 G5:2 E5 G5:3", wave="square", tempo=9),
    dict(kind="fx", dir="sounds", file="aww.wav", preset="voice", pitch=180, length=0.9),
]
