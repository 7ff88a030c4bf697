# "wheelofcash" (Diviz av Ezed): coins and money bags; SPIN on the third reel
# at three coins turns the cash wheel.
FOLDER = "gfx/wheelofcash"
LOOKS = dict(coins=dict(glyph="coin", label="$"),
             money=dict(glyph="emoji", emoji="moneybag"))
LEAD = "money"   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", looks=LOOKS, title="DIVIZ AV EZED", colors=["darkfelt", "black"], panel="darkfelt",
         pays=[["3 MONEY *", 500], ["3 COINS *", 150], ["COINS + MONEY *", 100, "coins money coins"],
               ["3 TRIPLE BAR", 60], ["3 DOUBLE BAR", 40], ["3 BAR", 20], ["ANY 3 BARS", 5], ["3 BLANKS", 2]],
         pays_title="PAYS PER BET",
         feature=dict(symbol="spin", lines=["SPIN ON REEL 3", "AT 3 COINS"], big="WHEEL", under="SPINS FOR CASH"),
         bottom="* AT 2 OR 3 COINS  -  SPIN ON REEL 3 AT 3 COINS TURNS THE WHEEL",
         glass_lines=["* MONEY AND COINS PAY AT 2 OR 3 COINS ONLY: AT 1 COIN THEY PAY NOTHING",
                      ["SPIN ON REEL 3 AT 3 COINS: WHEEL - SPINS FOR CASH", "spin"],
                      "AT 3 COINS THE WHEEL PAYS ON TOP OF THE LINE"]),
    dict(kind="symbolset", symbols=[["blank", 10], ["bar", 2], ["2bar", 2], ["3bar", 2], ["coins", 2], ["money", 2],
                                    ["spin", 1]],
         looks=LOOKS),
]
