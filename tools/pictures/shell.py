"""The main display's pictures and the program icon.

bitmap_228.png  64 x 64 compass dial marked N, E, S, W
bitmap_227.png  25 x 25 Kaaba, drawn beside the needle tip
icon_128.png    128 x 128 program icon (also the desktop entry's icon)
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


def program_icon():
    size = 128 * SCALE
    image = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    s = SCALE

    # Rounded tile, a night sky from deep teal at the top to green below.
    tile = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    top, bottom = (14, 52, 72), (18, 110, 84)
    gradient = ImageDraw.Draw(tile)
    for y in range(size):
        t = y / (size - 1)
        colour = tuple(int(top[i] + (bottom[i] - top[i]) * t) for i in range(3)) + (255,)
        gradient.line((0, y, size, y), fill=colour)
    mask = Image.new("L", (size, size), 0)
    ImageDraw.Draw(mask).rounded_rectangle((4 * s, 4 * s, 124 * s, 124 * s), radius=24 * s, fill=255)
    image.paste(tile, (0, 0), mask)

    # The crescent: a disc with a shifted disc taken away.
    moon = Image.new("L", (size, size), 0)
    moon_draw = ImageDraw.Draw(moon)
    moon_draw.ellipse((26 * s, 18 * s, 86 * s, 78 * s), fill=255)
    moon_draw.ellipse((42 * s, 12 * s, 96 * s, 66 * s), fill=0)
    image.paste((246, 214, 120, 255), (0, 0), moon)

    # A five-pointed star inside the crescent's opening.
    cx, cy, outer, inner = 78 * s, 38 * s, 9 * s, 3.8 * s
    points = []
    for k in range(10):
        radius = outer if k % 2 == 0 else inner
        angle = math.radians(-90 + k * 36)
        points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    draw.polygon(points, fill=(246, 214, 120))

    # A mosque on the horizon: dome, walls, two minarets, a door.
    ink = (244, 240, 226)
    draw.rectangle((34 * s, 92 * s, 94 * s, 112 * s), fill=ink)
    draw.ellipse((46 * s, 70 * s, 82 * s, 106 * s), fill=ink)
    draw.polygon([(62 * s, 62 * s), (66 * s, 62 * s), (64 * s, 56 * s)], fill=ink)
    draw.rectangle((63 * s, 62 * s, 65 * s, 72 * s), fill=ink)
    for x in (24, 98):
        draw.rectangle((x * s, 78 * s, (x + 6) * s, 112 * s), fill=ink)
        draw.polygon([(x * s, 78 * s), ((x + 6) * s, 78 * s), ((x + 3) * s, 68 * s)], fill=ink)
        draw.rectangle(((x - 1) * s, 86 * s, (x + 7) * s, 88 * s), fill=ink)
    draw.rounded_rectangle((58 * s, 98 * s, 70 * s, 112 * s), radius=6 * s, fill=(18, 96, 80))
    draw.rectangle((20 * s, 112 * s, 108 * s, 114 * s), fill=ink)

    return image.resize((128, 128), Image.LANCZOS)


PICTURES = {
    "bitmap_228.png": compass_dial,
    "bitmap_227.png": kaaba,
    "icon_128.png": program_icon,
}
