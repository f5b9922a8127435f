#!/usr/bin/python3
"""Build data/HalvoCities.txt, data/HalvoZones.txt and data/cities-iana.tsv.

Cities come from the GeoNames extract in libtimezonemap-data, topped up from
tzdata's zone.tab for countries the extract lacks. Zones are built from what
tzdata actually does at local noon on every day of the checked years: IANA
zones that behave identically are one zone, each fitted with a whole-day
"n-th weekday of the month" rule, and named after the Windows zone that CLDR
maps its largest member to. The same daily table then measures how often the
shipped rules agree with tzdata, and the figure goes into docs/data.md.
"""

import collections
import datetime
import json
import os
import re
import sys
import unicodedata
import xml.etree.ElementTree as ElementTree
import zoneinfo
from decimal import Decimal, ROUND_HALF_UP

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import sources  # noqa: E402
from regions import COUNTRY_LISTS, LISTED_COUNTRIES  # noqa: E402
from zone_rules import is_daylight, weekday_sunday_zero  # noqa: E402

CHECK_YEARS = (2026, 2027)
RULE_YEAR = 2026
MAX_ZONES = 100          # the zone picker's id table has 100 entries
MIN_AGREEMENT = 0.995

# ISO code -> the spelling the picker lists, where iso-codes spells it otherwise.
COUNTRY_SPELLING = {
    "BN": "Brunei", "CC": "Cocos (keeling) Islands", "CI": "Cote d'Ivoire",
    "CD": "Democratic Republic of the Congo", "CG": "Republic of the Congo",
    "CV": "Cape Verde", "CZ": "Czech Republic",
    "FK": "Falkland Islands (Islas Malvinas)", "IM": "Man, Isle of",
    "KR": "Korea", "LS": "Lethoso", "MK": "F.Y.R.O Macedonia", "MM": "Burma",
    "PN": "Pitcairn Islands", "PS": "Palestine", "RE": "Reunion",
    "RU": "Russia", "SH": "Saint Helena", "SZ": "Swaziland",
    "TF": "French Southern and Antarctic Lands", "TL": "East Timor",
    "TR": "Turkey", "US": "USA", "VA": "Holy See (Vatican City)",
    "VG": "British Virgin Islands", "VI": "Virgin Islands",
    "RS": "Serbia and Montenegro", "ME": "Serbia and Montenegro",
    "XK": "Serbia and Montenegro", "SJ": "Norway",
}

# Countries the lists lack, filed under the nearest listed name.
NEAREST_LISTED = {
    "AW": "Netherlands Antilles", "BQ": "Netherlands Antilles",
    "CW": "Netherlands Antilles", "SX": "Netherlands Antilles",
    "AI": "Netherlands Antilles", "MF": "Netherlands Antilles",
    "BL": "Guadeloupe", "AX": "Finland", "AS": "Samoa", "TK": "Samoa",
    "NU": "Tonga", "BM": "USA", "GG": "Jersey", "GU": "Northern Mariana Islands",
    "KM": "Mayotte", "MO": "Hong Kong", "SS": "Sudan",
}

# Places under a US-minor-islands zone, which the lists name one by one.
UM_BY_ZONE = {"Pacific/Midway": "Midway Islands", "Pacific/Wake": "Wake Island"}

# GeoNames admin1 code of the Gaza Strip, which the lists name apart.
GAZA_ADMIN1 = "PS.GZ"

# Countries where Muslims are the majority: every city of 100,000 or more in
# them is shipped, and cities of 50,000 or more as well.
MUSLIM_MAJORITY = set("""
AF AL AZ BH BD BN BF TD KM DJ EG GM GN ID IR IQ JO KZ XK KW KG LB LY MY MV ML
MR YT MA NE NG OM PK PS QA SA SN SL SO SD SY TJ TN TR TM AE UZ EH YE BA ER
""".split())

SHIPPED_FEATURES = {"PPL", "PPLA", "PPLA2", "PPLA3", "PPLA4", "PPLA5", "PPLC",
                    "PPLG", "PPLS", "PPLL", "PPLF", "PPLR"}
