#!/usr/bin/env python3
"""Draws the sample board shipped in samples/: a small single-sided board as a 1-bit BMP.

Copper is exact black, bare board exact white. At 600 dpi one pixel is 25.4 / 600 mm.
The board holds an 8-pin DIL footprint, a 3-pin connector, two resistors, a capacitor,
a ground strip, a few tracks and a mounting lug; every through-hole pad has a small white
hole, so the analysis turns the hole rims into drilled pads.

Usage: tools/make_sample_board.py [OUTPUT.bmp]   (default: samples/sample-board.bmp)
The output depends on nothing but this file: running it again gives the same bytes.
"""

import math
import os
import struct
import sys

WIDTH, HEIGHT, DPI = 600, 400, 600
MM = DPI / 25.4  # pixels per millimetre


class Board:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.copper = [[False] * width for _ in range(height)]  # row 0 at the top
        self.holes = []  # pad centres, drilled last

    def _paint(self, x0, y0, x1, y1, inside, value):
        for row in range(max(0, int(y0)), min(self.height, int(math.ceil(y1)) + 1)):
            for x in range(max(0, int(x0)), min(self.width, int(math.ceil(x1)) + 1)):
                if inside(x + 0.5, row + 0.5):
                    self.copper[row][x] = value

    def rect(self, x0, y0, x1, y1, value=True):
        self._paint(x0, y0, x1, y1, lambda x, y: x0 <= x < x1 and y0 <= y < y1, value)

    def disc(self, cx, cy, r, value=True):
        self._paint(cx - r, cy - r, cx + r, cy + r, lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, value)

    def track(self, points, width):
        """A polyline of the given width with round ends and joints."""
        r = width / 2
        for (ax, ay), (bx, by) in zip(points, points[1:]):
            def inside(x, y, ax=ax, ay=ay, bx=bx, by=by):
                dx, dy = bx - ax, by - ay
                t = 0.0 if dx == dy == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
                return (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= r * r
            self._paint(min(ax, bx) - r, min(ay, by) - r, max(ax, bx) + r, max(ay, by) + r, inside, True)

    def pad(self, cx, cy, diameter, square=False):
        """A through-hole pad; its hole is drilled afterwards with drill_holes()."""
        r = diameter / 2
        if square:
            self.rect(cx - r, cy - r, cx + r, cy + r)
        else:
            self.disc(cx, cy, r)
        self.holes.append((cx, cy))

    def drill_holes(self):
        # A white hole of 5 x 5 pixels less its corners (about 0.2 mm): its rim is a
        # 16-step contour, below the default 20 points per pad, with copper all around.
        for cx, cy in self.holes:
            self.disc(cx + 0.5, cy + 0.5, 2.3, value=False)

    def write_bmp(self, path):
        row_bytes = ((self.width + 31) // 32) * 4
        pixels = bytearray()
        for row in range(self.height - 1, -1, -1):  # BMP rows run bottom-up
            bits = bytearray(row_bytes)
            for x in range(self.width):
                if not self.copper[row][x]:  # palette entry 1 is white
                    bits[x // 8] |= 0x80 >> (x % 8)
            pixels += bits
        palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
        offset = 14 + 40 + len(palette)
        ppm = round(DPI / 0.0254)
        header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 1, 0, len(pixels), ppm, ppm, 2, 2)
        with open(path, "wb") as f:
            f.write(header + info + palette + bytes(pixels))


def draw(board):
    pad_d = 1.6 * MM         # about 38 px
    track_w = 0.5 * MM       # about 12 px
    power_w = 0.9 * MM       # about 21 px

    # 8-pin DIL footprint, 2.54 mm pitch, rows 7.62 mm apart; pin 1 (bottom left) square.
    pin = {}
    for i in range(4):
        pin[1 + i] = (230 + 60 * i, 300)
        pin[8 - i] = (230 + 60 * i, 120)
    for n, (x, y) in pin.items():
        board.pad(x, y, pad_d, square=(n == 1))

    # 3-pin connector on the left, two resistors and a capacitor.
    j1 = [(50, 140), (50, 200), (50, 260)]
    for x, y in j1:
        board.pad(x, y, 1.8 * MM, square=True)
    r1 = [(500, 100), (500, 220)]
    r2 = [(470, 340), (550, 340)]
    c1 = [(110, 330), (170, 330)]
    for x, y in r1 + r2 + c1:
        board.pad(x, y, pad_d)

    # Supply to pin 8, signal to pin 1, ground to a strip along the bottom.
    board.track([j1[0], (110, 140), (140, 120), pin[8]], power_w)
    board.track([j1[1], (140, 200), (200, 260), pin[1]], track_w)
    board.rect(80, 362, 450, 382)
    board.track([j1[2], (80, 260), (80, 372)], power_w)
    board.track([c1[0], (110, 372)], power_w)
    board.track([pin[4], (410, 372)], track_w)
    board.track([r2[0], (440, 372)], track_w)
    # Capacitor to pin 2, pin 7 to R1, pin 5 to R1, R1 to R2.
    board.track([c1[1], (260, 340), pin[2]], track_w)
    board.track([pin[7], (290, 60), (500, 60), r1[0]], track_w)
    board.track([pin[5], (440, 150), (440, 220), r1[1]], track_w)
    board.track([r1[1], (550, 270), r2[1]], track_w)

    # A mounting lug standing alone: copper ring around a 3 mm hole, too big to be a pad.
    board.disc(560, 40, 30)
    board.disc(560, 40, 12, value=False)

    board.drill_holes()


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "samples", "sample-board.bmp")
    board = Board(WIDTH, HEIGHT)
    draw(board)
    board.write_bmp(out)
    print(f"wrote {out} ({WIDTH} x {HEIGHT} px, {DPI} dpi)")


if __name__ == "__main__":
    main()
