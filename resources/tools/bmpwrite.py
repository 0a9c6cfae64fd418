"""Writers for the two file formats the resources use: 4-bit palette bitmaps
(.bmp with a 40-byte info header, rows bottom-up) and 32 x 32 two-colour
cursors (.cur with an AND mask and the hot spot in the directory entry)."""

import struct

# The 16 colours of the editor's 16-colour palette, in its order.
PALETTE16 = [
    (0, 0, 0), (255, 255, 255), (128, 128, 128), (192, 192, 192),
    (128, 0, 0), (255, 0, 0), (128, 128, 0), (255, 255, 0),
    (0, 128, 0), (0, 255, 0), (0, 128, 128), (0, 255, 255),
    (0, 0, 128), (0, 0, 255), (128, 0, 128), (255, 0, 255),
]


def bmp4(width, height, indices):
    """A 4-bit bitmap file of the given palette indices (rows top-down)."""
    row_bytes = ((width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray(row_bytes)
        for x in range(width):
            value = indices[y][x]
            assert 0 <= value < 16
            if x % 2 == 0:
                row[x // 2] |= value << 4
            else:
                row[x // 2] |= value
        pixels += row
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE16)
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 2835, 2835,
                       16, 0)
    return header + info + table + bytes(pixels)


def cur(hot_x, hot_y, rows):
    """A 32 x 32 cursor file: rows of '.' (transparent), 'X' (black), 'o' (white)."""
    size = 32
    assert len(rows) == size and all(len(r) == size for r in rows)
    xor_bits = bytearray()
    and_bits = bytearray()
    for y in range(size - 1, -1, -1):
        xor_row = bytearray(4)
        and_row = bytearray(4)
        for x, ch in enumerate(rows[y]):
            bit = 0x80 >> (x % 8)
            if ch == ".":
                and_row[x // 8] |= bit
            elif ch == "o":
                xor_row[x // 8] |= bit
            else:
                assert ch == "X", ch
        xor_bits += xor_row
        and_bits += and_row
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0,
                       len(xor_bits) + len(and_bits), 0, 0, 2, 0)
    table = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    image = info + table + bytes(xor_bits) + bytes(and_bits)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 2, 0, hot_x, hot_y, len(image), 6 + 16)
    return directory + entry + image
