"""The sky tools' pictures.

bitmap_223.png  130 x 130 Qibla dial marked N, E, S, W (the large needle
                turns about the face's centre, which stands at (70, 70):
                the window pivots the needle five pixels right of and below
                the bitmap's own centre)
bitmap_220.png  51 x 51 Kaaba, beside the large needle's tip
bitmap_197 ... 50 x 50 Moon phases, white Moon on black: 197 new (outline
                only), 200 waxing crescent, 195 first quarter (right half
                lit), 201 waxing gibbous, 213 full, 199 waning gibbous,
                196 last quarter (left half lit), 198 waning crescent
"""

import math

from PIL import Image, ImageDraw

from .common import SCALE, centred_text, font, reduce

BRASS_DARK = (150, 118, 52)
BRASS = (214, 184, 110)
BRASS_EDGE = (120, 92, 40)
FACE = (252, 249, 238)


def qibla_dial():
    size = 130 * SCALE
    cx = cy = 70 * SCALE
    image = Image.new("RGB", (size, size), "white")
    draw = ImageDraw.Draw(image)

    def circle(radius, **style):
        draw.ellipse((cx - radius, cy - radius, cx + radius, cy + radius), **style)

    # Brass rim, a darker edge inside it, then a pale face.
    circle(59 * SCALE, fill=BRASS_DARK)
    circle(57.2 * SCALE, fill=BRASS)
    circle(54.6 * SCALE, fill=BRASS_EDGE)
    circle(53.6 * SCALE, fill=FACE)

    # Ticks every 5 degrees, longer every 15 and longest at the eighths.
    for step in range(72):
        if step % 18 == 0:
            continue  # the letters' places stay clear at the rim
        angle = math.radians(step * 5)
        if step % 9 == 0:
            inner, width = 44.5, 1.2
        elif step % 3 == 0:
            inner, width = 47.5, 0.9
        else:
            inner, width = 50.5, 0.6
        outer = 53.4
        dx, dy = math.sin(angle), -math.cos(angle)
        draw.line((cx + inner * SCALE * dx, cy + inner * SCALE * dy,
                   cx + outer * SCALE * dx, cy + outer * SCALE * dy),
                  fill=BRASS_EDGE, width=int(width * SCALE))

    # A compass rose in faint lines: the four quarters and the eighths.
    rose = (222, 212, 186)
    for step in range(8):
        angle = math.radians(step * 45)
        reach = 30 if step % 2 == 0 else 20
        dx, dy = math.sin(angle), -math.cos(angle)
        side = math.radians(step * 45 + 90)
        sx, sy = math.sin(side), -math.cos(side)
        wide = 4.5 if step % 2 == 0 else 3.2
        draw.polygon([(cx + reach * SCALE * dx, cy + reach * SCALE * dy),
                      (cx + wide * SCALE * sx, cy + wide * SCALE * sy),
                      (cx - wide * SCALE * sx, cy - wide * SCALE * sy)], fill=rose)
    circle(12 * SCALE, outline=(205, 196, 170), width=int(0.8 * SCALE))

    face = font("DejaVuSans-Bold.ttf", int(13 * SCALE))
    letters = {"N": (0, -46), "E": (46, 0), "S": (0, 46), "W": (-46, 0)}
    for letter, (dx, dy) in letters.items():
        colour = (178, 24, 24) if letter == "N" else (40, 40, 40)
        centred_text(draw, (cx + dx * SCALE, cy + dy * SCALE), letter, face, colour)

    # The pivot.
    circle(2.6 * SCALE, fill=BRASS_EDGE)
    return reduce(image, 130)


