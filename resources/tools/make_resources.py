#!/usr/bin/python3
"""Draws the editor's resources: button glyphs, option glyphs, the eraser and
brush tips, the spin button arrows, the about box picture, the eight pointers
and the sample picture.

Run from anywhere with the system's Python (it has Pillow):
    /usr/bin/python3 resources/tools/make_resources.py [--preview FILE.png]
It rewrites resources/glyphs/, resources/cursors/, resources/pictures/,
resources/sample/ and resources/pictor.qrc; the output is the same on every run."""

import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from bmpwrite import PALETTE16, bmp4, cur  # noqa: E402
import cursor_art  # noqa: E402
import glyph_art  # noqa: E402
import sample_art  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BACKGROUND = 15  # fuchsia: the transparent colour of the button pictures
WHITE, BLACK, OLIVE = 1, 0, 6

# Tip pixels as offsets from the pointer; the glyph is centred on the pointer
# by its integer half width and height.
SQUARE = {n: [(dx, dy) for dy in range(-n // 2, n // 2) for dx in range(-n // 2, n // 2)]
          for n in (2, 4, 8, 12)}
TIPS = {
    "eraser1": (16, SQUARE[2]), "eraser2": (16, SQUARE[4]),
    "eraser3": (16, SQUARE[8]), "eraser4": (16, SQUARE[12]),
    "brush1": (3, [(0, 0)]),
    "brush2": (6, [(dx, dy) for dy in (-2, 1) for dx in (-1, 0)]
               + [(dx, dy) for dy in (-1, 0) for dx in range(-2, 2)]),
    "brush3": (9, [(dx, dy) for dy in (-3, 3) for dx in range(-1, 2)]
               + [(dx, dy) for dy in (-2, 2) for dx in range(-2, 3)]
               + [(dx, dy) for dy in range(-1, 2) for dx in range(-3, 4)]),
    "brush4": (16, SQUARE[2]), "brush5": (16, SQUARE[4]), "brush6": (16, SQUARE[8]),
}


def from_art(rows):
    assert all(len(r) == len(rows[0]) for r in rows), rows
    return [[glyph_art.COLOURS[ch] for ch in row] for row in rows]


def canvas(width, height, colour):
    return [[colour] * width for _ in range(height)]


def tip(size, offsets):
    pixels = canvas(size, size, WHITE)
    for dx, dy in offsets:
        pixels[size // 2 + dy][size // 2 + dx] = BLACK
    return pixels


def line_option(thickness):
    pixels = canvas(32, 16, BACKGROUND)
    for y in range(8 - thickness // 2, 8 - thickness // 2 + thickness):
        for x in range(2, 30):
            pixels[y][x] = BLACK
    return pixels


def rectangle_option(outline, fill):
    pixels = canvas(32, 16, BACKGROUND)
    for y in range(3, 13):
        for x in range(2, 30):
            edge = y in (3, 12) or x in (2, 29)
            if edge and outline:
                pixels[y][x] = BLACK
            elif fill:
                pixels[y][x] = OLIVE
    return pixels


def spray_option(radius, count, seed):
    """Single dots scattered over a disc, none touching another."""
    pixels = canvas(16, 16, BACKGROUND)
    rng = random.Random(seed)
    placed = []
    while len(placed) < count:
        x, y = 7 + rng.randint(-radius, radius), 7 + rng.randint(-radius, radius)
        if (x - 7) ** 2 + (y - 7) ** 2 > radius * radius + radius:
            continue
        if any(abs(x - px) <= 1 and abs(y - py) <= 1 for px, py in placed):
            continue
        placed.append((x, y))
        pixels[y][x] = BLACK
    return pixels


def glyphs():
    """Every glyph file name with its pixels."""
    result = {}
    for name, rows in (list(glyph_art.TOOLS.items()) + list(glyph_art.COMMANDS.items()) +
                       list(glyph_art.SPIN.items())):
        result[name] = from_art(rows)
    for name, (size, offsets) in TIPS.items():
        result[name] = tip(size, offsets)
    for n, thickness in ((1, 1), (2, 2), (3, 4)):
        result[f"line{n}"] = line_option(thickness)
    result["rectangle1"] = rectangle_option(True, False)
    result["rectangle2"] = rectangle_option(True, True)
    result["rectangle3"] = rectangle_option(False, True)
    for n, (radius, count) in enumerate(((2, 5), (4, 12), (7, 24)), start=1):
        result[f"spray{n}"] = spray_option(radius, count, n)
    result["pictor"] = from_art(glyph_art.PICTOR)
    return result


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def write_png(path, pixels):
    """A PNG with the background transparent, for windows that show a picture
    on their own face (the about box)."""
    from PIL import Image
    image = Image.new("RGBA", (len(pixels[0]), len(pixels)))
    for y, row in enumerate(pixels):
        for x, value in enumerate(row):
            alpha = 0 if value == BACKGROUND else 255
            image.putpixel((x, y), PALETTE16[value] + (alpha,))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    image.save(path, optimize=False)


def preview(path, images, pointers):
    """A sheet of every picture enlarged 4 times, for looking at them."""
    from PIL import Image
    scale, cell = 4, 40 * 4
    items = [(pixels, None) for pixels in images] + [(rows, True) for rows in pointers]
    columns = 8
    sheet = Image.new("RGB", (columns * cell, ((len(items) + columns - 1) // columns) * cell),
                      (212, 208, 200))
    for i, (data, is_cursor) in enumerate(items):
        ox, oy = (i % columns) * cell, (i // columns) * cell
        for y, row in enumerate(data):
            for x, value in enumerate(row):
                if is_cursor:
                    colour = {"X": (0, 0, 0), "o": (255, 255, 255)}.get(value)
                else:
                    colour = PALETTE16[value]
                if colour is None:
                    continue
                for sy in range(scale):
                    for sx in range(scale):
                        sheet.putpixel((ox + x * scale + sx, oy + y * scale + sy), colour)
    sheet.save(path)


def main():
    images = glyphs()
    qrc_files = []
    for name, pixels in sorted(images.items()):
        if name == "pictor":
            write_png(os.path.join(ROOT, "pictures", "pictor.png"), pixels)
            qrc_files.append("pictures/pictor.png")
            continue
        write(os.path.join(ROOT, "glyphs", name + ".bmp"),
              bmp4(len(pixels[0]), len(pixels), pixels))
        qrc_files.append(f"glyphs/{name}.bmp")
    pointers = []
    for name, (hx, hy), draw in cursor_art.CURSORS:
        rows = draw()
        pointers.append(rows)
        write(os.path.join(ROOT, "cursors", name + ".cur"), cur(hx, hy, rows))
        qrc_files.append(f"cursors/{name}.cur")
    width, height, pixels = sample_art.landscape()
    write(os.path.join(ROOT, "sample", "sample.bmp"), bmp4(width, height, pixels))
    qrc_files.append("sample/sample.bmp")
    lines = ["<!DOCTYPE RCC>", '<RCC version="1.0">', "<qresource>"]
    lines += [f"  <file>{f}</file>" for f in sorted(qrc_files)]
    lines += ["</qresource>", "</RCC>", ""]
    write(os.path.join(ROOT, "pictor.qrc"), "\n".join(lines).encode())
    if len(sys.argv) == 3 and sys.argv[1] == "--preview":
        preview(sys.argv[2], [images[k] for k in sorted(images)], pointers)


if __name__ == "__main__":
    main()
