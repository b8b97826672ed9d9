#!/usr/bin/env python3
"""Draws the Site Survey page's image strip, twelve 16x16 images side by side, and writes it
as a 24-bit bitmap to res/bitmaps/survey.bmp, then the same strip scaled to 20, 24 and 32
pixels (survey20.bmp, survey24.bmp, survey32.bmp) for lists at 125, 150 and 200% scale. Pixels left in the mask colour RGB(0,128,128)
are transparent in the lists. Run it after changing the artwork; the result is kept in the
repository so that the build does not need Python.

    python3 res/make_survey_images.py

Images, by index: 0 ad-hoc network, 1 access point, 2 protected access point, 3 protected
ad-hoc network, 4 access point out of range, 5 the access point of the link, 6 the ad-hoc
network of the link, 7 ad-hoc network out of range, 8 to 11 signal bars one to four.
"""

import os
import struct

SIZE = 16
COUNT = 12

MASK = (0, 128, 128)
OUTLINE = (32, 32, 32)
BODY = (200, 200, 200)
BODY_DARK = (128, 128, 128)
SCREEN = (0, 64, 192)
SCREEN_LIGHT = (96, 160, 255)
WAVE = (0, 96, 224)
LINK = (0, 160, 0)
LINK_LIGHT = (64, 224, 64)
GREY = (160, 160, 160)
GREY_DARK = (96, 96, 96)
GOLD = (224, 176, 0)
GOLD_DARK = (128, 96, 0)
WHITE = (255, 255, 255)


