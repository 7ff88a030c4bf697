# "balloonmania" (Revevud Ivevi): circus balloons; the yellow balloon only
# comes as arrow symbols that float up.
FOLDER = "gfx/balloonmania"
LEAD = "yellowballoon"   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", title="REVEVUD IVEVI", colors=["sky", "navy"], panel="navy",
         pays=[["WILD WILD WILD", 500], ["3 SEVENS", 50], ["3 GREEN BALLOONS", 30], ["3 BLUE BALLOONS", 20],
               ["3 RED BALLOONS", 10], ["3 YELLOW BALLOONS", 10, "arrowup_yellowballoon arrowup_yellowballoon arrowup_yellowballoon"], ["ANY 3 BALLOONS", 5, "redballoon blueballoon greenballoon"], ["2 YELLOW + BLANK", 5, "arrowup_yellowballoon arrowup_yellowballoon blank"],
               ["1 YELLOW + BLANKS", 2, "arrowup_yellowballoon blank blank"]],
         feature=dict(symbol="yellowballoon", lines=["3 WILDS AT", "3 COINS PAY"], big="5000", under="FOR THE BET"),
         bottom="YELLOW BALLOONS FLOAT UP THE REELS"),
    dict(kind="symbolset", symbols=[["blank", 9], ["arrowup_yellowballoon", 3], ["arrowup1_yellowballoon", 3],
                                    ["arrowup2_yellowballoon", 3], ["blueballoon", 2], ["redballoon", 2],
                                    ["greenballoon", 2], ["7", 2], ["wild", 2]]),
]