def kaaba_large():
    size = 51
    s = SCALE
    image = Image.new("RGB", (size * s, size * s), "white")
    draw = ImageDraw.Draw(image)

    def poly(points, fill):
        draw.polygon([(x * s, y * s) for x, y in points], fill=fill)

    # The courtyard's marble floor, a pale ellipse under the building.
    draw.ellipse((1 * s, 40 * s, 50 * s, 50 * s), fill=(232, 230, 224))

    # A cube seen from the front left: roof, front face, right side.
    front = [(5, 17), (32, 17), (32, 46), (5, 46)]
    side = [(32, 17), (46, 10), (46, 39), (32, 46)]
    roof = [(5, 17), (19, 10), (46, 10), (32, 17)]
    poly(roof, (72, 72, 72))
    poly(front, (16, 16, 16))
    poly(side, (36, 36, 36))

    # The gold band of embroidered script a third of the way down.
    gold = (214, 172, 62)
    gold_shade = (176, 138, 44)
    poly([(5, 22), (32, 22), (32, 26), (5, 26)], gold)
    poly([(32, 22), (46, 15), (46, 19), (32, 26)], gold_shade)
    ink = (120, 88, 22)
    for k in range(12):
        x = 6.2 + k * 2.15
        draw.arc(((x) * s, 22.8 * s, (x + 1.6) * s, 25.2 * s), 200, 340, fill=ink, width=int(0.45 * s))
        draw.line(((x + 0.8) * s, 22.9 * s, (x + 0.8) * s, 24.2 * s), fill=ink, width=int(0.35 * s))
    for k in range(6):
        x0 = 33 + k * 2.2
        y0 = 21.6 - (x0 - 32) * 0.5
        draw.line((x0 * s, y0 * s, (x0 + 1.1) * s, (y0 - 0.55) * s), fill=ink, width=int(0.4 * s))

    # Faint weave of the black cloth: a few darker seams below the band.
    for y in (31, 36, 41):
        draw.line((5 * s, y * s, 32 * s, y * s), fill=(30, 30, 30), width=int(0.35 * s))

    # The golden door on the front, raised above the ground, with its panels.
    poly([(21, 29), (28, 29), (28, 41), (21, 41)], gold)
    draw.line((24.5 * s, 29 * s, 24.5 * s, 41 * s), fill=gold_shade, width=int(0.5 * s))
    for y in (32, 35.5, 39):
        draw.line((21.8 * s, y * s, 27.2 * s, y * s), fill=gold_shade, width=int(0.35 * s))
    # The door's stair foot.
    poly([(20, 41), (29, 41), (29, 43), (20, 43)], (150, 150, 150))

    # The black stone's silver frame at the front corner.
    draw.ellipse((6.0 * s, 37.5 * s, 10.0 * s, 42.0 * s), fill=(196, 196, 204))
    draw.ellipse((6.9 * s, 38.5 * s, 9.1 * s, 41.0 * s), fill=(24, 24, 24))

    # The marble base (shadharwan) along the foot.
    poly([(5, 46), (32, 46), (32, 47.5), (5, 47.5)], (190, 186, 176))
    poly([(32, 46), (46, 39), (46, 40.5), (32, 47.5)], (170, 166, 156))
    return reduce(image, size)


MOON_SIZE = 50
MOON_RADIUS = 21.5
LIT = (255, 255, 255)
DARK_SIDE = (38, 38, 44)
RIM = (120, 120, 128)


def moon(phase_degrees, outline_only=False):
    """phase_degrees: 0 new, 90 first quarter, 180 full, 270 last quarter.
    Waxing phases light the right side, waning ones the left, as the Moon
    shows itself from the northern hemisphere."""
    s = SCALE
    size = MOON_SIZE * s
    centre = size / 2
    radius = MOON_RADIUS * s
    image = Image.new("RGB", (size, size), (0, 0, 0))
    draw = ImageDraw.Draw(image)
    box = (centre - radius, centre - radius, centre + radius, centre + radius)
    if outline_only:
        draw.ellipse(box, outline=LIT, width=int(1.2 * s))
        return reduce(image, MOON_SIZE)

    draw.ellipse(box, fill=DARK_SIDE)
    # The terminator is half an ellipse: x = cos(phase) * half-width of the
    # disc at that height. Waxing: lit east of it; waning: lit west of it.
    cosine = math.cos(math.radians(phase_degrees))
    waxing = phase_degrees <= 180
    pixels = image.load()
    for py in range(size):
        dy = py + 0.5 - centre
        if abs(dy) >= radius:
            continue
        half = math.sqrt(radius * radius - dy * dy)
        for px in range(int(centre - half), int(centre + half) + 1):
            dx = px + 0.5 - centre
            if dx * dx + dy * dy > radius * radius:
                continue
            lit = dx >= cosine * half if waxing else dx <= -cosine * half
            if lit:
                pixels[px, py] = LIT
    # A faint rim so the unlit part of the disc still reads as the Moon.
    draw.ellipse(box, outline=RIM, width=int(0.5 * s))
    return reduce(image, MOON_SIZE)


PICTURES = {
    "bitmap_223.png": qibla_dial,
    "bitmap_220.png": kaaba_large,
    "bitmap_197.png": lambda: moon(0, outline_only=True),
    "bitmap_200.png": lambda: moon(55),
    "bitmap_195.png": lambda: moon(90),
    "bitmap_201.png": lambda: moon(128),
    "bitmap_213.png": lambda: moon(180),
    "bitmap_199.png": lambda: moon(232),
    "bitmap_196.png": lambda: moon(270),
    "bitmap_198.png": lambda: moon(305),
}
