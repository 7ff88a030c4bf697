# Shared pictures of the single-line three-reel machines: the mouse-over looks
# of the five machine buttons (the machine's back.png carries their normal
# look at the same places and sizes) and the six help pages a player sees on
# a first visit.
FOLDER = "gfx/machinebuttons"

ITEMS = [
    # name, size: the picture's size is the button's clickable size
    dict(kind="button", name="change", states=["mo"], size=[70, 45], label="CHANGE", label_size=13,
         color="burgundy", shape="rect"),
    dict(kind="button", name="cashout", states=["mo"], size=[72, 45], label="CASH\nOUT", label_size=13,
         color="burgundy", shape="rect"),
    dict(kind="button", name="betone", states=["mo"], size=[80, 45], label="BET\nONE", label_size=14,
         color="darkfelt", shape="rect"),
    dict(kind="button", name="spin", states=["mo"], size=[100, 45], label="SPIN", label_size=22,
         color="red", shape="rect"),
    dict(kind="button", name="betmax", states=["mo"], size=[90, 45], label="BET\nMAX", label_size=14,
         color="darkfelt", shape="rect"),

    # Help pages, each drawn at its own place over the machine. A click or a
    # key turns the page; the last one goes back to the machine.
    dict(kind="page", dir="gfx/help", file="slot_1.png", size=[190, 160], screen=[[309, 172]], title="WELCOME!", title_size=22,
         lines=["Three reels, one pay line", "(three or five on some", "machines).", ["Click or press a key", "lightgold"], ["to go on.", "lightgold"]],
         text_size=14, text_align="center"),
    dict(kind="page", dir="gfx/help", file="slot_2.png", size=[220, 300], screen=[[290, 29]], title="MONEY IN", title_size=22,
         lines=["Click the bill slot", "(lower right) or the", "coin slot to turn", "dollars into credits.", "",
                "Credits are coins", "at the machine's", "coin value.", "",
                ["Click or press a key", "lightgold"], ["to go on.", "lightgold"]],
         text_size=14, text_align="center"),
    dict(kind="page", dir="gfx/help", file="slot_3.png", size=[300, 170], screen=[[157, 201]], title="BETTING", title_size=22,
         lines=["BET ONE adds a coin to the bet (key N).", "BET MAX bets the most coins", "and spins at once (key M).",
                "", ["Click or press a key to go on.", "lightgold"]],
         text_size=14, text_align="center"),
    dict(kind="page", dir="gfx/help", file="slot_4.png", size=[400, 190], screen=[[200, 17]], title="SPIN", title_size=22,
         lines=["SPIN (or Return) plays the coins you bet.", "The reels stop one by one;",
                "a win is counted onto your credits.", "Wilds stand in for other symbols;", "some also multiply the win.",
                ["Click or press a key to go on.", "lightgold"]],
         text_size=14, text_align="center"),
    dict(kind="page", dir="gfx/help", file="slot_5.png", size=[400, 170], screen=[[200, 386]], title="LEAVING", title_size=22,
         lines=["CASH OUT (or Esc) takes your credits", "back to your money and returns to the floor.",
                "CHANGE goes to the cashier.", "", ["Click or press a key to go on.", "lightgold"]],
         text_size=14, text_align="center"),
    dict(kind="page", dir="gfx/help", file="slot_6.png", size=[300, 215], screen=[[71, 165]], title="MORE", title_size=22,
         lines=["Click the coin badge to change", "the coin value.", "Page Up / Page Down show the glass.",
                "Right click: every machine.", "", ["Good luck!", "lightgold"],
                ["Click or press a key to play.", "lightgold"]],
         text_size=14, text_align="center"),
]
