"""The date converters' pictures, each beside its dialog's result line.

bitmap_133.png  19 x 19 (13 x 12 dialog units) a crescent and star: the
                Hijri date Today in Hijri shows
bitmap_214.png  22 x 21 (15 x 13 dialog units) a calendar page: the
                Gregorian date Hijri To Gregorean shows
"""

import math

from PIL import Image, ImageDraw

from .common import SCALE, reduce

GOLD = (222, 170, 40)
TEAL = (18, 96, 80)


def crescent_and_star():
    width, height = 19, 19
    s = SCALE
    image = Image.new("RGB", (width * s, height * s), "white")
    draw = ImageDraw.Draw(image)

    # A teal roundel so the gold reads on a white dialog.
    draw.ellipse((0.5 * s, 0.5 * s, 18.5 * s, 18.5 * s), fill=TEAL)
    # The crescent: a disc with a shifted disc of the roundel's colour.
    draw.ellipse((3 * s, 3 * s, 15 * s, 15 * s), fill=GOLD)
    draw.ellipse((6.2 * s, 1.8 * s, 17 * s, 12.6 * s), fill=TEAL)
    # A five-pointed star in the crescent's opening.
    cx, cy, outer, inner = 13.2 * s, 8.6 * s, 2.9 * s, 1.2 * s
    points = []
    for k in range(10):
        radius = outer if k % 2 == 0 else inner
        angle = math.radians(-90 + k * 36)
        points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    draw.polygon(points, fill=GOLD)
    return reduce(image, width, height)


def calendar_page():
    width, height = 22, 21
    s = SCALE
    image = Image.new("RGB", (width * s, height * s), "white")
    draw = ImageDraw.Draw(image)

    # The page with a grey edge, a red band at the top and two rings.
    draw.rounded_rectangle((1 * s, 2.5 * s, 21 * s, 20.5 * s), radius=1.6 * s,
                           fill=(250, 250, 250), outline=(110, 110, 110), width=int(0.8 * s))
    draw.rounded_rectangle((1 * s, 2.5 * s, 21 * s, 7.5 * s), radius=1.6 * s, fill=(196, 40, 40))
    draw.rectangle((1 * s, 5.5 * s, 21 * s, 7.5 * s), fill=(196, 40, 40))
    for x in (6, 16):
        draw.rounded_rectangle(((x - 0.9) * s, 0.5 * s, (x + 0.9) * s, 4.6 * s),
                               radius=0.8 * s, fill=(90, 90, 90))
    # The days: a grid of small squares, one of them marked.
    for row in range(3):
        for column in range(5):
            x = 3.2 + column * 3.3
            y = 9.6 + row * 3.4
            colour = (196, 40, 40) if (row, column) == (1, 2) else (150, 150, 150)
            draw.rectangle((x * s, y * s, (x + 2.2) * s, (y + 2.2) * s), fill=colour)
    return reduce(image, width, height)


PICTURES = {
    "bitmap_133.png": crescent_and_star,
    "bitmap_214.png": calendar_page,
}
