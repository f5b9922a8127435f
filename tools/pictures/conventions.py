"""The icons of the convention dialogs, 24 x 24 with a transparent ground so
they sit on whatever background colour the user chose.

icon_130.png  Fajr/Isha: a horizon, dawn on the left, night on the right
icon_134.png  Asr method: the Sun, a stick and its long afternoon shadow
icon_135.png  Isha angle: the Sun set below the horizon, dusk sky, the angle
icon_136.png  Fajr angle: the Sun below the horizon before dawn, the angle
"""

import math

from PIL import Image, ImageDraw

from .common import SCALE, reduce

SIZE = 24


def canvas():
    size = SIZE * SCALE
    return Image.new("RGBA", (size, size), (0, 0, 0, 0))


def finish(image):
    return reduce(image, SIZE)


def px(*values):
    return [v * SCALE for v in values]


def rounded_mask(inset=1, radius=4.5):
    size = SIZE * SCALE
    mask = Image.new("L", (size, size), 0)
    ImageDraw.Draw(mask).rounded_rectangle(px(inset, inset, SIZE - inset, SIZE - inset),
                                           radius=radius * SCALE, fill=255)
    return mask


def vertical_gradient(stops):
    """A square of the icon's size shading through (position, colour) stops
    from top (0) to bottom (1)."""
    size = SIZE * SCALE
    image = Image.new("RGBA", (size, size))
    draw = ImageDraw.Draw(image)
    for y in range(size):
        t = y / (size - 1)
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t0 <= t <= t1:
                f = (t - t0) / (t1 - t0) if t1 > t0 else 0
                colour = tuple(int(c0[i] + (c1[i] - c0[i]) * f) for i in range(3)) + (255,)
                break
        draw.line((0, y, size, y), fill=colour)
    return image


def star(draw, cx, cy, outer, inner, fill):
    points = []
    for k in range(10):
        radius = outer if k % 2 == 0 else inner
        angle = math.radians(-90 + k * 36)
        points.append(((cx + radius * math.cos(angle)) * SCALE,
                       (cy + radius * math.sin(angle)) * SCALE))
    draw.polygon(points, fill=fill)


def crescent(image, cx, cy, radius, shift, fill):
    size = SIZE * SCALE
    moon = Image.new("L", (size, size), 0)
    moon_draw = ImageDraw.Draw(moon)
    moon_draw.ellipse(px(cx - radius, cy - radius, cx + radius, cy + radius), fill=255)
    moon_draw.ellipse(px(cx - radius + shift, cy - radius - shift * 0.4,
                         cx + radius + shift, cy + radius - shift * 0.4), fill=0)
    image.paste(fill, (0, 0), moon)


def fajr_isha():
    """Dawn on the left half, night on the right, over one horizon."""
    image = canvas()
    mask = rounded_mask()
    dawn = vertical_gradient([(0, (40, 60, 130)), (0.45, (235, 120, 70)), (0.7, (250, 200, 110)),
                              (1, (250, 200, 110))])
    night = vertical_gradient([(0, (12, 18, 60)), (0.7, (38, 48, 110)), (1, (38, 48, 110))])
    left = Image.new("L", image.size, 0)
    ImageDraw.Draw(left).rectangle(px(0, 0, 12, SIZE), fill=255)
    right = Image.new("L", image.size, 0)
    ImageDraw.Draw(right).rectangle(px(12, 0, SIZE, SIZE), fill=255)
    image.paste(dawn, (0, 0), Image.composite(mask, Image.new("L", image.size, 0), left))
    image.paste(night, (0, 0), Image.composite(mask, Image.new("L", image.size, 0), right))
    draw = ImageDraw.Draw(image)

    # The Sun rising on the left, half above the horizon.
    draw.ellipse(px(3, 12.5, 10, 19.5), fill=(255, 226, 120))
    # The crescent and a star on the right.
    crescent(image, 17.2, 8.2, 3.6, 1.9, (246, 232, 170, 255))
    star(draw, 20.2, 13.2, 1.5, 0.65, (246, 232, 170))

    # The ground below the horizon, dark on both halves.
    ground = Image.new("L", image.size, 0)
    ImageDraw.Draw(ground).rectangle(px(0, 16, SIZE, SIZE), fill=255)
    image.paste((34, 44, 40, 255), (0, 0), Image.composite(mask, Image.new("L", image.size, 0),
                                                           ground))
    draw.line(px(1.5, 16, SIZE - 1.5, 16), fill=(250, 236, 200), width=int(0.8 * SCALE))
    return finish(image)


