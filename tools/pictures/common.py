"""Helpers every picture module shares: pictures are drawn SCALE times
larger and reduced, so edges are smooth at the small sizes the windows
show. FACTOR is the size of the result against the picture's own: 1 for
name.png, 2 for the name@2x.png that screens of twice the density show."""

import os

from PIL import Image, ImageFont

SCALE = 8
FACTOR = 1
FONT_DIRS = ["/usr/share/fonts/truetype/dejavu"]


def font(name, size):
    for folder in FONT_DIRS:
        path = os.path.join(folder, name)
        if os.path.exists(path):
            return ImageFont.truetype(path, size)
    return ImageFont.load_default()


def reduce(image, width, height=None):
    """The drawing at the picture's size (width x height, square when no
    height is given) times FACTOR."""
    height = width if height is None else height
    return image.resize((width * FACTOR, height * FACTOR), Image.LANCZOS)


def centred_text(draw, centre, text, face, fill):
    box = draw.textbbox((0, 0), text, font=face)
    width, height = box[2] - box[0], box[3] - box[1]
    draw.text((centre[0] - width / 2 - box[0], centre[1] - height / 2 - box[1]), text, font=face, fill=fill)
