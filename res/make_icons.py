#!/usr/bin/env python3
"""Draws the program's icons and writes them as .ico files (16, 20, 24, 32 and 48 pixels
square, 32-bit colour with alpha) into res/icons/: the small sizes serve the notification area
at 100, 125, 150 and 200% scale, the large ones the window's icon. Run it after changing the artwork; the results are kept in the
repository so that the build does not need Python.

    python3 res/make_icons.py

Shapes are described on a 16-unit grid and drawn at every size with 4x4 supersampling, so
each size comes out crisp at the pixel edges and smooth on the curves.
"""

import math
import os
import struct

SAMPLES = 4

# Colours (r, g, b)
OUTLINE = (40, 40, 40)
GREEN = (46, 184, 46)
GREEN_DARK = (20, 110, 20)
AMBER = (240, 170, 20)
AMBER_DARK = (150, 95, 0)
RED = (220, 40, 30)
RED_DARK = (130, 15, 10)
UNLIT = (205, 205, 205)
UNLIT_DARK = (120, 120, 120)
CARD = (170, 178, 190)
CARD_DARK = (70, 76, 88)
CONTACT = (230, 190, 60)
BLUE = (30, 100, 200)
BLUE_DARK = (15, 55, 130)
WHITE = (255, 255, 255)


class Canvas:
    """An RGBA image that shapes are composited onto."""

    def __init__(self, size):
        self.size = size
        self.scale = size / 16.0
        self.pixels = [[(0.0, 0.0, 0.0, 0.0) for _ in range(size)] for _ in range(size)]

    def fill(self, inside, colour, opacity=1.0):
        """Covers every pixel by the share of its samples for which inside(u, v) holds.
        u and v are in grid units (0..16)."""
        n = self.size
        step = 1.0 / SAMPLES
        for y in range(n):
            for x in range(n):
                hits = 0
                for sy in range(SAMPLES):
                    for sx in range(SAMPLES):
                        u = (x + (sx + 0.5) * step) / self.scale
                        v = (y + (sy + 0.5) * step) / self.scale
                        if inside(u, v):
                            hits += 1
                if hits:
                    self._blend(x, y, colour, opacity * hits / (SAMPLES * SAMPLES))

    def _blend(self, x, y, colour, alpha):
        r, g, b, a = self.pixels[y][x]
        out_a = alpha + a * (1 - alpha)
        if out_a <= 0:
            return
        mix = lambda new, old: (new * alpha + old * a * (1 - alpha)) / out_a
        self.pixels[y][x] = (mix(colour[0], r), mix(colour[1], g), mix(colour[2], b), out_a)

    def px(self):
        """One device pixel in grid units: outlines stay one pixel wide at every size."""
        return 1.0 / self.scale


def rect(x0, y0, x1, y1):
    return lambda u, v: x0 <= u < x1 and y0 <= v < y1


def rounded_rect(x0, y0, x1, y1, radius):
    def inside(u, v):
        if not (x0 <= u < x1 and y0 <= v < y1):
            return False
        cx = min(max(u, x0 + radius), x1 - radius)
        cy = min(max(v, y0 + radius), y1 - radius)
        return (u - cx) ** 2 + (v - cy) ** 2 <= radius ** 2
    return inside


def thick_line(x0, y0, x1, y1, width):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def inside(u, v):
        t = max(0.0, min(1.0, ((u - x0) * dx + (v - y0) * dy) / length2))
        px, py = x0 + t * dx, y0 + t * dy
        return (u - px) ** 2 + (v - py) ** 2 <= (width / 2) ** 2
    return inside


def ring_sector(cx, cy, inner, outer, start_deg, end_deg):
    def inside(u, v):
        d = math.hypot(u - cx, v - cy)
        if not inner <= d <= outer:
            return False
        angle = math.degrees(math.atan2(cy - v, u - cx))
        return start_deg <= angle <= end_deg
    return inside


def disc(cx, cy, radius):
    return lambda u, v: (u - cx) ** 2 + (v - cy) ** 2 <= radius ** 2


def boxed(canvas, x0, y0, x1, y1, fill, edge):
    """A filled box with a one-pixel edge."""
    p = canvas.px()
    canvas.fill(rect(x0, y0, x1, y1), edge)
    canvas.fill(rect(x0 + p, y0 + p, x1 - p, y1 - p), fill)


# Four bars side by side, rising to the right; each is four grid units wide.
BAR_TOPS = (11, 8, 4, 0)


def signal_bars(canvas, lit, fill, edge):
    for index, top in enumerate(BAR_TOPS):
        on = index < lit
        boxed(canvas, index * 4, top, index * 4 + 4, 16, fill if on else UNLIT, edge if on else UNLIT_DARK)


def cross(canvas, x0, y0, x1, y1, width, colour, edge):
    p = canvas.px()
    # At 16 pixels an edge would eat the strokes.
    if canvas.size < 32:
        edge = colour
    for a in (thick_line(x0, y0, x1, y1, width + 2 * p), thick_line(x0, y1, x1, y0, width + 2 * p)):
        canvas.fill(a, edge)
    for a in (thick_line(x0, y0, x1, y1, width), thick_line(x0, y1, x1, y0, width)):
        canvas.fill(a, colour)


