#!/usr/bin/python3
"""Reads tavorin's calendar files back with an independent parser
(Debian's python3-icalendar) and holds them against the table's own rows:
one event per prayer with a time, each at the table's minute in UTC, UIDs
that do not change between runs, a month across a daylight-saving change,
and a stored city name with the characters TEXT values must escape.

    /usr/bin/python3 tests/cli/ics_check.py build/cli/tavorin <source dir>
"""

import datetime
import json
import os
import shutil
import sqlite3
import subprocess
import sys
import tempfile

import icalendar

PRAYERS = ["Fajr", "Sunrise", "Zuhr", "Asr", "Maghrib", "Isha"]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


class Folder:
    def __init__(self, tavorin, shipped):
        self.tavorin = tavorin
        self.home = tempfile.mkdtemp(prefix="halvo_ics_")
        self.env = dict(os.environ, XDG_DATA_HOME=self.home, TZ="UTC", HALVO_DATA_DIR=shipped)

    def run(self, *args):
        run = subprocess.run([self.tavorin, *args], env=self.env, capture_output=True)
        if run.returncode != 0:
            sys.exit(f"tavorin {' '.join(args)}: status {run.returncode}: {run.stderr!r}")
        return run.stdout

    def database(self):
        return os.path.join(self.home, "halvo-tavorin", "halvo-tavorin.db")


def check_lines(raw, what):
    """CRLF endings only, and no physical line longer than 75 octets."""
    check(raw.endswith(b"\r\n"), f"{what}: does not end in CRLF")
    lines = raw.split(b"\r\n")[:-1]
    check(all(b"\n" not in line and b"\r" not in line for line in lines),
          f"{what}: a line break that is not CRLF")
    check(all(len(line) <= 75 for line in lines), f"{what}: a line longer than 75 octets")
    raw.decode("utf-8")  # raises on bytes that are not UTF-8


def events_of(raw):
    calendar = icalendar.Calendar.from_ical(raw)
    return calendar, [part for part in calendar.walk("VEVENT")]


def expected_starts(table, with_sunrise):
    """(date, prayer) -> the UTC moment of the table's minute, from JSON rows."""
    starts = {}
    for row in table["days"]:
        date = datetime.date.fromisoformat(row["date"])
        offset = datetime.timedelta(hours=row["utcOffset"])
        for time in row["times"]:
            if time["time24"] is None or (time["name"] == "Sunrise" and not with_sunrise):
                continue
            hour, minute = map(int, time["time24"].split(":"))
            local = datetime.datetime.combine(date, datetime.time(hour, minute))
            starts[(row["date"], time["name"])] = (local - offset).replace(
                tzinfo=datetime.timezone.utc)
    return starts


def check_against_table(folder, place_args, range_args, extra, what):
    with_sunrise = "--with-sunrise" in extra
    raw = folder.run("table", *place_args, *range_args, "--format", "ics", *extra)
    check_lines(raw, what)
    calendar, events = events_of(raw)
    table = json.loads(folder.run("table", *place_args, *range_args, "--json", "--24h"))
    starts = expected_starts(table, with_sunrise)
    check(len(events) == len(starts), f"{what}: {len(events)} events, table has {len(starts)}")
    found = {}
    for event in events:
        start = event.decoded("dtstart")
        check(start.utcoffset() == datetime.timedelta(0), f"{what}: DTSTART not in UTC")
        check(str(event["summary"]) in PRAYERS, f"{what}: summary {event['summary']}")
        check("dtstamp" in event, f"{what}: no DTSTAMP")
        # The UID names the local date the table shows, whatever the UTC date.
        uid = str(event["uid"])
        found[(f"{uid[0:4]}-{uid[4:6]}-{uid[6:8]}", str(event["summary"]))] = start
    check(found == starts, f"{what}: the events' times are not the table's")
    uids = [str(event["uid"]) for event in events]
    check(len(set(uids)) == len(uids), f"{what}: a UID is used twice")
    return raw, calendar, events, table


def main(tavorin, source):
    folder = Folder(tavorin, os.path.join(source, "data"))
    try:
        # New York moves its clocks on 8 March 2026: both offsets in one month.
        city = ["--city", "new york"]
        month = ["--month", "2026-03"]
        raw, calendar, events, table = check_against_table(folder, city, month, [], "new york")
        offsets = {row["utcOffset"] for row in table["days"]}
        check(offsets == {-5, -4}, f"new york offsets {offsets}")
        check(len(events) == 31 * 5, f"new york: {len(events)} events")
        check(str(calendar["x-wr-calname"]) == "New York City, NY (USA)",
              f"calendar name {calendar['x-wr-calname']!r}")
        check(all(event.decoded("duration") == datetime.timedelta(0) for event in events),
              "default duration is not 0")

        # Importing twice replaces: the same UIDs on the same moments.
        _, again = events_of(folder.run("table", *city, *month, "--format", "ics"))
        check({(str(e["uid"]), e.decoded("dtstart")) for e in events}
              == {(str(e["uid"]), e.decoded("dtstart")) for e in again},
              "UIDs or times differ between two runs")

        _, _, with_sunrise, _ = check_against_table(
            folder, city, month, ["--with-sunrise", "--minutes", "20"], "with sunrise")
        check(len(with_sunrise) == 31 * 6, f"with sunrise: {len(with_sunrise)} events")
        check(all(e.decoded("duration") == datetime.timedelta(minutes=20) for e in with_sunrise),
              "--minutes 20 is not the events' duration")
        check({str(e["uid"]) for e in events} < {str(e["uid"]) for e in with_sunrise},
              "--with-sunrise changed the other prayers' UIDs")

        # Coordinates, west of Greenwich late in the evening (UTC is the next
        # day), and far north in June, where some prayers have no time.
        check_against_table(folder, ["--lon", "-122.33", "--lat", "47.61", "--tz", "-8"],
                            ["--from", "2024-12-30", "--to", "2025-01-02"], [], "seattle")
        _, _, polar, _ = check_against_table(
            folder, ["--lon", "15", "--lat", "80", "--tz", "1"],
            ["--from", "2004-06-20", "--to", "2004-06-22"], ["--with-sunrise"], "polar")
        check(len(polar) < 3 * 6, "polar days: every prayer has an event")

        # A stored city whose name needs escaping and holds a newline.
        shutil.rmtree(folder.home)
        os.makedirs(folder.home)
        folder.run("settings")
        strange = "S;e\\a,t\nl\u00e9".encode()
        db = sqlite3.connect(folder.database())
        changed = 0
        for record_id, body in db.execute("SELECT id, body FROM records").fetchall():
            body = bytes(body)
            if b"Seattle, WA" in body:
                db.execute("UPDATE records SET body = ? WHERE id = ?",
                           (body.replace(b"Seattle, WA", strange), record_id))
                changed += 1
        db.commit()
        db.close()
        check(changed >= 2, f"the city name was found in {changed} records")
        raw = folder.run("table", "--month", "2026-03", "--format", "ics")
        check_lines(raw, "strange name")
        check(b"X-WR-CALNAME:S\\;e\\\\a\\,t\\nl\xc3\xa9 (USA)\r\n" in raw,
              "the stored name is not escaped")
        calendar, strange_events = events_of(raw)
        check(str(calendar["x-wr-calname"]) == "S;e\\a,t\nl\u00e9 (USA)",
              f"the stored name reads back as {calendar['x-wr-calname']!r}")
        check(len(strange_events) == 31 * 5, f"strange name: {len(strange_events)} events")
    finally:
        shutil.rmtree(folder.home, ignore_errors=True)
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
