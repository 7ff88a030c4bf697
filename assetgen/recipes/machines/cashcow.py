# "cashcow" (Vevu Ziz): three-line three-reel machine of the farm.
from _multiline import machine

FOLDER = "gfx/cashcow"
ITEMS = machine(
    FOLDER, "VEVU ZIZ", ["felt", "darkfelt"],
    pictures="2bar_blank_3bar 2bar_blank_cow 3bar_blank_bar 3bar_blank_wild bar_blank_2bar bar_blank_blank "
             "blank_2bar_blank blank_3bar_blank blank_bar_blank blank_blank_milk blank_cow_blank blank_milk_blank "
             "blank_wild_blank cow_blank_2bar cow_blank_wild milk_blank_3bar milk_blank_cow wild_blank_bar".split(),
    looks=dict(cow=dict(glyph="token", label="COW", shape="oval", color="white", border="black", text="black"),
               milk=dict(glyph="token", label="MILK", shape="round", color="white", border="lightblue",
                         text="navy")),
    lines=[(1, 19, 148), (2, 21, 86), (3, 19, 210)],
    bottom="THE WILD COW STANDS IN FOR EVERY SYMBOL")
