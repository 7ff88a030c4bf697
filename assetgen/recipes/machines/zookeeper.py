# "zookeeper" (Zookeeper): five-reel video slot with zoo animals and card
# ranks. Reel pictures show three symbols top to bottom; the line numbers
# light up beside the reels as lines are played.
FOLDER = "gfx/zookeeper"
LOOKS = {"9": dict(glyph="rank", label="9", suit="C"), "10": dict(glyph="rank", label="10", suit="D"),
         "jack": dict(glyph="rank", label="J", suit="S"), "queen": dict(glyph="rank", label="Q", suit="H"),
         "king": dict(glyph="rank", label="K", suit="D"),
         "ape": dict(glyph="emoji", emoji="ape"), "giraffe": dict(glyph="emoji", emoji="giraffe"),
         "lion": dict(glyph="emoji", emoji="lion"), "zebra": dict(glyph="emoji", emoji="zebra")}
LEAD = "lion"   # the lobby's picture of this machine
PICTURES = ("10_9_queen 10_ape_king 10_king_9 10_king_jack 10_zebra_queen 9_10_king 9_giraffe_queen 9_jack_lion "
            "9_king_lion 9_lion_ape 9_queen_jack ape_9_king ape_king_jack ape_queen_giraffe giraffe_jack_10 "
            "giraffe_queen_lion giraffe_zebra_jack jack_10_zebra jack_ape_9 jack_king_10 jack_lion_king jack_zebra_10 "
            "king_10_9 king_9_lion king_jack_king king_jack_zebra king_lion_giraffe king_queen_queen lion_10_ape "
            "lion_ape_queen lion_giraffe_jack lion_king_queen queen_9_10 queen_9_giraffe queen_giraffe_zebra "
            "queen_jack_10 queen_lion_10 queen_queen_9 zebra_10_king zebra_jack_ape zebra_queen_9").split()
# line-number pictures at their places left of the reels
LINES = [(1, 98, 165), (2, 94, 113), (3, 94, 219), (4, 93, 65), (5, 93, 274)]

# The bottom glass (the marquee): per coin on a line, 1 to 5 in a row from the left.
GLASS = dict(unit="PAYS PER COIN ON A LINE, SYMBOLS IN A ROW FROM THE LEFT", pays=[
    ["9", [0, 2, 10, 75, 250]], ["10", [0, 2, 10, 75, 250]], ["jack", [0, 5, 10, 75, 250]],
    ["queen", [0, 5, 10, 75, 250]], ["king", [0, 10, 20, 100, 500]], ["ape", [0, 0, 500, 1500, 5000]],
    ["giraffe", [0, 0, 400, 1250, 4000]], ["lion", [0, 100, 300, 1000, 3000]]],
    lines=[["ZEBRAS PAY ANYWHERE: 2, 3, 4 OR 5 REELS PAY 2, 10, 50 OR 250 x THE BET", "zebra"]])

ITEMS = [
    dict(kind="cabinet", family="video", title="ZOOKEEPER", colors=["felt", "darkfelt"], panel="darkfelt",
         meters=dict(bet=[196, 42], lastbet=[422, 42], credits=[592, 42], paid=[641, 378]),
         bottom="FIVE REELS, FIVE LINES: LINE UP THE ANIMALS"),
    dict(kind="reelpictures", pictures=PICTURES, looks=LOOKS),
] + [
    dict(kind="text", file="linenumber%d.png" % n, size=[34, 26], text=str(n), bg="red", color="white",
         text_size=18) for (n, x, y) in LINES
]
