"""The main display's pictures (the program icon is in program_icon.py).

bitmap_228.png  64 x 64 compass dial marked N, E, S, W
bitmap_227.png  25 x 25 Kaaba, drawn beside the needle tip
"""

import math

from PIL import Image, ImageDraw

from .common import SCALE, centred_text, font, reduce


def compass_dial():
    size = 64 * SCALE
    c = size / 2
    image = Image.new("RGB", (size, size), "white")
    draw = ImageDraw.Draw(image)

    def circle(radius, **style):
        draw.ellipse((c - radius, c - radius, c + radius, c + radius), **style)

    # Brass rim, a darker edge inside it, then a pale face.
    circle(31.5 * SCALE, fill=(150, 118, 52))
    circle(30 * SCALE, fill=(214, 184, 110))
    circle(28 * SCALE, fill=(120, 92, 40))
    circle(27.2 * SCALE, fill=(252, 249, 238))

    # Ticks every 15 degrees, longer at the eighths of a turn.
    for step in range(24):
        angle = math.radians(step * 15)
        long_tick = step % 3 == 0
        inner = (22.5 if long_tick else 24.5) * SCALE
        outer = 27 * SCALE
        width = int((1.0 if long_tick else 0.6) * SCALE)
        if step % 6 == 0:
            continue  # the letters stand there
        dx, dy = math.sin(angle), -math.cos(angle)
        draw.line((c + inner * dx, c + inner * dy, c + outer * dx, c + outer * dy),
                  fill=(120, 92, 40), width=width)

    # A faint inner ring that the needle turns within.
    circle(9 * SCALE, outline=(205, 196, 170), width=int(0.6 * SCALE))

    face = font("DejaVuSans-Bold.ttf", int(8.5 * SCALE))
    letters = {"N": (0, -22.5), "E": (22.5, 0), "S": (0, 22.5), "W": (-22.5, 0)}
    for letter, (dx, dy) in letters.items():
        colour = (178, 24, 24) if letter == "N" else (40, 40, 40)
        centred_text(draw, (c + dx * SCALE, c + dy * SCALE), letter, face, colour)

    # The pivot.
    circle(1.6 * SCALE, fill=(120, 92, 40))
    return reduce(image, 64)


def kaaba():
    size = 25 * SCALE
    image = Image.new("RGB", (size, size), "white")
    draw = ImageDraw.Draw(image)
    s = SCALE

    def poly(points, fill):
        draw.polygon([(x * s, y * s) for x, y in points], fill=fill)

    # A cube seen from the front left: front face, right side, roof.
    front = [(2, 8), (15, 8), (15, 23), (2, 23)]
    side = [(15, 8), (22, 4.5), (22, 19.5), (15, 23)]
    roof = [(2, 8), (9, 4.5), (22, 4.5), (15, 8)]
    poly(roof, (70, 70, 70))
    poly(front, (18, 18, 18))
    poly(side, (38, 38, 38))

    # The gold band of embroidered calligraphy near the top.
    gold = (212, 170, 60)
    poly([(2, 10.5), (15, 10.5), (15, 12.6), (2, 12.6)], gold)
    poly([(15, 10.5), (22, 7), (22, 9.1), (15, 12.6)], (176, 138, 44))
    # Dots in the band, a hint of script.
    for x in range(3, 15, 2):
        draw.ellipse(((x + 0.2) * s, 11.1 * s, (x + 0.9) * s, 11.9 * s), fill=(120, 90, 20))

    # The golden door on the front, raised above the ground.
    poly([(10, 15), (13.2, 15), (13.2, 21), (10, 21)], gold)
    draw.line((11.6 * s, 15 * s, 11.6 * s, 21 * s), fill=(150, 115, 30), width=int(0.4 * s))

    # A pale floor line for the courtyard.
    draw.line((0, 23.6 * s, 25 * s, 23.6 * s), fill=(200, 200, 200), width=int(0.8 * s))
    return reduce(image, 25)


PICTURES = {
    "bitmap_228.png": compass_dial,
    "bitmap_227.png": kaaba,
}
