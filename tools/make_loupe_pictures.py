#!/usr/bin/env python3
"""Draws the two pictures that shape the magnifier windows, masque.bmp and loupe.bmp.

Pure red (255, 0, 0) is outside a window, every other colour inside; in loupe.bmp black
(0, 0, 0) is see-through, so the enlarged picture of the mask window shows inside the glass.
Both pictures have the same size and are shown at the same top-left corner; the enlarged
picture (220 x 220) sits at (55, 27) in the mask window, so the glass is centred on it.

Usage: make_loupe_pictures.py [output folder]   (default: the pictures/ folder of the repository)
"""

import math
import os
import struct
import sys

WIDTH, HEIGHT = 330, 300
CENTRE_X, CENTRE_Y = 55 + 110, 27 + 110
GLASS_RADIUS = 104  # inside this radius the magnifier is see-through
RING_RADIUS = 118  # outer edge of the metal ring
MASK_RADIUS = 112  # the mask disc ends under the ring
HANDLE_FROM, HANDLE_TO, HANDLE_HALF_WIDTH = RING_RADIUS - 2, 178, 8

RED = (255, 0, 0)
BLACK = (0, 0, 0)
MASK_GREY = (192, 192, 192)
RING_DARK = (70, 72, 80)
RING_LIGHT = (170, 174, 184)
HANDLE = (112, 70, 32)
HANDLE_LIGHT = (150, 100, 52)


def write_bmp(path, pixels):
    """Writes a bottom-up 24-bit BMP; pixels[y][x] is (r, g, b), row 0 at the top."""
    row_size = (WIDTH * 3 + 3) // 4 * 4
    image_size = row_size * HEIGHT
    header = struct.pack("<2sIHHI", b"BM", 54 + image_size, 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, image_size, 2835, 2835, 0, 0)
    body = bytearray()
    for y in range(HEIGHT - 1, -1, -1):
        row = bytearray()
        for r, g, b in pixels[y]:
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        body += row
    with open(path, "wb") as out:
        out.write(header + info + body)


def mask_pixel(x, y):
    return MASK_GREY if math.hypot(x - CENTRE_X, y - CENTRE_Y) <= MASK_RADIUS else RED


def loupe_pixel(x, y):
    dx, dy = x - CENTRE_X, y - CENTRE_Y
    distance = math.hypot(dx, dy)
    if distance < GLASS_RADIUS:
        return BLACK
    if distance <= RING_RADIUS:
        # Light on the upper left of the ring, dark elsewhere.
        return RING_LIGHT if dx + dy < -RING_RADIUS * 0.9 else RING_DARK
    # The handle leaves the ring towards the lower right, along the diagonal.
    along = (dx + dy) / math.sqrt(2)
    across = (dx - dy) / math.sqrt(2)
    if HANDLE_FROM <= along <= HANDLE_TO and abs(across) <= HANDLE_HALF_WIDTH:
        return HANDLE_LIGHT if across < -HANDLE_HALF_WIDTH / 2 else HANDLE
    return RED


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "pictures")
    os.makedirs(folder, exist_ok=True)
    for name, pixel in (("masque.bmp", mask_pixel), ("loupe.bmp", loupe_pixel)):
        pixels = [[pixel(x, y) for x in range(WIDTH)] for y in range(HEIGHT)]
        write_bmp(os.path.join(folder, name), pixels)
        print("wrote", os.path.join(folder, name))


if __name__ == "__main__":
    main()
