# The cash wheel bonus screen, shared by the cash wheel slot machine and the
# "spinforcash" poker machine: the background with the pointer over the top
# of the wheel, and the 40 colour-keyed frames of the turning wheel (362 x
# 362 at 219, 177). Frames 2k and 2k+1 show prize k under the pointer.
from _poker_cabinet import wheel

FOLDER = "gfx/bonus/wheelofcash"
PRIZES = [400, 5, 250, 25, 500, 50, 100, 15, 300, 10, 200, 50, 30, 1000, 10, 100, 25, 150, 75, 600]

ITEMS = [
    dict(kind="background", file="bonus.png", size=[800, 600], style="red", title="CASH WHEEL BONUS",
         title_size=40, title_y=60, subtitle="The wheel pays the prize it stops on", border=True,
         elements=[dict(circle=[400, 358, 196], fill="darkburgundy", outline="gold", width=4, smooth=True),
                   dict(lights=[180, 140, 440, 440], step=28, r=6, on="lightgold", off="darkgold"),
                   dict(polygon=[384, 150, 416, 150, 400, 178], fill="lightgold", outline="black")]),
    # drawn three times larger, turned and scaled down: smooth rims, edges and numbers in every frame; the
    # rim's outer edge is laid over the dark disc the wheel turns on, so the key leaves no steps round it
    dict(kind="anim", name="wheel", frames=40, effect="spin", key=True, size=[362, 362], edge="darkburgundy",
         base=wheel(PRIZES, 362, 176, scale=3)),
    dict(kind="jingle", dir="sounds", file="wheelseq.wav", notes=" ".join(["C5", "E5", "G5", "E5"] * 10),
         tempo=12, wave="bell"),
    dict(kind="fx", dir="sounds", file="birdclap.wav", preset="clap", length=1.2),
]
