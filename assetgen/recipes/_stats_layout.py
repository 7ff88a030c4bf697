# Where the statistics screen puts its machine icons (screen points): two
# columns at x 558 and 683 on uneven rows. The icons light up with the
# machine menu's name plates (gfx/menu/<id>_mo.png), so the plates' size is
# set here, for both: each column's plates stand on the machines' glass of
# the statistics picture, inside its frame, and the right column's frame
# closes inside the picture, clear of the screen's right edge.
COLUMNS = [558, 683]
ROWS = [61, 80, 100, 119, 139, 158, 178, 197, 216, 236, 256, 275, 295, 314, 333, 352, 372, 390, 411, 430, 450, 469,
        487, 508, 527]
PLATE = [109, 18]
GLASS = [552, 55, 245, 493]    # the glass with its frame (FRAME px wide, inside the box)
FRAME = 2
GLASS_INSIDE = [GLASS[0] + FRAME, GLASS[1] + FRAME, GLASS[2] - 2 * FRAME, GLASS[3] - 2 * FRAME]
PLATE_FITS = dict(at=[[x, y] for x in COLUMNS for y in ROWS], room=GLASS_INSIDE)
