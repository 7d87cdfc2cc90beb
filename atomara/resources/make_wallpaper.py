#!/usr/bin/env python3
"""Draws atomback.bmp, the default wallpaper behind the periodic table: a quiet
blue-grey pattern of rounded rings and dots, so the table stays the thing to look at.
Deterministic; run it from this folder to rebuild the picture."""
import math
import struct

SIZE = 96          # pixels; the picture tiles seamlessly
BASE = (176, 190, 204)   # RGB
LINE = (158, 174, 190)
DOT = (196, 208, 220)


def pixel(x, y):
    # Hexagon centres on a lattice that repeats every SIZE pixels in both directions.
    best = 1e9
    for cx, cy in ((0, 0), (48, 0), (24, 41.57), (72, 41.57), (0, 83.14), (48, 83.14), (96, 0), (96, 83.14),
                   (24, -41.57), (72, -41.57), (24, 124.7), (72, 124.7), (-24, 41.57), (120, 41.57)):
        for ox in (-SIZE, 0, SIZE):
            for oy in (-SIZE, 0, SIZE):
                d = math.hypot(x - cx - ox, (y - cy - oy) * 96 / 83.14 * 0.866)
                best = min(best, d)
    ring = abs(best - 13)
    if ring < 1.2:
        return LINE
    if best < 2.2:
        return DOT
    shade = int(4 * math.sin(x * 2 * math.pi / SIZE) * math.cos(y * 2 * math.pi / SIZE))
    return tuple(max(0, min(255, c + shade)) for c in BASE)


def write_bmp(path):
    row_bytes = SIZE * 3
    pad = (4 - row_bytes % 4) % 4
    image = bytearray()
    for y in range(SIZE - 1, -1, -1):        # bottom-up rows
        for x in range(SIZE):
            r, g, b = pixel(x, y)
            image += bytes((b, g, r))
        image += b"\0" * pad
    header = struct.pack("<2sIHHI", b"BM", 54 + len(image), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(image), 4724, 4724, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + image)


if __name__ == "__main__":
    write_bmp("atomback.bmp")
