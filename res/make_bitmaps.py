#!/usr/bin/env python3
"""Draws the About page's picture and writes it as a 24-bit bitmap into res/bitmaps/.
Run it after changing the artwork; the result is kept in the repository so that the build
does not need Python.

    python3 res/make_bitmaps.py

The shapes come from make_icons.py and use its 16-unit grid; the picture is drawn at the
size that the page's 89 x 89 dialog-unit picture area has in its font.
"""

import os
import struct

import make_icons
from make_icons import (BLUE, BLUE_DARK, CARD, CARD_DARK, CONTACT, WHITE, Canvas, disc, rect, ring_sector,
                        rounded_rect)

# Fewer samples than the icons: the picture is large, and its edges are long and smooth.
make_icons.SAMPLES = 3

ABOUT_SIZE = 133
HALO = (226, 236, 250)
LABEL = (232, 236, 242)
LABEL_TEXT = (150, 160, 176)


def draw_about(c):
    """A PC card with its antenna cap, sending radio waves, on a pale blue halo."""
    p = c.px()
    c.fill(disc(8, 8, 7.6), HALO)
    # Card body, label with two lines of print, and the contacts along the left edge.
    c.fill(rounded_rect(1.6, 8.4, 11.8, 14.2, 0.5), CARD_DARK)
    c.fill(rounded_rect(1.6 + p, 8.4 + p, 11.8 - p, 14.2 - p, 0.5 - p), CARD)
    c.fill(rect(4.2, 9.4, 10.6, 13.2), LABEL)
    c.fill(rect(4.8, 10.3, 9.6, 10.7), LABEL_TEXT)
    c.fill(rect(4.8, 11.5, 8.4, 11.9), LABEL_TEXT)
    for y in (9.0, 10.0, 11.0, 12.0, 13.0):
        c.fill(rect(2.2, y, 3.4, y + 0.5), CONTACT)
    # Antenna cap at the right end, taller than the card.
    c.fill(rounded_rect(11.4, 7.6, 14.6, 14.8, 0.9), BLUE_DARK)
    c.fill(rounded_rect(11.4 + p, 7.6 + p, 14.6 - p, 14.8 - p, 0.9 - p), BLUE)
    # Waves rising from the cap.
    cx, cy = 13.0, 7.0
    c.fill(disc(cx, cy, 0.7), BLUE)
    for inner, outer in ((1.6, 2.3), (3.1, 3.8), (4.6, 5.3)):
        c.fill(ring_sector(cx, cy, inner, outer, 50, 130), BLUE)


def write_bitmap(path, canvas):
    """A bottom-up 24-bit BMP of the canvas laid over white."""
    n = canvas.size
    stride = (n * 3 + 3) // 4 * 4
    rows = bytearray()
    for y in reversed(range(n)):
        row = bytearray()
        for x in range(n):
            r, g, b, a = canvas.pixels[y][x]
            over = lambda value, white: int(round(value * a + white * (1 - a)))
            row += bytes((over(b, WHITE[2]), over(g, WHITE[1]), over(r, WHITE[0])))
        row += bytes(stride - len(row))
        rows += row
    info = struct.pack("<IiiHHIIiiII", 40, n, n, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + bytes(rows))


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "bitmaps")
    os.makedirs(folder, exist_ok=True)
    canvas = Canvas(ABOUT_SIZE)
    draw_about(canvas)
    write_bitmap(os.path.join(folder, "about.bmp"), canvas)


if __name__ == "__main__":
    main()