CITY_FLOOR = 100000
MUSLIM_CITY_FLOOR = 50000
TOP_PER_COUNTRY = 3
MAJOR_CITY_NAMES = {("SA", "Mecca"), ("SA", "Medina"), ("US", "Seattle")}

City = collections.namedtuple(
    "City", "name country lon lat iana population feature geonameid")


def read_links():
    """Old zone names -> the names tzdata keeps the rules under."""
    links = {}
    with open(sources.TZDATA_ZI, encoding="utf-8") as f:
        for line in f:
            if line.startswith("L "):
                _, target, alias = line.split()
                links[alias] = target
    return links


def canonical_zone(name, links):
    seen = set()
    while name in links and name not in seen:
        seen.add(name)
        name = links[name]
    return name


def hundredths(text):
    return int((Decimal(text) * 100).quantize(Decimal(1), ROUND_HALF_UP))


def country_names():
    with open(sources.ISO_3166_1, encoding="utf-8") as f:
        entries = json.load(f)["3166-1"]
    names = {}
    for entry in entries:
        code = entry["alpha_2"]
        name = COUNTRY_SPELLING.get(code) or entry.get("common_name", entry["name"])
        if name not in LISTED_COUNTRIES:
            name = NEAREST_LISTED.get(code, name)
        names[code] = name
    names["XK"] = COUNTRY_SPELLING["XK"]   # Kosovo has no ISO entry yet
    return names


def country_text(code, admin1, names):
    if code == "PS" and admin1 == GAZA_ADMIN1:
        return "Gaza Strip"
    name = names.get(code)
    if name not in LISTED_COUNTRIES:
        raise SystemExit(f"country {code} ({name}) is spelled as no picker list does")
    return name


def read_admin1():
    names = {}
    with open(os.path.join(sources.GEONAMES_DIR, "admin1Codes.txt"), encoding="utf-8") as f:
        for line in f:
            code, name, ascii_name, _id = line.rstrip("\n").split("\t")
            names[code] = latin_name(name, ascii_name)
    return names


def latin_name(name, ascii_name):
    """The name in Latin letters: a few GeoNames entries carry the local script."""
    for ch in name:
        if ch.isalpha() and not unicodedata.name(ch, "").startswith("LATIN"):
            return ascii_name
    return name


def read_geonames(links, names):
    rows = []
    path = os.path.join(sources.GEONAMES_DIR, "cities15000.txt")
    with open(path, encoding="utf-8") as f:
        for line in f:
            field = line.rstrip("\n").split("\t")
            rows.append({
                "id": int(field[0]), "name": latin_name(field[1], field[2]), "lat": field[4],
                "lon": field[5], "feature": field[7], "cc": field[8],
                "admin1": field[8] + "." + field[10],
                "population": int(field[14] or 0),
                "iana": canonical_zone(field[17], links),
            })
    return rows


def select_rows(rows):
    by_country = collections.defaultdict(list)
    for row in rows:
        # City sections are left out, except the large ones in Muslim-majority
        # countries, some of which are cities in their own right (Subang Jaya,
        # East Jerusalem).
        if row["feature"] in SHIPPED_FEATURES or (
                row["feature"] == "PPLX" and row["cc"] in MUSLIM_MAJORITY
                and row["population"] >= CITY_FLOOR):
            by_country[row["cc"]].append(row)
    chosen = {}
    for code, members in by_country.items():
        members.sort(key=lambda r: (-r["population"], r["id"]))
        for rank, row in enumerate(members):
            floor = MUSLIM_CITY_FLOOR if code in MUSLIM_MAJORITY else CITY_FLOOR
            if (row["population"] >= floor or rank < TOP_PER_COUNTRY
                    or row["feature"] in ("PPLC", "PPLG", "PPLA")
                    or (code, row["name"]) in MAJOR_CITY_NAMES):
                chosen[row["id"]] = row
    return list(chosen.values())


