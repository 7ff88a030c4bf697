# TrueType faces under the names the game opens, and the LED signs' dot font.
# source: a face's short name (see agen/common.py FACES) or a file name from
# Debian's fonts-dejavu-core, fonts-dejavu-extra, fonts-dseg or fonts-liberation2.
FOLDER = "fonts"
ITEMS = [
    # file                                   source face                          used for
    dict(kind="font", file="led4.ttf",          source="DSEG7Classic-Bold.ttf", condense=0.6),  # three-reel meters: squeezed so six digits fit a meter box
    dict(kind="font", file="progressive2.ttf",  source="DSEG14Classic-Bold.ttf", condense=0.55, tall=0.72,
         centre="1"),  # progressive meters: has "$" and "+", squeezed to fit; figures as tall as a book face's;
                       # its 1 centred, so "$3214" shows no gap
    dict(kind="font", file="demoderby.ttf",     source="DSEG14Classic-Bold.ttf"),    # derby meters and win amounts
    dict(kind="font", file="nickle3.ttf",       source="DejaVuSansCondensed-Bold.ttf"),  # video slot paid meter
    dict(kind="font", file="nickle4.ttf",       source="DejaVuSansCondensed-Bold.ttf"),  # video slot small meters
    dict(kind="font", file="poker2.ttf",        source="LiberationSans-Bold.ttf"),      # video poker captions and meters
    dict(kind="font", file="cashname.ttf",      source="DejaVuSans-Bold.ttf"),       # cashier and prize room texts
    dict(kind="font", file="stats3.ttf",        source="LiberationSans-Bold.ttf", condense=1.0, tall=0.85),
                  # statistics pages: a little low, so the machine's title, centred on its point, clears the
                  # first heading under it, descenders and all (the game takes a text's height from the face's box)
    dict(kind="font", file="insertmoney.ttf",   source="DejaVuSansMono.ttf"),        # money input field
    dict(kind="font", file="crazydicebonus.ttf", source="DejaVuSerif-Bold.ttf"),     # dice bonus totals
    dict(kind="font", file="deepseabonus.ttf",  source="DejaVuSerif-Bold.ttf"),      # deep sea bonus win
    dict(kind="font", file="balloonbonus.ttf",  source="LiberationSans-Bold.ttf", condense=0.85),   # balloon bonus
                  # counters: "BUST!" at 17 points inside a 66 px balloon
    dict(kind="ledfont", file="ledfont.def"),
]
