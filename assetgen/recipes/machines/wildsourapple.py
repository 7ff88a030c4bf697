# "wildsourapple" (Vozo Rizi Zedod): apples, and a wild that sometimes
# shows as a spent ("off") wild.
FOLDER = "gfx/wildsourapple"
LEAD = "apple"   # the lobby's picture of this machine
LOOKS = dict(apple=dict(glyph="apple", color=["green", "lightfelt"]))
ITEMS = [
    dict(kind="cabinet", looks=LOOKS, title="VOZO RIZI ZEDOD", colors=["felt", "darkfelt"], panel="darkfelt",
         pays=[["WILD WILD WILD", 1000], ["3 SPENT WILDS", 500, "wildoff wildoff wildoff"], ["3 SEVENS", 50], ["3 TRIPLE BAR", 30],
               ["3 DOUBLE BAR", 20], ["3 BAR", 10], ["3 APPLES", 10], ["ANY 3 BARS", 5], ["2 APPLES", 5],
               ["1 APPLE", 2]],
         feature=dict(symbol="apple", lines=["3 WILDS", "AT 3 COINS"], big="CAR", under="WIN THE CAR!"),
         bottom="SOUR APPLES, SWEET WINS",
         glass_lines=[["A WILD, LIT OR SPENT, STANDS IN FOR EVERY OTHER SYMBOL", "wild wildoff"],
                      ["3 WILDS AT 3 COINS WIN THE CAR", "wild"],
                      "THE CAR TAKES THE PLACE OF EVERY CREDIT THAT SPIN WOULD PAY"]),
    dict(kind="symbolset", symbols=[["blank", 7], ["apple", 2], ["bar", 2], ["2bar", 2], ["3bar", 2], ["7", 2],
                                    ["wild", 2], ["wildoff", 4]],
         looks=LOOKS),
]
