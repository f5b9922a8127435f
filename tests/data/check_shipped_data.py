#!/usr/bin/python3
"""Checks the shipped seed files, map and sounds against the rules the program
relies on, so a regeneration cannot break them silently.

Usage: check_shipped_data.py DATA_DIR. Exits non-zero on any failure.
"""

import collections
import datetime
import os
import struct
import sys
import unicodedata
import wave
import zoneinfo

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
from regions import (LISTED_COUNTRIES, MAP_REGIONS, MAP_HEIGHT, MAP_TAP_COLUMNS, MAP_WIDTH,  # noqa: E402
                     column_of, lookup_region, row_of)
from zone_rules import utc_offset_minutes  # noqa: E402

MAX_LINE = 1023            # the importer reads lines into 1024-unit buffers
MAX_ZONES = 100            # the zone picker's id table
SOUND_NAMES = ["Alarm1", "Alarm2", "Alarm3", "Alarm4", "Alarm5", "HalvoAdhan"]

failures = []
passed = 0


def check(condition, message):
    global passed
    if condition:
        passed += 1
    else:
        failures.append(message)


def read_lines(path):
    """Lines of a seed file, after checking what the line reader needs."""
    with open(path, "rb") as f:
        raw = f.read()
    name = os.path.basename(path)
    check(b"\r" not in raw, f"{name}: carriage returns")
    check(raw.endswith(b"\n"), f"{name}: last line has no line feed")
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as error:
        check(False, f"{name}: not UTF-8 ({error})")
        return []
    lines = text[:-1].split("\n") if text.endswith("\n") else text.split("\n")
    for number, line in enumerate(lines, 1):
        # An empty line would end the import early and drop everything after it.
        check(line != "", f"{name}:{number}: empty line")
        check(len(line) + 1 <= MAX_LINE, f"{name}:{number}: longer than {MAX_LINE} characters")
    return lines


def check_zones(data_dir):
    zones = {}
    names = set()
    for number, line in enumerate(read_lines(os.path.join(data_dir, "HalvoZones.txt")), 1):
        where = f"HalvoZones.txt:{number}"
        fields = line.split(",")
        if len(fields) != 10:
            check(False, f"{where}: {len(fields)} fields, not 10")
            continue
        try:
            zone_id, bias = int(fields[0]), int(fields[3])
            start_occ, start_dow, start_month, end_occ, end_dow, end_month = map(int, fields[4:])
        except ValueError:
            check(False, f"{where}: a number field is not an integer")
            continue
        check(zone_id not in zones, f"{where}: zone id {zone_id} twice")
        check(fields[1] and fields[2], f"{where}: empty zone name")
        check(fields[1] not in names, f"{where}: standard name {fields[1]!r} used twice")
        names.add(fields[1])
        check(-14 * 60 <= bias <= 12 * 60, f"{where}: bias {bias} out of range")
        if end_month:
            check(1 <= start_occ <= 5 and 1 <= end_occ <= 5 and 1 <= start_month <= 12
                  and 1 <= end_month <= 12 and 0 <= start_dow <= 6 and 0 <= end_dow <= 6,
                  f"{where}: daylight rule names no real day")
        else:
            check((start_occ, start_dow, start_month, end_occ, end_dow) == (0,) * 5,
                  f"{where}: rule fields set on a zone without daylight saving")
        zones[zone_id] = {"bias": bias, 305: end_occ, 306: end_month, 307: end_dow,
                          308: start_occ, 309: start_month, 310: start_dow}
    check(0 < len(zones) <= MAX_ZONES, f"HalvoZones.txt: {len(zones)} zones, the picker holds {MAX_ZONES}")
    return zones


def check_cities(data_dir, zones):
    cities = {}
    keys = set()
    for number, line in enumerate(read_lines(os.path.join(data_dir, "HalvoCities.txt")), 1):
        where = f"HalvoCities.txt:{number}"
        # Cut the fields exactly as the importer does: name to "[", country to "]".
        if "[" not in line or "]" not in line.split("[", 1)[1]:
            check(False, f"{where}: no [country]")
            continue
        name, rest = line.split("[", 1)
        country, rest = rest.split("]", 1)
        fields = rest.split(",")
        if len(fields) != 6:
            check(False, f"{where}: {len(fields)} fields after the country, not 6")
            continue
        try:
            lon, lat, zone_id = int(fields[0]), int(fields[1]), int(fields[2])
        except ValueError:
            check(False, f"{where}: coordinates or zone id not integers")
            continue
        key = unicodedata.normalize("NFC", name).casefold()
        check(key not in keys, f"{where}: city name {name!r} is not unique")
        keys.add(key)
        check(name == name.strip() and name, f"{where}: blank or padded name {name!r}")
        check(country in LISTED_COUNTRIES, f"{where}: country {country!r} is in no picker list")
        check(-18000 <= lon <= 18000 and -9000 <= lat <= 9000, f"{where}: coordinates out of range")
        check(zone_id in zones, f"{where}: zone id {zone_id} is not in HalvoZones.txt")
        cities[name] = (country, lon, lat, zone_id)
    check(len(cities) >= 5000, f"HalvoCities.txt: only {len(cities)} cities")
    for name, country in (("Seattle, WA", "USA"), ("Mecca", "Saudi Arabia"),
                          ("Medina", "Saudi Arabia")):
        check(cities.get(name, ("",))[0] == country, f"HalvoCities.txt: {name} ({country}) missing")
    return cities


