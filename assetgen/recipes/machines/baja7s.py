# "baja7s" (Vedu 7'r): three-line three-reel machine; the baja seven stands
# for the other symbols in three of a kind.
from _multiline import machine

FOLDER = "gfx/baja7s"
LEAD = "baja7"   # the lobby's picture of this machine
ITEMS = machine(
    FOLDER, "VEDU 7'R", ["orange", "darkburgundy"],
    pictures="2bar_blank_7 3bar_blank_7 3bar_blank_baja7 3bar_blank_cherry 7_blank_3bar 7_blank_blank "
             "baja7_blank_3bar baja7_blank_bar bar_blank_2bar bar_blank_cherry blank_2bar_blank blank_3bar_blank "
             "blank_7_blank blank_baja7_blank blank_bar_blank blank_blank_baja7 blank_cherry_blank cherry_blank_2bar "
             "cherry_blank_bar".split(),
    looks=dict(baja7=dict(glyph="seven", color="orange", outline="navy")),
    lines=[(1, 20, 141, 1), (2, 21, 80, 0), (3, 20, 204, 2)],
    pays=[["3 BAJA 7 LINE 3", 2500, "baja7 baja7 baja7"], ["3 BAJA 7 LINE 1", 500, "baja7 baja7 baja7"], ["3 SEVENS", 50], ["3 TRIPLE BAR", 30],
          ["3 DOUBLE BAR", 20], ["3 BAR", 10], ["3 CHERRIES", 10], ["ANY 3 BARS", 5], ["2 CHERRIES", 5],
          ["1 CHERRY", 2]],
    pays_note="BAJA 7 JOINS ANY 3",
    feature=["3 BAJA 7s ON LINE 3 PAY 2500", "ON LINE 1 THEY PAY 500"],
    bottom="THE BAJA SEVEN COMPLETES ANY THREE OF A KIND",
    glass_lines=[["THE BAJA SEVEN COMPLETES ANY THREE OF A KIND", "baja7"],
                 "THREE BAJA 7s PAY 2500 ON LINE 3, 500 ON LINE 1"])
