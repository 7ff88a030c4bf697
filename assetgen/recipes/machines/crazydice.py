# "crazydice" (Rerod Ozid): cherries, bars, pigs, and a die on the third
# reel that starts the dice bonus.
FOLDER = "gfx/crazydice"
LOOKS = dict(pig=dict(glyph="emoji", emoji="pig"),
             dice=dict(glyph="dice", face=[6], color="red", pip="white"))
LEAD = "pig"   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", looks=LOOKS, title="REROD OZID", colors=["pink", "purple"], panel="purple",
         pays=[["3 PIGS", 100], ["3 SEVENS", 50], ["3 TRIPLE BAR", 30],
               ["3 DOUBLE BAR", 20], ["3 BAR", 10], ["3 CHERRIES", 10], ["ANY 3 BARS", 5], ["2 CHERRIES", 5],
               ["1 CHERRY", 2]],
         feature=dict(symbol="dice", lines=["THE DIE STARTS", "THE DICE BONUS"], big="ROLL!"),
         bottom="ROLL THE CRAZY DICE",
         glass_lines=[["AT 3 COINS A WIN MAY BRING THE DIE TO REEL 3: THE DICE BONUS", "dice"],
                      "THE TWO DICE ADDED UP MULTIPLY THE WIN: 2 TO 12 TIMES",
                      "AT 3 COINS 3 PIGS PAY 500 FOR THE BET; EVERY OTHER WIN PAYS AS 2 COINS"],
         elements=[dict(text=line, at=[721, 280 + 13 * k], anchor="mm", size=11, color="yellow",
                        font="sans-bold", max_w=134)
                   for k, line in enumerate(["AT 3 COINS: 3 PIGS", "PAY 500 FOR THE BET,", "OTHERS AS 2 COINS"])]),
    dict(kind="symbolset", symbols=[["blank", 11], ["cherry", 2], ["bar", 2], ["2bar", 2], ["3bar", 1], ["7", 1],
                                    ["pig", 2], ["dice", 1]],
         looks=LOOKS),

    # the dice bonus: a background and each die's six faces, colour-keyed and
    # drawn at (0, 0), so each picture puts its die at its own place. The game
    # writes the sum across the top in white, 60 points, on the baselines at
    # y 81: the two faces from x 76 and 330, the multiplier from x 600; the
    # band holds every sum clear of its frame.
    dict(kind="background", dir="gfx/bonus/crazydice", file="bonus.png", style="felt", border=True,
         writes=[dict(font="crazydicebonus.ttf", size=60, at=[76, 81], align=1, color="white",
                      texts=["%d     +" % n for n in range(1, 7)]),
                 dict(font="crazydicebonus.ttf", size=60, at=[330, 81], align=1, color="white",
                      texts=["%d     =" % n for n in range(1, 7)]),
                 dict(font="crazydicebonus.ttf", size=60, at=[600, 81], align=1, color="white",
                      texts=["%dx" % n for n in range(2, 13)])],
         elements=[dict(box=[40, 10, 740, 84], fill="darkfelt", outline="gold", width=2, radius=8),
                   dict(box=[130, 200, 220, 220], fill="darkfelt", outline="gold", width=3, radius=12),
                   dict(box=[450, 200, 220, 220], fill="darkfelt", outline="gold", width=3, radius=12),
                   dict(text="ROLL THE CRAZY DICE!", at=[400, 470], size=34, font="serif-bold", color="lightgold",
                        shadow="black"),
                   dict(text="The two faces added up multiply your win", at=[400, 515], size=18, color="cream")]),
]
# each die's six faces, colour-keyed and drawn at (0, 0): the picture's size
# puts the die in its box on the bonus picture
ITEMS += [
    dict(kind="background", dir="gfx/bonus/crazydice", file="%s_%s.png" % (face, side), key=True,
         size=[x + 200, 410], style="plain", colors=["key", "key"],
         elements=[dict(symbol="dice", face=n, box=[x, 210, 200, 200], hard=True, color="cream")])
    for side, x in (("left", 140), ("right", 460))
    for n, face in enumerate(("one", "two", "three", "four", "five", "six"), 1)
]
