# "dragonspin" (Vevuri Zero): a dragon-themed machine whose third reel may
# spin again.
FOLDER = "gfx/dragonspin"
LOOKS = dict(thing=dict(glyph="emoji", emoji="dragon"))
LEAD = "thing"   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", looks=LOOKS, title="VEVURI ZERO", colors=["darkfelt", "black"], panel="darkfelt",
         pays=[["WILD WILD WILD", 500], ["3 BONUS", 100], ["3 TRIPLE BAR", 50], ["3 DOUBLE BAR", 30],
               ["3 BAR", 20], ["3 DRAGONS", 20, "thing thing thing"], ["ANY 3 BARS", 5], ["2 DRAGONS", 5, "thing thing"], ["1 DRAGON", 2, "thing"]],
         feature=dict(symbol="thing", lines=["THE THIRD REEL", "MAY SPIN AGAIN"], big="ONCE",
                      under="A VISIT"),
         glass_lines=[["THE THIRD REEL MAY SPIN AGAIN, ONCE A VISIT", "thing"]],
         bottom="WATCH THE THIRD REEL"),
    dict(kind="symbolset", symbols=[["blank", 10], ["thing", 2], ["bar", 2], ["2bar", 2], ["3bar", 2], ["bonus", 2],
                                    ["wild", 2]],
         looks=LOOKS),
]