class Image:
    def __init__(self):
        self.pixels = [[MASK for _ in range(SIZE)] for _ in range(SIZE)]

    def put(self, x, y, colour):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills x0..x1, y0..y1 inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.put(x, y0, colour)
            self.put(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.put(x0, y, colour)
            self.put(x1, y, colour)

    def points(self, coordinates, colour):
        for x, y in coordinates:
            self.put(x, y, colour)


def computer(image, x, y, screen, screen_light, body, body_dark):
    """A small monitor on a foot, 7 wide and 7 high, top left at (x, y)."""
    image.frame(x, y, x + 6, y + 5, OUTLINE)
    image.rect(x + 1, y + 1, x + 5, y + 4, screen)
    image.put(x + 1, y + 1, screen_light)
    image.put(x + 2, y + 1, screen_light)
    image.rect(x + 2, y + 6, x + 4, y + 6, body_dark)
    image.rect(x + 1, y + 7, x + 5, y + 7, body)


def ad_hoc(image, live, link_colour):
    screen, light = (SCREEN, SCREEN_LIGHT) if live else (GREY_DARK, GREY)
    computer(image, 0, 1, screen, light, BODY if live else GREY, BODY_DARK)
    computer(image, 9, 7, screen, light, BODY if live else GREY, BODY_DARK)
    # the link between them
    image.points([(4, 10), (4, 11), (5, 12), (6, 12), (7, 12), (8, 12)], link_colour)
    image.points([(8, 3), (9, 3), (10, 3), (11, 4), (11, 5), (11, 6)], link_colour)


def access_point(image, live, wave_colour):
    body, dark = (BODY, BODY_DARK) if live else (GREY, GREY_DARK)
    # antenna
    image.rect(7, 3, 8, 9, OUTLINE if live else GREY_DARK)
    image.rect(6, 2, 9, 2, OUTLINE if live else GREY_DARK)
    # box
    image.frame(2, 10, 13, 14, OUTLINE if live else GREY_DARK)
    image.rect(3, 11, 12, 13, body)
    image.rect(3, 13, 12, 13, dark)
    for x in (4, 6, 8):
        image.put(x, 12, LINK_LIGHT if live else GREY_DARK)
    if wave_colour:
        # radio waves on both sides of the antenna
        image.points([(4, 3), (4, 4), (4, 5), (4, 6), (11, 3), (11, 4), (11, 5), (11, 6)], wave_colour)
        image.points([(2, 2), (1, 3), (1, 4), (1, 5), (1, 6), (2, 7), (13, 2), (14, 3), (14, 4), (14, 5), (14, 6),
                      (13, 7)], wave_colour)


def lock(image):
    image.frame(11, 8, 15, 12, GOLD_DARK)
    image.rect(12, 9, 14, 11, GOLD)
    image.points([(12, 6), (13, 5), (14, 6), (12, 7), (14, 7)], GOLD_DARK)


def check(image):
    """A green tick in the lower right corner: this is the network of the link."""
    image.points([(10, 12), (11, 13), (12, 14), (13, 13), (14, 12), (15, 11)], LINK)
    image.points([(10, 13), (11, 14), (12, 15), (13, 14), (14, 13), (15, 12)], LINK_LIGHT)


def bars(image, lit):
    for i in range(4):
        height = 3 + 3 * i
        x = 1 + 4 * i
        colour = LINK if i < lit else GREY
        image.frame(x, 15 - height, x + 2, 15, OUTLINE if i < lit else GREY_DARK)
        image.rect(x + 1, 16 - height, x + 1, 14, colour)


def draw_all():
    images = [Image() for _ in range(COUNT)]
    ad_hoc(images[0], True, WAVE)
    access_point(images[1], True, WAVE)
    access_point(images[2], True, WAVE)
    lock(images[2])
    ad_hoc(images[3], True, WAVE)
    lock(images[3])
    access_point(images[4], False, None)
    access_point(images[5], True, LINK)
    check(images[5])
    ad_hoc(images[6], True, LINK)
    check(images[6])
    ad_hoc(images[7], False, GREY)
    for lit in range(1, 5):
        bars(images[7 + lit], lit)
    return images


LARGER_SIZES = (20, 24, 32)


def scaled(pixels, size):
    """The 16-pixel picture resampled to size: each new pixel covers an area of the old ones.
    It is opaque when at least half of that area is, in the mean colour of the opaque part;
    so edges stay hard against the mask colour, which the lists cut out exactly."""
    factor = SIZE / size
    out = [[MASK for _ in range(size)] for _ in range(size)]
    for y in range(size):
        for x in range(size):
            y0, y1 = y * factor, (y + 1) * factor
            x0, x1 = x * factor, (x + 1) * factor
            total = opaque = 0.0
            sums = [0.0, 0.0, 0.0]
            for sy in range(int(y0), min(SIZE, int(y1 + 0.999999))):
                for sx in range(int(x0), min(SIZE, int(x1 + 0.999999))):
                    area = (min(y1, sy + 1) - max(y0, sy)) * (min(x1, sx + 1) - max(x0, sx))
                    if area <= 0:
                        continue
                    total += area
                    colour = pixels[sy][sx]
                    if colour != MASK:
                        opaque += area
                        for i in range(3):
                            sums[i] += colour[i] * area
            if opaque * 2 >= total:
                out[y][x] = tuple(int(round(c / opaque)) for c in sums)
    return out


def write_bitmap(path, images, size=SIZE):
    pictures = [image.pixels if size == SIZE else scaled(image.pixels, size) for image in images]
    width = size * len(pictures)
    row_bytes = width * 3
    padding = (4 - row_bytes % 4) % 4
    pixel_bytes = (row_bytes + padding) * size
    data = bytearray()
    for y in reversed(range(size)):  # bottom-up
        for picture in pictures:
            for x in range(size):
                r, g, b = picture[y][x]
                data += bytes((b, g, r))
        data += bytes(padding)
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + pixel_bytes, 0, 0, 14 + 40)
    info = struct.pack('<IiiHHIIiiII', 40, width, size, 1, 24, 0, pixel_bytes, 2835, 2835, 0, 0)
    with open(path, 'wb') as out:
        out.write(header + info + data)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = os.path.join(here, 'bitmaps', 'survey.bmp')
    os.makedirs(os.path.dirname(path), exist_ok=True)
    images = draw_all()
    write_bitmap(path, images)
    print(path)
    for size in LARGER_SIZES:
        larger = os.path.join(here, 'bitmaps', 'survey%d.bmp' % size)
        write_bitmap(larger, images, size)
        print(larger)


if __name__ == '__main__':
    main()