def draw_signal(level):
    fill, edge = {4: (GREEN, GREEN_DARK), 3: (GREEN, GREEN_DARK), 2: (AMBER, AMBER_DARK), 1: (RED, RED_DARK)}[level]
    return lambda c: signal_bars(c, level, fill, edge)


def draw_not_connected(c):
    signal_bars(c, 0, UNLIT, UNLIT_DARK)
    # The corner above the short bars is free for the mark.
    cross(c, 1.2, 1.2, 6.3, 6.3, 1.9, RED, RED_DARK)


def draw_no_card(c):
    p = c.px()
    # A PC card seen from above: body, label and a row of contacts along the lower edge.
    c.fill(rounded_rect(1, 5, 16, 15, 1.2), CARD_DARK)
    c.fill(rounded_rect(1 + p, 5 + p, 16 - p, 15 - p, 1.2 - p), CARD)
    c.fill(rect(4, 7, 13, 10), (230, 233, 238))
    for x in range(3, 14, 2):
        c.fill(rect(x, 12, x + 1, 14), CONTACT)
    cross(c, 0.8, 0.8, 6.2, 6.2, 1.9, RED, RED_DARK)


def draw_application(c):
    p = c.px()
    c.fill(rounded_rect(0, 0, 16, 16, 3), BLUE_DARK)
    c.fill(rounded_rect(p, p, 16 - p, 16 - p, 3 - p), BLUE)
    # Radio waves spreading from the lower left corner.
    cx, cy = 3.2, 12.8
    c.fill(disc(cx, cy, 1.7), WHITE)
    for inner, outer in ((3.6, 5.3), (7.0, 8.7), (10.4, 12.1)):
        c.fill(ring_sector(cx, cy, inner, outer, 0, 90), WHITE)


ICONS = {
    "skylook.ico": draw_application,
    "signal4.ico": draw_signal(4),
    "signal3.ico": draw_signal(3),
    "signal2.ico": draw_signal(2),
    "signal1.ico": draw_signal(1),
    "notconnected.ico": draw_not_connected,
    "nocard.ico": draw_no_card,
}


def image_bytes(canvas):
    """One icon image: BITMAPINFOHEADER, 32-bit BGRA rows bottom-up, then the AND mask."""
    n = canvas.size
    header = struct.pack("<IiiHHIIiiII", 40, n, n * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    mask = bytearray()
    mask_stride = ((n + 31) // 32) * 4
    for y in reversed(range(n)):
        row_mask = bytearray(mask_stride)
        for x in range(n):
            r, g, b, a = canvas.pixels[y][x]
            alpha = int(round(a * 255))
            colour += bytes((int(round(b)), int(round(g)), int(round(r)), alpha))
            if alpha == 0:
                row_mask[x // 8] |= 0x80 >> (x % 8)
        mask += row_mask
    return header + bytes(colour) + bytes(mask)


ICON_SIZES = (16, 20, 24, 32, 48)


def write_icon(path, draw):
    images = []
    for size in ICON_SIZES:
        canvas = Canvas(size)
        draw(canvas)
        images.append((size, image_bytes(canvas)))
    offset = 6 + 16 * len(images)
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    with open(path, "wb") as f:
        f.write(out)


def draw_hand(c):
    """A pointing hand: the index finger up, three folded fingers and the thumb beside the palm."""
    parts = [
        rounded_rect(5.0, 0.5, 7.5, 9.0, 1.2),   # index finger
        rounded_rect(7.2, 5.0, 9.4, 10.0, 1.0),  # folded fingers
        rounded_rect(9.1, 5.6, 11.3, 10.5, 1.0),
        rounded_rect(11.0, 6.4, 13.2, 11.0, 1.0),
        rounded_rect(5.0, 8.0, 13.2, 15.0, 2.0),  # palm
        thick_line(2.2, 8.0, 5.5, 11.5, 2.2),     # thumb
    ]

    def any_part(grow):
        def inside(u, v):
            for dx, dy in ((0, 0), (grow, 0), (-grow, 0), (0, grow), (0, -grow),
                           (grow, grow), (-grow, -grow), (grow, -grow), (-grow, grow)):
                if any(part(u + dx, v + dy) for part in parts):
                    return True
            return False
        return inside

    c.fill(any_part(0.55), (0, 0, 0))
    c.fill(any_part(0.0), WHITE)


def write_cursor(path, draw, hotspot):
    """A 32x32 cursor; the entry's planes and bit count fields hold the hot spot."""
    canvas = Canvas(32)
    draw(canvas)
    data = image_bytes(canvas)
    out = bytearray(struct.pack("<HHH", 0, 2, 1))
    out += struct.pack("<BBBBHHII", 32, 32, 0, 0, hotspot[0], hotspot[1], len(data), 6 + 16)
    out += data
    with open(path, "wb") as f:
        f.write(out)


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "icons")
    os.makedirs(folder, exist_ok=True)
    for name, draw in ICONS.items():
        write_icon(os.path.join(folder, name), draw)
    write_cursor(os.path.join(folder, "hand.cur"), draw_hand, (12, 1))


if __name__ == "__main__":
    main()
