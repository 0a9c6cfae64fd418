#!/usr/bin/env python3
"""Writes the seed inputs of the bitmap fuzz target to fuzz/corpus/bmp/: one
small file for each header variant, depth and compression the reader knows."""
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "bmp")


def bmp(width, height, bits, pixels, header_size=40, compression=0, colors=(), masks=(),
        colors_used=None, size_image=0):
    if header_size == 12:
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
        table = b"".join(bytes(c[:3]) for c in colors)
    else:
        used = len(colors) if colors_used is None else colors_used
        info = struct.pack("<IiiHHIIiiII", header_size, width, height, 1, bits, compression,
                           size_image, 2835, 2835, used, 0)
        in_header = (header_size - 40) // 4 if header_size >= 52 and header_size != 64 else 0
        info += b"".join(struct.pack("<I", m) for m in masks[:in_header])
        info = info.ljust(header_size, b"\0")
        info += b"".join(struct.pack("<I", m) for m in masks[in_header:])
        table = b"".join(bytes(c) for c in colors)
    offset = 14 + len(info) + len(table)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + info + table + pixels


def gray(n):
    return [(i * 255 // max(n - 1, 1),) * 3 + (0,) for i in range(n)]


def rows(height, stride, fill):
    return bytes((fill + i) & 0xFF for i in range(height * stride))


SEEDS = {
    "info_1bit.bmp": bmp(9, 3, 1, rows(3, 4, 0x5A), colors=gray(2)),
    "core_4bit.bmp": bmp(5, 3, 4, rows(3, 4, 0x12), header_size=12, colors=gray(16)),
    "core_24bit.bmp": bmp(3, 2, 24, rows(2, 12, 7), header_size=12),
    "v5_8bit_short_table.bmp": bmp(5, 2, 8, rows(2, 8, 1), header_size=124, colors=gray(6)),
    "v4_32bit_bitfields_alpha.bmp": bmp(2, 2, 32, rows(2, 8, 9), header_size=108, compression=3,
                                        masks=(0xFF0000, 0xFF00, 0xFF, 0xFF000000)),
    "os2_8bit.bmp": bmp(3, 2, 8, rows(2, 4, 3), header_size=64, colors=gray(4)),
    "top_down_24bit.bmp": bmp(3, -2, 24, rows(2, 12, 40)),
    "rgb_16bit.bmp": bmp(3, 2, 16, rows(2, 8, 0x33)),
    "bitfields_565.bmp": bmp(3, 2, 16, rows(2, 8, 0x44), compression=3,
                             masks=(0xF800, 0x07E0, 0x001F)),
    "bitfields_444.bmp": bmp(3, 2, 16, rows(2, 8, 0x55), compression=3,
                             masks=(0x0F00, 0x00F0, 0x000F)),
    "rgb_32bit.bmp": bmp(2, 2, 32, rows(2, 8, 0x66)),
    "bitfields_device.bmp": bmp(2, 2, 32, rows(2, 8, 0x77), compression=3,
                                masks=(0xFF0000, 0xFF00, 0xFF)),
    "alpha_bitfields_rgba.bmp": bmp(2, 2, 32, rows(2, 8, 0x88), compression=6,
                                    masks=(0xFF, 0xFF00, 0xFF0000, 0xFF000000)),
    "truecolor_palette.bmp": bmp(2, 2, 24, rows(2, 8, 0x99), colors=gray(3)),
    "rle8.bmp": bmp(6, 3, 8, bytes([2, 5, 0, 3, 7, 8, 9, 0, 0, 0, 0, 2, 1, 1, 1, 4, 0, 1]),
                    compression=1, colors=gray(16)),
    "rle4.bmp": bmp(8, 2, 4, bytes([5, 0x12, 0, 3, 0x34, 0x50, 0, 0, 0, 5, 0x67, 0x89, 0xA0, 0,
                                    0, 1]), compression=2, colors=gray(16)),
    "empty.bmp": bmp(0, 0, 24, b""),
}

if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    for name, data in SEEDS.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)
