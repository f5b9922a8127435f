"""Helpers every picture module shares: pictures are drawn SCALE times
larger and reduced, so edges are smooth at the small sizes the windows
show."""

import os

from PIL import Image, ImageFont

SCALE = 8
FONT_DIRS = ["/usr/share/fonts/truetype/dejavu"]


def font(name, size):
    for folder in FONT_DIRS:
        path = os.path.join(folder, name)
        if os.path.exists(path):
            return ImageFont.truetype(path, size)
    return ImageFont.load_default()


def reduce(image, size):
    return image.resize((size, size), Image.LANCZOS)


def centred_text(draw, centre, text, face, fill):
    box = draw.textbbox((0, 0), text, font=face)
    width, height = box[2] - box[0], box[3] - box[1]
    draw.text((centre[0] - width / 2 - box[0], centre[1] - height / 2 - box[1]), text, font=face, fill=fill)
