"""Pictures of the eight pointers, 32 x 32: '.' transparent, 'X' black,
'o' white. Each entry gives the resource name and its hot spot."""

import math

SIZE = 32

ARROW = [
    "X...........",
    "XX..........",
    "XoX.........",
    "XooX........",
    "XoooX.......",
    "XooooX......",
    "XoooooX.....",
    "XooooooX....",
    "XoooooooX...",
    "XooooooooX..",
    "XoooooXXXXX.",
    "XooXooX.....",
    "XoX.XooX....",
    "XX..XooX....",
    "X....XooX...",
    ".....XooX...",
    "......XX....",
]


def blank():
    return [["."] * SIZE for _ in range(SIZE)]


def stamp(grid, x0, y0, rows, keep_transparent=True):
    for dy, row in enumerate(rows):
        for dx, ch in enumerate(row):
            if ch != "." or not keep_transparent:
                grid[y0 + dy][x0 + dx] = ch


def finish(grid):
    return ["".join(row) for row in grid]


def marquee():
    grid = blank()
    stamp(grid, 2, 2, ARROW)
    box = [
        "XoXXoXXoXXoXXo",
        "o............X",
        "X............o",
        "X............X",
        "o............X",
        "X............o",
        "X............X",
        "o............X",
        "XXoXXoXXoXXoXo",
    ]
    stamp(grid, 14, 17, box)
    return finish(grid)


def lasso():
    grid = blank()
    stamp(grid, 2, 3, ARROW)
    loop = [
        "....XXXXXXX....",
        "..XXoooooooXX..",
        ".XooXXXXXXXooX.",
        "XoXX.......XXoX",
        "XoX.........XoX",
        "XoXX.......XXoX",
        ".XooXXXXXXXooX.",
        "..XXooXoXooXX..",
        "....XXXoXXX....",
        "......XoX......",
        ".....XoX.......",
        ".....XoX.......",
        "......XoX......",
        ".......XX......",
    ]
    stamp(grid, 14, 13, loop)
    return finish(grid)


def zoom():
    """A magnifying glass: the lens centred on the hot spot (18, 15), the
    handle to the lower left, a cross marking the centre."""
    grid = blank()
    cx, cy = 18, 15
    for y in range(SIZE):
        for x in range(SIZE):
            d = math.hypot(x - cx, y - cy)
            if d <= 6.5:
                grid[y][x] = "o"
            elif d <= 8.2:
                grid[y][x] = "X"
    for i in range(-2, 3):
        grid[cy][cx + i] = "X"
        grid[cy + i][cx] = "X"
    # Handle: a thick diagonal bar from the lens down to the left.
    for t in range(0, 10):
        x, y = cx - 6 - t, cy + 6 + t
        for dx in range(-2, 3):
            if 0 <= x + dx < SIZE and 0 <= y < SIZE:
                grid[y][x + dx] = "X" if abs(dx) == 2 else "o"
    for dx in range(-2, 3):
        grid[cy + 16][cx - 16 + dx] = "X"
    return finish(grid)


def along_axis(tip, direction, length_fn, max_along):
    """Pixels of a figure symmetric about an axis from tip; length_fn(along)
    gives the half-width at a distance along the axis, or None."""
    grid = blank()
    tx, ty = tip
    ux, uy = direction
    norm = math.hypot(ux, uy)
    ux, uy = ux / norm, uy / norm
    for y in range(SIZE):
        for x in range(SIZE):
            rx, ry = x - tx, y - ty
            along = rx * ux + ry * uy
            across = abs(-rx * uy + ry * ux)
            if along < -0.5 or along > max_along:
                continue
            shape = length_fn(along)
            if shape is None:
                continue
            half, fill = shape
            if across <= half:
                grid[y][x] = "X" if (across > half - 1.1 or fill == "X") else fill
    grid[ty][tx] = "X"
    return grid


def pen():
    def shape(a):
        if a < 3:
            return (0.5 + a * 0.45, "X")  # the lead
        if a < 8:
            return (0.5 + a * 0.45, "o")  # the sharpened wood
        if a < 21:
            return (3.6, "o")  # the body
        if a < 23:
            return (3.6, "X")  # the ferrule
        if a < 26:
            return (3.6, "o")  # the rubber
        return None
    grid = along_axis((2, 26), (1, -1), shape, 26)
    return finish(grid)


def pipette():
    def shape(a):
        if a < 11:
            return (1.6, "o")  # the glass tube
        if a < 13:
            return (3.2, "X")  # the collar
        if a < 21:
            return (2.9, "X")  # the rubber bulb
        if a < 23:
            return (2.2, "X")
        return None
    grid = along_axis((2, 26), (1, -1), shape, 23)
    return finish(grid)


def spray():
    """A spray can with its nozzle at (8, 7) and a mist to its left."""
    grid = blank()
    can = [
        "..XXX.......",
        ".XoooXX.....",
        ".XXXXoX.....",
        "...XoooXX...",
        "..XooooooX..",
        ".XXXXXXXXXX.",
        ".XooooooooX.",
        ".XoXXXXXXoX.",
        ".XoXooooXoX.",
        ".XoXooooXoX.",
        ".XoXooooXoX.",
        ".XoXooooXoX.",
        ".XoXXXXXXoX.",
        ".XooooooooX.",
        ".XooooooooX.",
        ".XooooooooX.",
        ".XooooooooX.",
        "..XXXXXXXX..",
    ]
    stamp(grid, 7, 6, can)
    grid[7][8] = "X"
    for x, y in [(5, 7), (3, 6), (4, 9), (2, 4), (1, 8), (3, 11), (5, 4), (1, 2), (2, 10)]:
        grid[y][x] = "X"
    return finish(grid)


def fill():
    """A paint bucket tipped onto its left corner; paint pours from the corner
    and drips to (10, 21)."""
    grid = blank()
    cx, cy = 18, 12
    for y in range(SIZE):
        for x in range(SIZE):
            d = abs(x - cx) + abs(y - cy)
            if d <= 6:
                grid[y][x] = "o"
            elif d <= 8:
                grid[y][x] = "X"
            r = math.hypot(x - cx, y - cy)
            if 9.5 <= r <= 11 and x > cx and y < cy:
                grid[y][x] = "X"
    for y in range(12, 19):
        grid[y][10] = "X"
        grid[y][11] = "X"
    for x, y in [(9, 18), (9, 19), (10, 19), (11, 19), (12, 19), (9, 20), (10, 20),
                 (11, 20), (10, 21)]:
        grid[y][x] = "X"
    return finish(grid)


def no_pointer():
    return ["." * SIZE for _ in range(SIZE)]


# Name, hot spot and picture, in the order the editor registers them.
CURSORS = [
    ("CRNO", (0, 0), no_pointer),
    ("CRMARQUEE", (2, 2), marquee),
    ("CRLASSO", (2, 3), lasso),
    ("CRZOOM", (18, 15), zoom),
    ("CRPEN", (2, 26), pen),
    ("CRFILL", (10, 21), fill),
    ("CRSPRAY", (8, 7), spray),
    ("CRGETPIXELCOLOR", (2, 26), pipette),
]
