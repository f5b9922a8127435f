#!/usr/bin/python3
"""Build data/map232.png, the 240 x 120 world map the location picker taps on.

Land comes from Natural Earth's 1:50m land polygons, laid out across the
columns as regions.MAP_COLUMNS says (the Atlantic narrowed so that Brazil ends
in column 90 and Iceland begins in 91). Each land pixel takes the region of
the nearest shipped city on the same landmass (4-connected, so Greenland and
Iceland touching at a corner stay two), and that region's key colour. The
picker tells regions that share a colour apart by the column of the tap, so
every coloured pixel is then looked up exactly as the picker does; a pixel
whose colour and column would lead to another region is left grey instead,
and each column of regions.MAP_TAP_COLUMNS must show its region.
"""

import collections
import math
import os
import sys

import numpy
import shapefile
from PIL import Image, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import sources  # noqa: E402
import regions  # noqa: E402
from regions import (COUNTRY_LISTS, MAP_HEIGHT, MAP_REGIONS, MAP_TAP_COLUMNS, MAP_WIDTH,  # noqa: E402
                     lookup_region)

SUPERSAMPLE = 8
LAND_SHARE = 0.35          # keeps Japan, Britain and Sri Lanka visible
ANTARCTIC_LATITUDE = -60   # no region: the pixels there stay grey

WHITE = (255, 255, 255)    # sea
GREY = (128, 128, 128)     # land of no region
BLACK = (0, 0, 0)          # labels; no region uses it
# The classic 16-colour palette, so the key colours are exact entries.
PALETTE = [BLACK, (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), GREY, (255, 0, 0), (0, 255, 0), (255, 255, 0),
           (0, 0, 255), (255, 0, 255), (0, 255, 255), WHITE]

KEY_COLOUR = {name: colour for name, colour, _low, _high in MAP_REGIONS}

# Islands the lists file under a far-away region; on the map they take the
# region around them, since their listed region's colour cannot be reached
# in their columns.
GEOGRAPHIC_REGION = {
    "New Caledonia": "Australia", "Norfolk Island": "Australia",
    "Wallis and Futuna": "Australia", "Saint Helena": "Africa",
    "British Virgin Islands": "North America", "Turks and Caicos Islands": "North America",
    "Montserrat": "North America",
}
URALS_LONGITUDE = 60.0     # Russia west of it is drawn as Europe

# Label text, centre (longitude, latitude); upper-case in a 3 x 5 pixel font.
LABELS = [
    ("NORTH", -103, 52), ("AMERICA", -103, 44),
    ("SOUTH", -60, -8), ("AMERICA", -60, -16),
    ("EUROPE", 22, 54),
    ("AFRICA", 20, 8),
    ("MIDDLE", 48, 30), ("EAST", 48, 22),
    ("ASIA", 100, 55),
    ("AUSTRALIA", 134, -25),
]

FONT = {
    "A": ["010", "101", "111", "101", "101"], "C": ["011", "100", "100", "100", "011"],
    "D": ["110", "101", "101", "101", "110"], "E": ["111", "100", "110", "100", "111"],
    "H": ["101", "101", "111", "101", "101"], "I": ["111", "010", "010", "010", "111"],
    "L": ["100", "100", "100", "100", "111"], "M": ["101", "111", "111", "101", "101"],
    "N": ["110", "101", "101", "101", "101"], "O": ["010", "101", "101", "101", "010"],
    "P": ["110", "101", "110", "100", "100"], "R": ["110", "101", "110", "101", "101"],
    "S": ["011", "100", "010", "001", "110"], "T": ["111", "010", "010", "010", "010"],
    "U": ["101", "101", "101", "101", "111"], "F": ["111", "100", "110", "100", "100"],
}


def column_of(longitude):
    return min(MAP_WIDTH - 1, int(regions.column_of(longitude)))


def row_of(latitude):
    return min(MAP_HEIGHT - 1, int(regions.row_of(latitude)))


def ring_area(points):
    return sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]))


def land_mask():
    """Share of each pixel covered by land, from the polygons at 8x8 per pixel."""
    width, height = MAP_WIDTH * SUPERSAMPLE, MAP_HEIGHT * SUPERSAMPLE
    canvas = Image.new("1", (width, height), 0)
    draw = ImageDraw.Draw(canvas)
    reader = shapefile.Reader(sources.LAND_SHAPES)
    for shape in reader.shapes():
        bounds = list(shape.parts) + [len(shape.points)]
        rings = [shape.points[a:b] for a, b in zip(bounds, bounds[1:])]
        # Outer rings run clockwise, holes (lakes, the Caspian) anticlockwise.
        outer = [r for r in rings if ring_area(r) < 0]
        holes = [r for r in rings if ring_area(r) >= 0]
        for fill, group in ((1, outer), (0, holes)):
            for ring in group:
                pixels = [(regions.column_of(lon) * SUPERSAMPLE, regions.row_of(lat) * SUPERSAMPLE)
                          for lon, lat in ring]
                if len(pixels) >= 3:
                    draw.polygon(pixels, fill=fill)
    fine = numpy.array(canvas, dtype=numpy.float64)
    return fine.reshape(MAP_HEIGHT, SUPERSAMPLE, MAP_WIDTH, SUPERSAMPLE).mean(axis=(1, 3))


