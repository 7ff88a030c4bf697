# "wheelofcash" (Diviz av Ezed): coins and money bags; SPIN on the third reel
# at three coins turns the cash wheel.
FOLDER = "gfx/wheelofcash"
ITEMS = [
    dict(kind="cabinet", title="DIVIZ AV EZED", colors=["darkfelt", "black"], panel="darkfelt",
         pays=[["3 MONEY", "BIG"], ["3 COINS", "PAYS"], ["3 TRIPLE BAR", "PAYS"], ["3 BAR", "PAYS"]],
         pays_title="SEE THE WHEEL",
         feature=dict(symbol="spin", lines=["SPIN ON REEL 3", "AT 3 COINS"], big="WHEEL", under="SPINS FOR CASH"),
         bottom="SPIN ON THE THIRD REEL AT THREE COINS SPINS THE WHEEL"),
    dict(kind="symbolset", symbols=[["blank", 10], ["bar", 2], ["2bar", 2], ["3bar", 2], ["coins", 2], ["money", 2],
                                    ["spin", 1]],
         looks=dict(coins=dict(glyph="coin", label="$"),
                    money=dict(glyph="token", label="$$$", shape="round", color="felt", text="lightgold"))),
]