def check_zone_accuracy(data_dir, cities, zones):
    """The shipped rules against tzdata at local noon, every day of 2026-2027."""
    iana = {}
    for number, line in enumerate(read_lines(os.path.join(data_dir, "cities-iana.tsv"))[1:], 2):
        name, zone = line.split("\t")
        check(name in cities, f"cities-iana.tsv:{number}: {name!r} is not a shipped city")
        iana[name] = zone
    check(set(iana) == set(cities), "cities-iana.tsv: does not list every shipped city once")
    pairs = collections.Counter((cities[n][3], z) for n, z in iana.items() if n in cities)
    days = [datetime.date(2026, 1, 1) + datetime.timedelta(days=i) for i in range(730)]
    agree = total = 0
    for (zone_id, zone_name), count in sorted(pairs.items()):
        tz = zoneinfo.ZoneInfo(zone_name)
        zone = zones[zone_id]
        for day in days:
            real = datetime.datetime(day.year, day.month, day.day, 12, tzinfo=tz).utcoffset()
            total += count
            if utc_offset_minutes(zone["bias"], zone, day) * 60 == real.total_seconds():
                agree += count
    share = agree / total if total else 0.0
    print(f"zone agreement with tzdata 2026-2027: {100 * share:.3f} % of {total} city-days")
    check(share >= 0.995, f"zone agreement {100 * share:.3f} % is below 99.5 %")


# Places well inside one region and clear of the labels: (lon, lat, region).
LANDMARKS = [
    (31.2, 30.0, "Africa"), (15.3, -4.3, "Africa"), (28.0, -26.2, "Africa"),
    (116.4, 39.9, "Asia"), (77.2, 28.6, "Asia"), (106.9, 47.9, "Asia"),
    (121.5, -30.7, "Australia"),
    (2.35, 48.86, "Europe"), (-3.7, 40.4, "Europe"), (-21.9, 64.1, "Europe"),
    (51.4, 35.7, "Middle East"), (44.4, 33.3, "Middle East"), (69.2, 30.0, "Middle East"),
    (-84.4, 33.7, "North America"), (-99.1, 19.4, "North America"), (-40.0, 72.0, "North America"),
    (-60.0, -3.1, "South America"), (-64.2, -31.4, "South America"),
]


def check_map(data_dir):
    try:
        from PIL import Image
    except ImportError:
        check(False, "map: python3-pil is not installed, the map cannot be checked")
        return
    names = [n for n in os.listdir(data_dir) if n.lower().endswith(".png")]
    check(len(names) == 1, f"expected one map picture in data/, found {names}")
    if not names:
        return
    image = Image.open(os.path.join(data_dir, names[0]))
    check(image.size == (MAP_WIDTH, MAP_HEIGHT), f"map is {image.size}, not 240 x 120")
    check(image.mode == "P" and len(image.getcolors(256) or []) <= 16, "map has more than 16 colours")
    rgb = image.convert("RGB")
    keys = {colour for _n, colour, _l, _h in MAP_REGIONS}
    per_region = collections.Counter()
    stray = []
    for y in range(MAP_HEIGHT):
        for x in range(MAP_WIDTH):
            colour = rgb.getpixel((x, y))
            if colour in keys:
                region = lookup_region(colour, x)
                if region is None:
                    stray.append((x, y))
                per_region[region] += 1
    check(not stray, f"map: key-coloured pixels no lookup finds, e.g. {stray[:5]}")
    for name, _colour, _low, _high in MAP_REGIONS:
        check(per_region[name] >= 100, f"map: {name} has only {per_region[name]} pixels")
    check(rgb.getpixel((0, 60)) == (255, 255, 255), "map: the mid-Pacific is not white sea")
    for column, expected in MAP_TAP_COLUMNS:
        found = {lookup_region(rgb.getpixel((column, y)), column) for y in range(MAP_HEIGHT)}
        check(expected in found, f"map: no tap in column {column} selects {expected}")
    for lon, lat, expected in LANDMARKS:
        x = int(column_of(lon))
        y = int(row_of(lat))
        found = lookup_region(rgb.getpixel((x, y)), x)
        check(found == expected, f"map: tap at ({lon}, {lat}) selects {found}, not {expected}")


def check_sounds(data_dir):
    for name in SOUND_NAMES:
        path = os.path.join(data_dir, name + ".wav")
        if not os.path.exists(path):
            check(False, f"{name}.wav missing")
            continue
        with open(path, "rb") as f:
            header = f.read(36)
        check(header[:4] == b"RIFF" and header[8:12] == b"WAVE"
              and struct.unpack("<H", header[20:22])[0] == 1, f"{name}.wav: not PCM WAV")
        with wave.open(path) as w:
            frames = w.readframes(w.getnframes())
            check(w.getsampwidth() == 2 and w.getnchannels() == 1 and w.getframerate() <= 22050,
                  f"{name}.wav: not mono 16-bit at 22050 Hz or less")
            seconds = w.getnframes() / w.getframerate()
        check(0.5 <= seconds <= 240, f"{name}.wav: {seconds:.1f} s long")
        check(os.path.getsize(path) < 3 * 1024 * 1024, f"{name}.wav: larger than 3 MB")
        samples = struct.unpack(f"<{len(frames) // 2}h", frames)
        check(max(abs(s) for s in samples) > 8000, f"{name}.wav: nearly silent")


def main():
    data_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "..", "data")
    zones = check_zones(data_dir)
    cities = check_cities(data_dir, zones)
    check_zone_accuracy(data_dir, cities, zones)
    check_map(data_dir)
    check_sounds(data_dir)
    for message in failures[:50]:
        print("FAIL", message)
    print(f"{passed} passed, {len(failures)} failed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
