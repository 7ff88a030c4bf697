# Shared pictures of the help folder that every machine uses.
FOLDER = "gfx/help"
ITEMS = [
    # shown at (277, 559) while a machine hands over to the lobby or the cashier
    dict(kind="text", file="loading.png", size=[246, 36], text="LOADING...", font="serif-bold",
         color="lightgold", bg_style="panel", text_size=20, shadow="black"),
]
