# The progressive jackpot amount the game writes over a machine's picture:
# "$" and the amount (six figures at most at the coin values these machines
# take), green, in progressive2.ttf at 30 points, centred on (438, 52). The
# picture's meter window holds it with 3 px of plain black all round.
METER = dict(font="progressive2.ttf", size=30, at=[438, 52], texts=["$888888", "$1e+06", "$3214"], margin=3,
             plain=True)
