# "cashcow" (Vevu Ziz): three-line three-reel machine of the farm.
from _multiline import machine

FOLDER = "gfx/cashcow"
LEAD = "cow"   # the lobby's picture of this machine
ITEMS = machine(
    FOLDER, "VEVU ZIZ", ["felt", "darkfelt"],
    pictures="2bar_blank_3bar 2bar_blank_cow 3bar_blank_bar 3bar_blank_wild bar_blank_2bar bar_blank_blank "
             "blank_2bar_blank blank_3bar_blank blank_bar_blank blank_blank_milk blank_cow_blank blank_milk_blank "
             "blank_wild_blank cow_blank_2bar cow_blank_wild milk_blank_3bar milk_blank_cow wild_blank_bar".split(),
    looks=dict(cow=dict(glyph="emoji", emoji="cow"), milk=dict(glyph="emoji", emoji="milk", ring="sky")),
    lines=[(1, 19, 148, 1), (2, 21, 86, 0), (3, 19, 210, 2)],
    pays=[["3 WILDS", 500], ["3 COWS", 50], ["3 TRIPLE BAR", 30], ["3 DOUBLE BAR", 20], ["3 BAR", 10],
          ["3 MILK", 10], ["ANY 3 BARS", 5], ["2 MILK", 5], ["1 MILK", 2]],
    pays_note="WILD JOINS ANY 3",
    feature=["3 WILDS PAY 500 ON ANY LINE", "THE WILD COMPLETES ANY 3"],
    bottom="MILK, BARS AND COWS PAY ON THREE LINES",
    glass_lines=[["THE WILD COMPLETES ANY THREE", "wild"], "THREE WILDS PAY 500 ON ANY LINE"])
