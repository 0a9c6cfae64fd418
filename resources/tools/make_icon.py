#!/usr/bin/python3
"""Draws the application icon: a painter's palette with four colour wells and
a brush, as a scalable SVG and as PNG files of 16, 32, 48, 64 and 128 pixels
for the desktop's icon theme. Both come from the same shapes, given on a
128 x 128 grid.

Run from anywhere with the system's Python (it has Pillow):
    /usr/bin/python3 resources/tools/make_icon.py
It rewrites packaging/icons/; the output is the same on every run."""

import math
import os

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT = os.path.join(ROOT, "packaging", "icons")
SIZES = (16, 32, 48, 64, 128)
GRID = 128
SUPERSAMPLE = 8

INK = "#3a2810"
STROKE = 4.0


def kidney():
    """The palette's outline: an ellipse pressed in on its lower left."""
    points = []
    for i in range(72):
        t = 2 * math.pi * i / 72
        x, y = 64 + 56 * math.cos(t), 66 + 46 * math.sin(t)
        # Press the rim in around the thumb side (angle ~ 135 degrees).
        dent = math.exp(-((t - 2.45) ** 2) / 0.08)
        x += 16 * dent * 0.7
        y -= 16 * dent * 0.7
        points.append((round(x, 2), round(y, 2)))
    return points


# Each shape: (kind, geometry, fill); strokes are drawn in INK.
PALETTE = ("polygon", kidney(), "#f2c230")
HOLE = ("circle", (36, 74, 9), None)
WELLS = [("circle", (40, 46, 10), "#d8262b"), ("circle", (66, 36, 10), "#2e9e3e"),
         ("circle", (92, 44, 10), "#2857c8"), ("circle", (60, 98, 9), "#ffffff")]


def rotated_box(x0, y0, x1, y1, half_width):
    """A quadrilateral along the segment (x0, y0)-(x1, y1)."""
    dx, dy = x1 - x0, y1 - y0
    length = math.hypot(dx, dy)
    nx, ny = -dy / length * half_width, dx / length * half_width
    return [(round(x0 + nx, 2), round(y0 + ny, 2)), (round(x1 + nx, 2), round(y1 + ny, 2)),
            (round(x1 - nx, 2), round(y1 - ny, 2)), (round(x0 - nx, 2), round(y0 - ny, 2))]


BRUSH = [
    ("polygon", rotated_box(122, 8, 96, 62, 6), "#9b5a24"),   # handle
    ("polygon", rotated_box(96, 62, 88, 79, 7), "#c9ccd2"),   # ferrule
    ("polygon", [(94.3, 80.1), (81.7, 77.9), (78, 96), (82, 104)], "#d8262b"),  # bristles
]



def svg():
    parts = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{GRID}" height="{GRID}" '
             f'viewBox="0 0 {GRID} {GRID}">',
             "  <title>Pictor</title>"]
    hx, hy, hr = HOLE[1]
    outline = " ".join(f"{x},{y}" for x, y in PALETTE[1])
    # The thumb hole is a second sub-path, cut out by the even-odd rule.
    parts.append(f'  <path fill="{PALETTE[2]}" fill-rule="evenodd" stroke="{INK}" '
                 f'stroke-width="{STROKE}" stroke-linejoin="round" '
                 f'd="M {outline} Z M {hx + hr},{hy} a {hr},{hr} 0 1,0 {-2 * hr},0 '
                 f'a {hr},{hr} 0 1,0 {2 * hr},0 Z"/>')
    for kind, geometry, fill in WELLS + BRUSH:
        if kind == "circle":
            x, y, r = geometry
            parts.append(f'  <circle cx="{x}" cy="{y}" r="{r}" fill="{fill}" stroke="{INK}" '
                         f'stroke-width="{STROKE}"/>')
        else:
            points = " ".join(f"{x},{y}" for x, y in geometry)
            parts.append(f'  <polygon points="{points}" fill="{fill}" stroke="{INK}" '
                         f'stroke-width="{STROKE}" stroke-linejoin="round"/>')
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def png(size):
    from PIL import Image, ImageDraw
    scale = size * SUPERSAMPLE / GRID
    big = size * SUPERSAMPLE
    image = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    # Small icons get a bolder outline, so the figure keeps its edge.
    stroke = STROKE * scale * (1.6 if size <= 16 else 1.25 if size <= 32 else 1.0)

    def pts(points):
        return [(x * scale, y * scale) for x, y in points]

    def circle(x, y, r, fill):
        r_out = r * scale + stroke / 2
        box = [x * scale - r_out, y * scale - r_out, x * scale + r_out, y * scale + r_out]
        draw.ellipse(box, fill=INK)
        r_in = r * scale - stroke / 2
        if fill is None:
            fill = (0, 0, 0, 0)
        draw.ellipse([x * scale - r_in, y * scale - r_in, x * scale + r_in, y * scale + r_in],
                     fill=fill)

    def polygon(points, fill):
        p = pts(points)
        draw.polygon(p, fill=fill)
        draw.line(p + [p[0]], fill=INK, width=max(1, round(stroke)), joint="curve")
        for x, y in p:  # round the corners the way the SVG's stroke joins them
            r = stroke / 2
            draw.ellipse([x - r, y - r, x + r, y + r], fill=INK)

    polygon(PALETTE[1], PALETTE[2])
    circle(*HOLE[1], None)
    for kind, geometry, fill in WELLS + BRUSH:
        if kind == "circle":
            circle(*geometry, fill)
        else:
            polygon(geometry, fill)
    return image.resize((size, size), Image.LANCZOS)


def main():
    os.makedirs(os.path.join(OUT, "scalable"), exist_ok=True)
    with open(os.path.join(OUT, "scalable", "pictor.svg"), "w") as f:
        f.write(svg())
    for size in SIZES:
        folder = os.path.join(OUT, f"{size}x{size}")
        os.makedirs(folder, exist_ok=True)
        png(size).save(os.path.join(folder, "pictor.png"), optimize=False)


if __name__ == "__main__":
    main()
