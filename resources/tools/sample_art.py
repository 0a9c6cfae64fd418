"""The sample picture of the stand-alone program: a small landscape, 320 x 240,
in the indices of the 16-colour palette (bmpwrite.PALETTE16)."""

import random

from PIL import Image, ImageDraw

BLACK, WHITE, GREY, SILVER, MAROON, RED, OLIVE, YELLOW = range(8)
GREEN, LIME, TEAL, AQUA, NAVY, BLUE, PURPLE, FUCHSIA = range(8, 16)


def landscape():
    width, height = 320, 240
    image = Image.new("P", (width, height), AQUA)
    d = ImageDraw.Draw(image)
    rng = random.Random(1)

    # Sky: blue above, aqua below, a dithered band between them.
    d.rectangle([0, 0, width, 40], fill=BLUE)
    for y in range(40, 64):
        for x in range(width):
            if (x + y) % 2 == 0 and (y < 52 or (x % 4 == 0 and y % 2 == 0)):
                image.putpixel((x, y), BLUE)

    # Sun with rays.
    d.ellipse([236, 18, 276, 58], fill=YELLOW, outline=OLIVE)
    for (x0, y0, x1, y1) in [(256, 4, 256, 12), (256, 64, 256, 72), (222, 38, 230, 38),
                             (282, 38, 290, 38), (232, 14, 237, 19), (275, 57, 280, 62),
                             (280, 14, 275, 19), (232, 62, 237, 57)]:
        d.line([x0, y0, x1, y1], fill=YELLOW, width=2)

    # Clouds.
    for cx, cy in [(60, 30), (150, 50)]:
        for dx, dy, r in [(0, 0, 14), (16, -6, 16), (34, 0, 13), (16, 6, 14)]:
            d.ellipse([cx + dx - r, cy + dy - r + 3, cx + dx + r, cy + dy + r + 3], fill=SILVER)
        for dx, dy, r in [(0, 0, 13), (16, -6, 15), (34, 0, 12), (16, 4, 12)]:
            d.ellipse([cx + dx - r, cy + dy - r, cx + dx + r, cy + dy + r], fill=WHITE)

    # Far mountains with snow caps.
    d.polygon([(0, 130), (50, 80), (90, 115), (140, 70), (200, 125), (250, 90), (320, 130),
               (320, 150), (0, 150)], fill=TEAL)
    d.polygon([(140, 70), (127, 83), (134, 81), (140, 86), (147, 80), (154, 84)], fill=WHITE)
    d.polygon([(50, 80), (41, 89), (47, 88), (52, 92), (58, 88)], fill=WHITE)

    # Rolling hills.
    d.ellipse([-80, 120, 200, 260], fill=GREEN)
    d.ellipse([120, 125, 420, 270], fill=LIME)
    d.ellipse([-40, 150, 180, 300], fill=LIME)

    # Lake with glints.
    d.ellipse([180, 180, 330, 236], fill=BLUE, outline=NAVY)
    d.ellipse([200, 196, 310, 226], fill=NAVY)
    for x, y in [(215, 192), (240, 205), (270, 215), (290, 199), (228, 218)]:
        d.line([x, y, x + 6, y], fill=WHITE)

    # A house with a red roof.
    d.rectangle([96, 150, 146, 190], fill=WHITE, outline=BLACK)
    d.polygon([(90, 151), (121, 124), (152, 151)], fill=RED, outline=MAROON)
    d.rectangle([134, 128, 141, 142], fill=GREY, outline=BLACK)
    d.rectangle([114, 166, 127, 190], fill=MAROON, outline=BLACK)
    for wx in (101, 132):
        d.rectangle([wx, 158, wx + 10, 168], fill=AQUA, outline=BLACK)
        d.line([wx + 5, 158, wx + 5, 168], fill=BLACK)
        d.line([wx, 163, wx + 10, 163], fill=BLACK)

    # A path from the door.
    d.polygon([(114, 190), (127, 190), (150, 240), (100, 240)], fill=OLIVE)
    d.polygon([(117, 192), (124, 192), (138, 240), (110, 240)], fill=YELLOW)

    # Trees.
    for tx, ty, r in [(40, 150, 20), (172, 150, 16), (66, 168, 14)]:
        d.rectangle([tx - 3, ty, tx + 3, ty + r + 14], fill=MAROON, outline=BLACK)
        d.ellipse([tx - r, ty - 2 * r, tx + r, ty + r // 2], fill=GREEN, outline=BLACK)
        d.ellipse([tx - r // 2, ty - 2 * r + 4, tx + r // 3, ty - r], fill=LIME)

    # Flowers in the grass.
    for _ in range(70):
        x, y = rng.randrange(0, 180), rng.randrange(200, 238)
        if 96 <= x <= 152:
            continue
        colour = rng.choice([RED, YELLOW, WHITE, FUCHSIA, PURPLE])
        d.point([(x, y), (x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)], fill=colour)
        image.putpixel((x, y), YELLOW if colour != YELLOW else RED)

    # Birds.
    for bx, by in [(190, 30), (205, 22), (175, 20)]:
        d.line([bx - 4, by - 2, bx, by, bx + 4, by - 2], fill=BLACK)

    pixels = [[image.getpixel((x, y)) for x in range(width)] for y in range(height)]
    return width, height, pixels
