"""The program icon: icon 128 for the windows, and the desktop icons in
hicolor (16 to 256 pixels and a scalable SVG), all from one drawing.

A crescent and a star over a mosque on a rounded tile, a night sky going
from deep teal to green. The drawing is a list of shapes in a 128-unit
square, rasterised with PIL (drawn SCALE times larger, then reduced) and
written out as SVG, so every size shows the same picture.
"""

import math

from PIL import Image, ImageDraw

from .common import SCALE, reduce

SKY_TOP = (14, 52, 72)
SKY_BOTTOM = (18, 110, 84)
GOLD = (246, 214, 120)
INK = (244, 240, 226)
DOOR = (18, 96, 80)

TILE = (4, 4, 124, 124, 24)  # left, top, right, bottom, corner radius
MOON = (26, 18, 86, 78)      # the lit disc
SHADOW = (42, 12, 96, 66)    # the disc taken away from it
# Without the mosque the crescent and the star fill the tile.
SIMPLE_MOON = (16, 20, 100, 104)
SIMPLE_SHADOW = (40, 12, 114, 86)
SIMPLE_STAR = (94, 50, 13, 5.5)


def star(cx=78, cy=38, outer=9, inner=3.8):
    points = []
    for k in range(10):
        radius = outer if k % 2 == 0 else inner
        angle = math.radians(-90 + k * 36)
        points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return points


def shapes(detailed=True):
    """Everything above the tile and the crescent, back to front."""
    if not detailed:
        return [("polygon", star(*SIMPLE_STAR), GOLD)]
    items = [("polygon", star(), GOLD)]
    items += [
        ("rect", (34, 92, 94, 112), INK),             # walls
        ("ellipse", (46, 70, 82, 106), INK),          # dome
        ("polygon", [(62, 62), (66, 62), (64, 56)], INK),
        ("rect", (63, 62, 65, 72), INK),              # finial
    ]
    for x in (24, 98):                                # minarets
        items += [
            ("rect", (x, 78, x + 6, 112), INK),
            ("polygon", [(x, 78), (x + 6, 78), (x + 3, 68)], INK),
            ("rect", (x - 1, 86, x + 7, 88), INK),    # balcony
        ]
    items += [
        ("rounded", (58, 98, 70, 112, 6), DOOR),
        ("rect", (20, 112, 108, 114), INK),           # ground
    ]
    return items


def raster(size, detailed=True):
    k = size * SCALE / 128

    def box(b):
        return (b[0] * k, b[1] * k, b[2] * k - 1, b[3] * k - 1)

    full = size * SCALE
    image = Image.new("RGBA", (full, full), (0, 0, 0, 0))
    sky = Image.new("RGBA", (full, full))
    gradient = ImageDraw.Draw(sky)
    for y in range(full):
        t = y / (full - 1)
        colour = tuple(int(SKY_TOP[i] + (SKY_BOTTOM[i] - SKY_TOP[i]) * t) for i in range(3))
        gradient.line((0, y, full, y), fill=colour + (255,))
    mask = Image.new("L", (full, full), 0)
    ImageDraw.Draw(mask).rounded_rectangle(box(TILE[:4]), radius=TILE[4] * k, fill=255)
    image.paste(sky, (0, 0), mask)

    moon = Image.new("L", (full, full), 0)
    moon_draw = ImageDraw.Draw(moon)
    moon_draw.ellipse(box(MOON if detailed else SIMPLE_MOON), fill=255)
    moon_draw.ellipse(box(SHADOW if detailed else SIMPLE_SHADOW), fill=0)
    image.paste(GOLD + (255,), (0, 0), moon)

    draw = ImageDraw.Draw(image)
    for kind, geometry, colour in shapes(detailed):
        fill = colour + (255,)
        if kind == "polygon":
            draw.polygon([(x * k, y * k) for x, y in geometry], fill=fill)
        elif kind == "rect":
            draw.rectangle(box(geometry), fill=fill)
        elif kind == "ellipse":
            draw.ellipse(box(geometry), fill=fill)
        elif kind == "rounded":
            draw.rounded_rectangle(box(geometry[:4]), radius=geometry[4] * k, fill=fill)
    return reduce(image, size)


def hex_colour(colour):
    return "#%02x%02x%02x" % colour


def svg():
    def number(value):
        return ("%.2f" % value).rstrip("0").rstrip(".")

    def points(geometry):
        return " ".join(f"{number(x)},{number(y)}" for x, y in geometry)

    left, top, right, bottom, radius = TILE
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">',
        "  <title>Halvo Tavorin</title>",
        "  <defs>",
        '    <linearGradient id="sky" x1="0" y1="0" x2="0" y2="128" gradientUnits="userSpaceOnUse">',
        f'      <stop offset="0" stop-color="{hex_colour(SKY_TOP)}"/>',
        f'      <stop offset="1" stop-color="{hex_colour(SKY_BOTTOM)}"/>',
        "    </linearGradient>",
        '    <mask id="crescent" maskUnits="userSpaceOnUse" x="0" y="0" width="128" height="128">',
        '      <rect width="128" height="128" fill="#fff"/>',
        f'      <ellipse cx="{number((SHADOW[0] + SHADOW[2]) / 2)}" cy="{number((SHADOW[1] + SHADOW[3]) / 2)}"'
        f' rx="{number((SHADOW[2] - SHADOW[0]) / 2)}" ry="{number((SHADOW[3] - SHADOW[1]) / 2)}" fill="#000"/>',
        "    </mask>",
        "  </defs>",
        f'  <rect x="{left}" y="{top}" width="{right - left}" height="{bottom - top}" rx="{radius}"'
        ' fill="url(#sky)"/>',
        f'  <ellipse cx="{number((MOON[0] + MOON[2]) / 2)}" cy="{number((MOON[1] + MOON[3]) / 2)}"'
        f' rx="{number((MOON[2] - MOON[0]) / 2)}" ry="{number((MOON[3] - MOON[1]) / 2)}"'
        f' fill="{hex_colour(GOLD)}" mask="url(#crescent)"/>',
    ]
    for kind, geometry, colour in shapes():
        fill = hex_colour(colour)
        if kind == "polygon":
            lines.append(f'  <polygon points="{points(geometry)}" fill="{fill}"/>')
        elif kind == "rect":
            x0, y0, x1, y1 = geometry
            lines.append(f'  <rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" fill="{fill}"/>')
        elif kind == "ellipse":
            x0, y0, x1, y1 = geometry
            lines.append(f'  <ellipse cx="{number((x0 + x1) / 2)}" cy="{number((y0 + y1) / 2)}"'
                         f' rx="{number((x1 - x0) / 2)}" ry="{number((y1 - y0) / 2)}" fill="{fill}"/>')
        elif kind == "rounded":
            x0, y0, x1, y1, r = geometry
            lines.append(f'  <rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" rx="{r}"'
                         f' fill="{fill}"/>')
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


# The mosque is left out where it would be a few blurred pixels.
DESKTOP_SIZES = (16, 24, 32, 48, 64, 128, 256)
SIMPLE_BELOW = 32

PICTURES = {
    "icon_128.png": lambda: raster(128),
}

INSTALLED = {
    f"packaging/icons/hicolor/{size}x{size}/apps/halvo-tavorin.png":
        (lambda size=size: raster(size, detailed=size >= SIMPLE_BELOW))
    for size in DESKTOP_SIZES
}
INSTALLED["packaging/icons/hicolor/scalable/apps/halvo-tavorin.svg"] = svg