def components(land):
    """Landmasses: 4-connected land pixels, joined across the date line."""
    label = numpy.zeros(land.shape, dtype=numpy.int32)
    count = 0
    for y in range(MAP_HEIGHT):
        for x in range(MAP_WIDTH):
            if land[y, x] and not label[y, x]:
                count += 1
                stack = [(y, x)]
                label[y, x] = count
                while stack:
                    cy, cx = stack.pop()
                    for dy, dx in ((-1, 0), (1, 0), (0, -1), (0, 1)):
                        ny, nx = cy + dy, (cx + dx) % MAP_WIDTH
                        if 0 <= ny < MAP_HEIGHT and land[ny, nx] and not label[ny, nx]:
                            label[ny, nx] = count
                            stack.append((ny, nx))
    return label


def city_regions():
    """(longitude, latitude, region) of every shipped city, from the seed file."""
    listed = {}
    for region, names in COUNTRY_LISTS.items():
        for name in names:
            listed.setdefault(name, region)
    cities = []
    with open(os.path.join(sources.DATA_DIR, "HalvoCities.txt"), encoding="utf-8") as f:
        for line in f:
            _name, rest = line.split("[", 1)
            country, rest = rest.split("]", 1)
            lon, lat = (int(v) / 100.0 for v in rest.split(",")[:2])
            region = GEOGRAPHIC_REGION.get(country, listed[country])
            if country == "Russia":
                region = "Europe" if lon < URALS_LONGITUDE else "Asia"
            cities.append((lon, lat, region))
    return sorted(cities)


def centre_of(x, y):
    return (regions.longitude_of(x + 0.5), 90.0 - (y + 0.5) * 180.0 / MAP_HEIGHT)


def assign_regions(land, label, cities):
    lon = numpy.radians([c[0] for c in cities])
    lat = numpy.radians([c[1] for c in cities])
    city_label = numpy.array([label[row_of(c[1]), column_of(c[0])] for c in cities])
    regions = [[None] * MAP_WIDTH for _ in range(MAP_HEIGHT)]
    for y in range(MAP_HEIGHT):
        for x in range(MAP_WIDTH):
            if not land[y, x]:
                continue
            plon, plat = centre_of(x, y)
            if plat < ANTARCTIC_LATITUDE:
                continue
            plon, plat = math.radians(plon), math.radians(plat)
            # Great-circle distance by the haversine formula.
            a = (numpy.sin((lat - plat) / 2) ** 2
                 + math.cos(plat) * numpy.cos(lat) * numpy.sin((lon - plon) / 2) ** 2)
            same = city_label == label[y, x]
            if same.any():
                a = numpy.where(same, a, numpy.inf)
            regions[y][x] = cities[int(numpy.argmin(a))][2]
    return regions


def check_lookups(colours, regions):
    """Every pixel drawn for a region must lead the picker back to it."""
    trimmed = collections.Counter()
    for y in range(MAP_HEIGHT):
        for x in range(MAP_WIDTH):
            region = regions[y][x]
            if region is None:
                continue
            if lookup_region(KEY_COLOUR[region], x) != region:
                trimmed[region] += 1
                regions[y][x] = None
                colours[y][x] = GREY
    return trimmed


def draw_labels(colours):
    for text, lon, lat in LABELS:
        width = 4 * len(text) - 1
        left = column_of(lon) - width // 2
        top = row_of(lat) - 2
        for i, letter in enumerate(text):
            for dy, bits in enumerate(FONT[letter]):
                for dx, bit in enumerate(bits):
                    if bit == "1":
                        colours[top + dy][left + 4 * i + dx] = BLACK


def main():
    coverage = land_mask()
    land = coverage >= LAND_SHARE
    label = components(land)
    regions = assign_regions(land, label, city_regions())
    colours = [[WHITE] * MAP_WIDTH for _ in range(MAP_HEIGHT)]
    for y in range(MAP_HEIGHT):
        for x in range(MAP_WIDTH):
            if land[y, x]:
                colours[y][x] = KEY_COLOUR[regions[y][x]] if regions[y][x] else GREY
    trimmed = check_lookups(colours, regions)
    draw_labels(colours)

    # Final pass over the finished picture, labels included: any key colour
    # must be found by the lookup in its own column.
    counts = collections.Counter()
    for y in range(MAP_HEIGHT):
        for x in range(MAP_WIDTH):
            colour = colours[y][x]
            if colour in KEY_COLOUR.values():
                region = lookup_region(colour, x)
                if region is None or (regions[y][x] and region != regions[y][x]):
                    sys.exit(f"pixel ({x}, {y}) would select {region}, drawn for {regions[y][x]}")
                counts[region] += 1

    for column, name in MAP_TAP_COLUMNS:
        if not any(colours[y][column] == KEY_COLOUR[name] for y in range(MAP_HEIGHT)):
            sys.exit(f"column {column} shows no land of {name}: move the column knots")

    image = Image.new("P", (MAP_WIDTH, MAP_HEIGHT))
    image.putpalette([c for colour in PALETTE for c in colour])
    index = {colour: i for i, colour in enumerate(PALETTE)}
    image.putdata([index[colours[y][x]] for y in range(MAP_HEIGHT) for x in range(MAP_WIDTH)])
    path = os.path.join(sources.DATA_DIR, "map232.png")
    tmp = path + ".tmp"
    image.save(tmp, format="PNG", bits=4, optimize=False)
    with open(tmp, "rb") as f:
        data = f.read()
    os.remove(tmp)
    sources.write_if_changed(path, data)
    for name, _colour, _low, _high in MAP_REGIONS:
        print(f"{name}: {counts[name]} pixels, {trimmed[name]} left grey by the lookup check")
    print("map lookup check passed: every coloured pixel selects the region it was drawn for")


if __name__ == "__main__":
    main()
