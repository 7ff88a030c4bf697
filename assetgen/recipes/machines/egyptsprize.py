# "egyptsprize" (Rizad'a Zidud): three-line three-reel machine of ancient
# Egypt with a progressive jackpot for three tuts.
from _multiline import machine

FOLDER = "gfx/egyptsprize"
LEAD = "tut"   # the lobby's picture of this machine
ITEMS = machine(
    FOLDER, "RIZAD'A ZIDUD", ["gold", "brown"],
    pictures="2bar_blank_tablet 3bar_blank_2bar 3bar_blank_pyramid bar_blank_2bar bar_blank_tut blank_2bar_blank "
             "blank_3bar_blank blank_bar_blank blank_pyramid_blank blank_tablet_blank blank_tut_blank "
             "pyramid_blank_bar pyramid_blank_blank tablet_blank_3bar tablet_blank_pyramid tut_blank_3bar "
             "tut_blank_tablet".split(),
    looks=dict(tut=dict(glyph="pharaoh"), pyramid=dict(glyph="pyramid"), tablet=dict(glyph="tablet")),
    lines=[(1, 20, 148, 1), (2, 20, 93, 0), (3, 19, 202, 2)],
    pays=[["3 TUTS", "JACKPOT"], ["3 PYRAMIDS", 50], ["3 TRIPLE BAR", 30], ["3 DOUBLE BAR", 20],
          ["3 BAR", 10], ["3 TABLETS", 10], ["ANY 3 BARS", 5], ["2 TABLETS", 5], ["1 TABLET", 2]],
    feature=["3 TUTS ON A PLAYED LINE", "WIN THE PROGRESSIVE JACKPOT"], progressive=True,
    bottom="THREE TUTS WIN THE PROGRESSIVE")
