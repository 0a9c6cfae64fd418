#!/usr/bin/env python3
"""Writes the seed inputs of the JPEG, icon and metafile fuzz targets to
fuzz/corpus/{jpeg,icon,wmf,emf}/: a few small valid files of each kind."""
import io
import os
import struct

from PIL import Image

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def put(kind, name, data):
    folder = os.path.join(ROOT, kind)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def picture(mode, size=(12, 9)):
    image = Image.new("RGB", size)
    for y in range(size[1]):
        for x in range(size[0]):
            image.putpixel((x, y), (x * 20 % 256, y * 28 % 256, (x * y * 7) % 256))
    return image.convert(mode)


def jpeg(image, **options):
    out = io.BytesIO()
    image.save(out, "JPEG", **options)
    return out.getvalue()


def jpegs():
    put("jpeg", "baseline.jpg", jpeg(picture("RGB"), quality=90))
    put("jpeg", "subsampled.jpg", jpeg(picture("RGB", (17, 13)), quality=50, subsampling=2))
    put("jpeg", "progressive.jpg", jpeg(picture("RGB"), quality=80, progressive=True))
    put("jpeg", "grey.jpg", jpeg(picture("L")))
    put("jpeg", "cmyk.jpg", jpeg(picture("CMYK")))


def dib_icon(width, height, bits):
    """An icon file with one bitmap image of the depth, its mask clearing a corner."""
    colours = 1 << bits if bits <= 8 else 0
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, bits, 0, 0, 0, 0, colours, 0)
    table = b"".join(struct.pack("<BBBB", i * 37 % 256, i * 91 % 256, i * 13 % 256, 0)
                     for i in range(colours))
    stride = ((width * bits + 31) // 32) * 4
    pixels = bytes((x * 7 + y) % 256 for y in range(height) for x in range(stride))
    mask_stride = ((width + 31) // 32) * 4
    mask = b"".join((b"\xc0" if y < 2 else b"\x00") + b"\x00" * (mask_stride - 1)
                    for y in range(height))
    image = header + table + pixels + mask
    entry = struct.pack("<BBBBHHII", width, height, colours % 256, 0, 1, bits, len(image), 22)
    return struct.pack("<HHH", 0, 1, 1) + entry + image


def icons():
    for bits in (1, 4, 8, 24, 32):
        put("icon", f"dib_{bits}bit.ico", dib_icon(8, 6, bits))
    out = io.BytesIO()
    picture("RGBA", (16, 16)).save(out, "ICO", sizes=[(16, 16)])
    put("icon", "png.ico", out.getvalue())


def wmf_record(function, *words):
    return struct.pack("<IH", 3 + len(words), function) + struct.pack(f"<{len(words)}h", *words)


def wmf(records, placeable=True, objects=4):
    body = b"".join(records) + wmf_record(0)
    words = (18 + len(body)) // 2
    header = struct.pack("<HHHIHIH", 1, 9, 0x300, words, objects, 16, 0)
    if not placeable:
        return header + body
    box = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, 60, 40, 96, 0)
    checksum = 0
    for (word,) in struct.iter_unpack("<H", box):
        checksum ^= word
    return box + struct.pack("<H", checksum) + header + body


def colour_words(red, green, blue):
    return struct.unpack("<hh", struct.pack("<BBBB", red, green, blue, 0))


def wmfs():
    brush = wmf_record(0x02FC, 0, *colour_words(255, 0, 0), 0)
    pen = wmf_record(0x02FA, 0, 2, 0, *colour_words(0, 0, 255))
    figures = [brush, wmf_record(0x012D, 0), pen, wmf_record(0x012D, 1),
               wmf_record(0x041B, 30, 50, 5, 5), wmf_record(0x0418, 38, 58, 20, 30),
               wmf_record(0x0214, 2, 2), wmf_record(0x0213, 35, 55),
               wmf_record(0x0324, 3, 10, 10, 20, 30, 5, 30)]
    put("wmf", "figures.wmf", wmf(figures))
    mapped = [wmf_record(0x0103, 8), wmf_record(0x020C, 100, 100), wmf_record(0x020B, -10, -10),
              brush, wmf_record(0x012D, 0), wmf_record(0x041B, 90, 90, 10, 10)]
    put("wmf", "mapped.wmf", wmf(mapped))
    text = b"Pictor"
    put("wmf", "text_plain.wmf",
        wmf([wmf_record(0x020C, 40, 60),
             wmf_record(0x0521, len(text), *struct.unpack("<3h", text), 10, 5)], placeable=False))


def emf_record(kind, payload):
    return struct.pack("<II", kind, 8 + len(payload)) + payload


def emf(records):
    body = b"".join(records) + emf_record(14, struct.pack("<III", 0, 16, 20))
    size = 88 + len(body)
    header = struct.pack("<II4i4iIIIIHHIIIii ii", 1, 88, 0, 0, 59, 39, 0, 0, 1587, 1058,
                         0x464D4520, 0x10000, size, len(records) + 2, 4, 0, 0, 0, 0,
                         1920, 1080, 508, 286)
    return header + body


def emfs():
    brush = emf_record(39, struct.pack("<IIII", 1, 0, 0x0000FF, 0))
    select = emf_record(37, struct.pack("<I", 1))
    rect = emf_record(43, struct.pack("<4i", 5, 5, 50, 30))
    ellipse = emf_record(42, struct.pack("<4i", 20, 10, 58, 38))
    move = emf_record(27, struct.pack("<ii", 1, 1))
    line = emf_record(54, struct.pack("<ii", 40, 35))
    polygon = emf_record(86, struct.pack("<4iI6h", 0, 0, 30, 30, 3, 5, 5, 30, 10, 12, 30))
    put("emf", "figures.emf", emf([brush, select, rect, ellipse, move, line, polygon]))
    path = [emf_record(59, b""), move, line, emf_record(54, struct.pack("<ii", 5, 35)),
            emf_record(60, b""), emf_record(62, struct.pack("<4i", 0, 0, 60, 40))]
    put("emf", "path.emf", emf([brush, select] + path))


if __name__ == "__main__":
    jpegs()
    icons()
    wmfs()
    emfs()