def zone_tab_places(links, have_countries):
    """One place per zone.tab line for inhabited countries the extract lacks."""
    places = []
    with open(sources.ZONE_TAB, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#"):
                continue
            field = line.rstrip("\n").split("\t")
            code, coords, zone = field[0], field[1], field[2]
            if code in have_countries or code == "AQ":
                continue
            match = re.fullmatch(r"([+-])(\d\d)(\d\d)(\d\d)?([+-])(\d\d\d)(\d\d)(\d\d)?", coords)
            sign_lat, dlat, mlat, slat, sign_lon, dlon, mlon, slon = match.groups()

            def degrees(sign, d, m, s):
                value = Decimal(d) + Decimal(m) / 60 + Decimal(s or 0) / 3600
                return str(-value if sign == "-" else value)

            places.append({
                "id": 0, "name": zone.split("/")[-1].replace("_", " "),
                "lat": degrees(sign_lat, dlat, mlat, slat),
                "lon": degrees(sign_lon, dlon, mlon, slon),
                "feature": "TZ", "cc": code, "admin1": "", "population": 0,
                "iana": canonical_zone(zone, links), "zone_tab_zone": zone,
            })
    return places


def unique_names(rows, names, admin1):
    """Give every city a name no other city has, compared case-insensitively.

    US cities carry their state's code ("Seattle, WA") as people there write
    them. Elsewhere the largest city keeps the bare name and smaller namesakes
    get their province, then the country, after a comma.
    """
    rows = sorted(rows, key=lambda r: (-r["population"], r["id"], r["name"]))
    taken = set()
    cities = []
    for row in rows:
        code = row["cc"]
        country = (UM_BY_ZONE.get(row.get("zone_tab_zone"), None)
                   if code == "UM" else None) or country_text(code, row["admin1"], names)
        base = row["name"]
        region = admin1.get(row["admin1"], "")
        if code == "US":
            base = f"{base}, {row['admin1'].split('.')[1]}"
        candidates = [base]
        if region and code != "US":
            candidates.append(f"{base}, {region}")
        candidates.append(f"{base}, {country}")
        if region:
            candidates.append(f"{base}, {region}, {country}")
        for name in candidates:
            if unicodedata.normalize("NFC", name).casefold() not in taken:
                break
        else:
            raise SystemExit(f"no unique name for {row}")
        if "[" in name or "]" in name or "\n" in name or name != name.strip():
            raise SystemExit(f"city name {name!r} cannot be written to the seed file")
        taken.add(unicodedata.normalize("NFC", name).casefold())
        cities.append(City(name, country, hundredths(row["lon"]), hundredths(row["lat"]),
                           row["iana"], row["population"], row["feature"], row["id"]))
    return cities


# ---------------------------------------------------------------------------
# Zones

def check_days():
    day = datetime.date(CHECK_YEARS[0], 1, 1)
    end = datetime.date(CHECK_YEARS[-1], 12, 31)
    days = []
    while day <= end:
        days.append(day)
        day += datetime.timedelta(days=1)
    return days


def noon_offsets(iana, days):
    """tzdata's UTC offset in minutes at local noon on each day."""
    zone = zoneinfo.ZoneInfo(iana)
    return tuple(
        int(datetime.datetime(d.year, d.month, d.day, 12, tzinfo=zone)
            .utcoffset().total_seconds()) // 60
        for d in days)


def all_rules():
    return [(occurrence, dow, month)
            for month in range(1, 13) for occurrence in range(1, 6) for dow in range(7)]


def rule_date(year, rule):
    occurrence, dow, month = rule
    first = datetime.date(year, month, 1)
    shift = (dow - weekday_sunday_zero(first)) % 7
    day = first + datetime.timedelta(days=shift + 7 * (occurrence - 1))
    while day.month != month:
        day -= datetime.timedelta(days=7)
    return day


def transitions(mask, days, into):
    """Per year, the first day whose daylight flag turns to `into`."""
    found = {}
    for i, day in enumerate(days):
        if i and days[i - 1].year == day.year and mask[i] == into and mask[i - 1] != into:
            found.setdefault(day.year, day)
    return found


def fit_zone(offsets, days):
    """Bias and whole-day rules that best reproduce one behaviour."""
    counts = collections.Counter(offsets)
    values = sorted(counts)
    standard = counts.most_common(1)[0][0]
    for low in values:
        if low + 60 in counts:
            standard = low
            break
    daylight = [o == standard + 60 for o in offsets]
    if not any(daylight):
        return {"bias": -standard, "start": (0, 0, 0), "end": (0, 0, 0)}
    starts = transitions(daylight, days, True)
    ends = transitions(daylight, days, False)

    def nearest(actual):
        scored = []
        for rule in all_rules():
            error = sum(abs((rule_date(year, rule) - when).days)
                        for year, when in actual.items())
            scored.append((error, rule))
        scored.sort()
        return [rule for _, rule in scored[:8]]

    best = None
    for start in nearest(starts):
        for end in nearest(ends):
            zone = {"bias": -standard, "start": start, "end": end}
            misses = sum(1 for d, o in zip(days, offsets) if zone_offset(zone, d) != o)
            if best is None or misses < best[0]:
                best = (misses, zone)
    return best[1]


def zone_offset(zone, day):
    start = zone["start"]
    end = zone["end"]
    rules = {305: end[0], 306: end[2], 307: end[1], 308: start[0], 309: start[2], 310: start[1]}
    return -zone["bias"] + (60 if is_daylight(day, rules) else 0)


def read_windows_names(links):
    """IANA zone -> Windows zone, and Windows zone -> (standard, daylight) names."""
    tree = ElementTree.parse(sources.find(sources.WINDOWS_ZONES, "unicode-cldr-core"))
    by_iana = {}
    for entry in tree.iter("mapZone"):
        if entry.get("territory") == "ZZ":
            continue
        for iana in entry.get("type").split():
            by_iana.setdefault(canonical_zone(iana, links), entry.get("other"))
    return by_iana, read_tzres_names()


def read_tzres_names():
    import pefile
    pe = pefile.PE(sources.find(sources.TZRES_DLL, "libwine"), fast_load=True)
    pe.parse_data_directories(
        directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
    strings = {}
    english = 9
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if kind.id != 6:      # string tables
            continue
        for block in kind.directory.entries:
            for language in block.directory.entries:
                if language.data.lang != english:
                    continue
                raw = pe.get_data(language.data.struct.OffsetToData, language.data.struct.Size)
                pos = 0
                for i in range(16):
                    length = int.from_bytes(raw[pos:pos + 2], "little")
                    pos += 2
                    strings[(block.id - 1) * 16 + i] = raw[pos:pos + 2 * length].decode("utf-16-le")
                    pos += 2 * length
    names = {}
    for index, text in strings.items():
        # Each zone has three strings in a row: standard, daylight, display.
        following = strings.get(index + 1)
        display = strings.get(index + 2, "")
        if following is not None and display.startswith("(UTC"):
            names.setdefault(text, following)
    return names


def build_zones(cities, days, links):
    by_iana, daylight_names = read_windows_names(links)
    offsets = {}
    for city in cities:
        if city.iana not in offsets:
            offsets[city.iana] = noon_offsets(city.iana, days)
    population = collections.Counter()
    city_count = collections.Counter()
    countries = collections.defaultdict(set)
    for city in cities:
        population[city.iana] += city.population + 1
        city_count[city.iana] += 1
        countries[city.iana].add(city.country)

    # One zone per Windows zone and behaviour, so a city is listed under the
    # name its users know; the ids table caps how many can be kept apart.
    classes = collections.defaultdict(list)
    for iana, row in offsets.items():
        classes[(by_iana.get(iana, ""), row)].append(iana)
    groups = []
    for (_windows, row), members in classes.items():
        members.sort(key=lambda z: (-population[z], z))
        groups.append({"offsets": row, "members": members,
                       "cities": sum(city_count[z] for z in members),
                       "countries": set().union(*(countries[z] for z in members)),
                       "weight": sum(population[z] for z in members)})
    for group in groups:
        group["zone"] = fit_zone(group["offsets"], days)

    # Two behaviours never share a name: the larger keeps the Windows one.
    groups.sort(key=lambda g: (-g["weight"], g["members"][0]))
    used = set()
    for group in groups:
        first = group["members"][0]
        name = by_iana.get(first)
        if not name:
            name = utc_name(group["zone"]["bias"])
        if name in used:
            name = exemplar_name(first)
        if name in used:
            raise SystemExit(f"no distinct zone name for {first}")
        used.add(name)
        group["name"] = name

    while len(groups) > MAX_ZONES:
        merge_smallest(groups, days)
    for group in groups:
        std = group["name"]
        dst = daylight_names.get(std) or std.replace("Standard", "Daylight")
        for text in (std, dst):
            if "," in text or "\n" in text:
                raise SystemExit(f"zone name {text!r} cannot be written to the seed file")
        group["daylight"] = dst
    return groups


def exemplar_name(iana):
    return iana.split("/")[-1].replace("_", " ") + " Standard Time"


def utc_name(bias):
    hours, minutes = divmod(abs(bias), 60)
    sign = "-" if bias > 0 else "+"
    return f"UTC{sign}{hours:02d}" + (f":{minutes:02d}" if minutes else "")


def regions(group):
    return {region for region, names in COUNTRY_LISTS.items() if group["countries"] & set(names)}


def merge_smallest(groups, days):
    """Fold one zone into the one that fits it best.

    Zones that behave exactly like another zone of the same country go first
    (Hobart into Sydney's zone), then generic "UTC+nn" zones, then the zones
    with the fewest cities, so Perth is not relabelled after Beijing while a
    lossless merge is still left.
    """
    def misses(small, big):
        return sum(1 for d, o in zip(days, small["offsets"]) if zone_offset(big["zone"], d) != o)

    def twin_in_country(g):
        return any(h is not g and h["offsets"] == g["offsets"] and h["countries"] & g["countries"]
                   for h in groups)

    def twin_in_region(g):
        return any(h is not g and h["offsets"] == g["offsets"] and regions(h) & regions(g)
                   for h in groups)

    def twin(g):
        return any(h is not g and h["offsets"] == g["offsets"] for h in groups)

    small = min(groups, key=lambda g: (not twin_in_country(g), not twin_in_region(g), not twin(g),
                                       not g["name"].startswith("UTC"), g["cities"], g["name"]))
    groups.remove(small)
    best = min(groups, key=lambda g: (misses(small, g), -len(g["countries"] & small["countries"]),
                                      -len(regions(g) & regions(small)), -g["cities"], g["name"]))
    best["countries"] |= small["countries"]
    best["members"].extend(small["members"])
    best["cities"] += small["cities"]
    best.setdefault("merged", []).extend(small["members"])


def assign_ids(groups):
    """Stable ids: kept in tools/zone_ids.tsv, new zones get the next free id."""
    path = os.path.join(sources.TOOLS_DIR, "zone_ids.tsv")
    ids = {}
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            for line in f:
                if line.strip() and not line.startswith("#"):
                    number, name = line.rstrip("\n").split("\t")
                    ids[name] = int(number)
    fresh = [g for g in groups if g["name"] not in ids]
    fresh.sort(key=lambda g: (-g["zone"]["bias"], g["name"]))
    next_id = max(ids.values(), default=0) + 1
    for group in fresh:
        ids[group["name"]] = next_id
        next_id += 1
    for group in groups:
        group["id"] = ids[group["name"]]
    lines = ["# Zone id\tstandard name. Ids never change once given; the generator\n",
             "# appends new zones. Edit only to retire a name for good.\n"]
    lines += [f"{number}\t{name}\n" for name, number in sorted(ids.items(), key=lambda i: i[1])]
    sources.write_if_changed(path, "".join(lines).encode("utf-8"))


# ---------------------------------------------------------------------------

def accuracy(cities, groups, days):
    zone_of = {}
    for group in groups:
        for iana in group["members"]:
            zone_of[iana] = group
    real = {}
    agree = total = 0
    per_zone = collections.defaultdict(lambda: [0, set(), set()])
    for city in cities:
        if city.iana not in real:
            real[city.iana] = noon_offsets(city.iana, days)
        group = zone_of[city.iana]
        predicted = [zone_offset(group["zone"], d) for d in days]
        for d, mine, theirs in zip(days, predicted, real[city.iana]):
            total += 1
            if mine == theirs:
                agree += 1
            else:
                entry = per_zone[group["name"]]
                entry[0] += 1
                entry[1].add(d)
                entry[2].add(city.iana)
    return agree, total, per_zone


def date_ranges(dates):
    dates = sorted(dates)
    ranges = []
    for d in dates:
        if ranges and (d - ranges[-1][1]).days == 1:
            ranges[-1][1] = d
        else:
            ranges.append([d, d])
    return ", ".join(f"{a}" if a == b else f"{a}..{b}" for a, b in ranges)


def rule_text(rule):
    occurrence, dow, month = rule
    if not month:
        return "none"
    names = ["first", "second", "third", "fourth", "last"]
    days = ["Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"]
    return f"{names[occurrence - 1]} {days[dow]} of {datetime.date(2000, month, 1):%B}"


def write_report(agree, total, per_zone, groups, cities):
    lines = [f"City-days checked ({CHECK_YEARS[0]}-{CHECK_YEARS[-1]}, local noon): {total}\n",
             f"Agreeing with tzdata: {agree} ({100.0 * agree / total:.3f} %)\n",
             f"Zones shipped: {len(groups)}; cities shipped: {len(cities)}\n\n"]
    if per_zone:
        lines.append("| Zone | City-days off | Days | IANA zones affected |\n|---|---|---|---|\n")
        for name in sorted(per_zone, key=lambda n: (-per_zone[n][0], n)):
            count, dates, ianas = per_zone[name]
            lines.append(f"| {name} | {count} | {date_ranges(dates)} | "
                         f"{', '.join(sorted(ianas))} |\n")
    merged = [g for g in groups if g.get("merged")]
    if merged:
        lines.append("\nBehaviours folded into a neighbour to stay within 100 zones:\n\n")
        for g in sorted(merged, key=lambda g: g["name"]):
            lines.append(f"- {g['name']}: {', '.join(sorted(g['merged']))}\n")
    return "".join(lines)


def update_docs(report):
    path = os.path.join(sources.PROJECT_DIR, "docs", "data.md")
    if not os.path.exists(path):
        return
    with open(path, encoding="utf-8") as f:
        text = f.read()
    begin, end = "<!-- zone-accuracy:begin -->\n", "<!-- zone-accuracy:end -->"
    if begin in text and end in text:
        head, rest = text.split(begin, 1)
        _, tail = rest.split(end, 1)
        sources.write_if_changed(path, (head + begin + report + end + tail).encode("utf-8"))


def main():
    links = read_links()
    names = country_names()
    admin1 = read_admin1()
    rows = select_rows(read_geonames(links, names))
    have = {r["cc"] for r in rows}
    rows += zone_tab_places(links, have)
    cities = unique_names(rows, names, admin1)
    days = check_days()
    groups = build_zones(cities, days, links)
    assign_ids(groups)
    zone_id = {}
    for group in groups:
        for iana in group["members"]:
            zone_id[iana] = group["id"]

    cities.sort(key=lambda c: (c.name.casefold(), c.name))
    city_lines = [
        f"{c.name}[{c.country}]{c.lon},{c.lat},{zone_id[c.iana]},"
        f"{c.population},{c.feature},{c.iana}\n" for c in cities]
    zone_lines = []
    for g in sorted(groups, key=lambda g: g["id"]):
        s, e = g["zone"]["start"], g["zone"]["end"]
        zone_lines.append(f"{g['id']},{g['name']},{g['daylight']},{g['zone']['bias']},"
                          f"{s[0]},{s[1]},{s[2]},{e[0]},{e[1]},{e[2]}\n")
    iana_lines = ["city\tiana\n"] + [f"{c.name}\t{c.iana}\n" for c in cities]

    for file_name, lines in (("HalvoCities.txt", city_lines), ("HalvoZones.txt", zone_lines),
                             ("cities-iana.tsv", iana_lines)):
        sources.write_if_changed(os.path.join(sources.DATA_DIR, file_name),
                                 "".join(lines).encode("utf-8"))

    agree, total, per_zone = accuracy(cities, groups, days)
    report = write_report(agree, total, per_zone, groups, cities)
    update_docs(report)
    print(report, end="")
    print(f"zone agreement {100.0 * agree / total:.3f} % over {total} city-days")
    if agree < MIN_AGREEMENT * total:
        sys.exit("zone agreement below 99.5 %")


if __name__ == "__main__":
    main()