def asr_method():
    """The Sun low in the west, a stick and its shadow longer than itself."""
    image = canvas()
    draw = ImageDraw.Draw(image)
    # A soft disc of daylight behind the scene.
    mask = rounded_mask()
    sky = vertical_gradient([(0, (150, 200, 240)), (0.75, (220, 236, 248)), (1, (220, 236, 248))])
    image.paste(sky, (0, 0), mask)
    draw = ImageDraw.Draw(image)

    # The Sun with short rays, top left.
    cx, cy = 6.5, 6.5
    for k in range(8):
        a = math.radians(k * 45)
        draw.line(px(cx + 3.4 * math.cos(a), cy + 3.4 * math.sin(a),
                     cx + 4.8 * math.cos(a), cy + 4.8 * math.sin(a)),
                  fill=(240, 160, 20), width=int(0.9 * SCALE))
    draw.ellipse(px(cx - 2.6, cy - 2.6, cx + 2.6, cy + 2.6), fill=(250, 190, 30))

    # The ground.
    ground = Image.new("L", image.size, 0)
    ImageDraw.Draw(ground).rectangle(px(0, 18, SIZE, SIZE), fill=255)
    image.paste((120, 150, 70, 255), (0, 0), Image.composite(mask, Image.new("L", image.size, 0),
                                                             ground))
    draw = ImageDraw.Draw(image)

    # The shadow, from the foot of the stick away from the Sun.
    draw.polygon(px(10.2, 17.6, 22.8, 17.6, 22.8, 20.4, 10.2, 20.4), fill=(45, 50, 40))
    # The stick: the object whose shadow is measured.
    draw.rectangle(px(9.2, 9, 11.2, 18.6), fill=(110, 60, 25))
    draw.ellipse(px(9.0, 8.2, 11.4, 10.2), fill=(110, 60, 25))
    return finish(image)


def twilight_angle(stops, sun_x, toward_left, accent, with_star):
    """A horizon with the Sun below it and the depression angle drawn from
    an observer on the horizon down to the Sun."""
    image = canvas()
    mask = rounded_mask()
    image.paste(vertical_gradient(stops), (0, 0), mask)
    draw = ImageDraw.Draw(image)

    horizon = 12.5
    # The ground, with the Sun glowing through from below.
    ground = Image.new("L", image.size, 0)
    ImageDraw.Draw(ground).rectangle(px(0, horizon, SIZE, SIZE), fill=255)
    image.paste((30, 34, 48, 255), (0, 0), Image.composite(mask, Image.new("L", image.size, 0),
                                                           ground))
    draw = ImageDraw.Draw(image)
    sun_y = 20.0
    draw.ellipse(px(sun_x - 2.4, sun_y - 2.4, sun_x + 2.4, sun_y + 2.4), fill=(250, 190, 60))

    # The angle between the horizon and the sight line from an observer on
    # the horizon down to the Sun, as a filled wedge: an arc alone reads as
    # a stray stroke at this size.
    ox = 20.0 if toward_left else 4.0
    direction = -1 if toward_left else 1
    angle = math.degrees(math.atan2(sun_y - horizon, (sun_x - ox) * direction))
    r = 9.0
    wedge = Image.new("RGBA", image.size, (0, 0, 0, 0))
    box = px(ox - r, horizon - r, ox + r, horizon + r)
    start, end = (180 - angle, 180) if toward_left else (0, angle)
    ImageDraw.Draw(wedge).pieslice(box, start=start, end=end, fill=accent + (165,))
    image.alpha_composite(wedge)
    draw = ImageDraw.Draw(image)
    draw.line(px(1.5, horizon, SIZE - 1.5, horizon), fill=(250, 240, 220), width=int(0.9 * SCALE))
    draw.line(px(ox, horizon, sun_x, sun_y), fill=accent, width=int(1.0 * SCALE))
    draw.ellipse(px(ox - 1.2, horizon - 1.2, ox + 1.2, horizon + 1.2), fill=(250, 240, 220))

    if with_star:
        star(draw, 6.0, 5.5, 1.9, 0.8, (246, 232, 170))
        star(draw, 12.5, 3.6, 1.1, 0.45, (246, 232, 170))
    return finish(image)


def fajr_angle():
    # Before dawn: the sky pales toward the east, where the Sun will rise.
    return twilight_angle([(0, (28, 40, 100)), (0.35, (120, 90, 140)), (0.52, (245, 150, 90)),
                           (1, (245, 150, 90))],
                          sun_x=14.5, toward_left=False, accent=(255, 236, 170), with_star=False)


def isha_angle():
    # After dusk: the last light gone low in the west, the stars out.
    return twilight_angle([(0, (8, 12, 48)), (0.4, (30, 36, 96)), (0.52, (88, 60, 118)),
                           (1, (88, 60, 118))],
                          sun_x=9.5, toward_left=True, accent=(190, 200, 255), with_star=True)


PICTURES = {
    "icon_130.png": fajr_isha,
    "icon_134.png": asr_method,
    "icon_135.png": isha_angle,
    "icon_136.png": fajr_angle,
}
