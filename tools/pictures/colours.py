"""The swatches of the Color Palette: icons 202 to 212, one 32 x 32 square
for each colour of the screen-colour table, in table order.

The colours must stay those of ColourTable in settings/screen_colours.h
(there as 0x00BBGGRR): the middle of each swatch is the colour exactly.
"""

from PIL import Image, ImageDraw

from . import common
from .common import SCALE, reduce

# Index, name and colour as red, green, blue.
COLOURS = [
    ("BLACK", (0x00, 0x00, 0x00)),
    ("BLUE", (0x00, 0x00, 0xFF)),
    ("DARK BLUE", (0x00, 0x00, 0x80)),
    ("DARK RED", (0x80, 0x00, 0x00)),
    ("GRAY", (0x80, 0x80, 0x80)),
    ("GREEN", (0x00, 0x80, 0x00)),
    ("LIGHT GRAY", (0xC0, 0xC0, 0xC0)),
    ("LIGHT GREEN", (0x00, 0xFF, 0x00)),
    ("RED", (0xFF, 0x00, 0x00)),
    ("WHITE", (0xFF, 0xFF, 0xFF)),
    ("YELLOW", (0xFF, 0xFF, 0x00)),
]

FIRST_SWATCH = 202


def edge_of(colour):
    # A darker rim on light colours, a lighter one on dark colours, so white
    # and yellow stand out on a white list and black on a black one.
    luma = 0.299 * colour[0] + 0.587 * colour[1] + 0.114 * colour[2]
    if luma > 110:
        return tuple(int(c * 0.55) for c in colour)
    return tuple(int(c + (255 - c) * 0.45) for c in colour)


def swatch(colour):
    def draw():
        size = 32 * SCALE
        image = Image.new("RGBA", (size, size), (0, 0, 0, 0))
        canvas = ImageDraw.Draw(image)
        s = SCALE
        canvas.rounded_rectangle((2 * s, 2 * s, 30 * s - 1, 30 * s - 1), radius=4 * s,
                                 fill=edge_of(colour) + (255,))
        canvas.rounded_rectangle((3.5 * s, 3.5 * s, 28.5 * s - 1, 28.5 * s - 1), radius=3 * s,
                                 fill=colour + (255,))
        small = reduce(image, 32)
        # The inside is the table's colour exactly, whatever the reduction
        # did near the edge.
        f = common.FACTOR
        ImageDraw.Draw(small).rectangle((5 * f, 5 * f, 27 * f - 1, 27 * f - 1),
                                        fill=colour + (255,))
        return small
    return draw


PICTURES = {
    f"icon_{FIRST_SWATCH + index}.png": swatch(colour)
    for index, (_name, colour) in enumerate(COLOURS)
}
