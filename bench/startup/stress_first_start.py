#!/usr/bin/env python3
"""Many first starts, writers and kills against one data folder at a time.

Three phases, each on fresh data folders, using the built tavorin:
  1. first starts: rounds of 8 processes started at once on an empty folder
     (times, settings set, conventions add);
  2. kills: a first start killed at a random moment of its first
     milliseconds, then started again;
  3. a damaged database: rounds of 6 writers at once on a folder whose
     database file is damaged.
After each round the folder must hold exactly the shipped cities and zones
and the 16 settings, and every write of a process that exited 0 must be in
the live database. Prints the counts; exits 1 on any violation.

Usage: stress_first_start.py BUILD [--starts N] [--kills N] [--kill-window-ms MS]
       [--damaged-rounds N]
"""

import argparse
import os
import random
import shutil
import signal
import sqlite3
import struct
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
SETTING_NAMES = ["KQMethod", "AsrMethod", "FajrAngle", "IshaAngle", "Adhan", "Reminder",
                 "CityName", "Alarm", "Bg", "Txt", "Hr", "Fajr", "Zuhr", "Asr", "Maghrib", "Isha"]
# Settings a writer may set, with a value that is not its default.
WRITABLE = [("Fajr", "1"), ("Zuhr", "1"), ("Asr", "1"), ("Maghrib", "1"), ("Isha", "1"),
            ("Bg", "3"), ("Txt", "4"), ("Hr", "5"), ("Reminder", "3"), ("Adhan", "On")]


def decode(body):
    """A record body: properties of id (2 bytes), type (1), value; little-endian."""
    props, at = {}, 0
    while at < len(body):
        pid, kind = struct.unpack_from("<HB", body, at)
        at += 3
        if kind == 0:
            (length,) = struct.unpack_from("<I", body, at)
            props[pid] = body[at + 4:at + 4 + length].decode("utf-8", "replace")
            at += 4 + length
        elif kind == 1:
            props[pid] = struct.unpack_from("<i", body, at)[0]
            at += 4
        else:
            props[pid] = struct.unpack_from("<H", body, at)[0]
            at += 2
    return props


def shipped_lines(name):
    path = ROOT / "data" / name
    if not path.exists():
        return []
    return [line for line in path.read_text(encoding="utf-8").split("\n") if line]


def expected_data():
    cities = sorted(tuple(line.split("]")[0].split("[")) for line in
                    shipped_lines("HalvoCities.txt") + shipped_lines("HalvoCities2.txt"))
    zones = sorted(int(line.split(",")[0]) for line in shipped_lines("HalvoZones.txt"))
    return cities, zones


def read_store(database):
    """Every store's records, decoded, read while no process runs."""
    connection = sqlite3.connect(f"file:{database}?mode=ro", uri=True)
    stores = {}
    for name, body in connection.execute(
            "SELECT s.name, r.body FROM records r JOIN stores s ON s.id = r.store_id"):
        stores.setdefault(name, []).append(decode(body))
    connection.close()
    return stores


def check_folder(folder, expected, writes):
    """Problems with a folder's store after a round: shipped data exactly,
    16 settings, and every acknowledged write present."""
    cities, zones = expected
    database = folder / "halvo-tavorin" / "halvo-tavorin.db"
    if not database.exists():
        return ["no database"]
    stores = read_store(database)
    problems = []
    stored_cities = sorted((r.get(101), r.get(102)) for r in stores.get("Cities List", []))
    if stored_cities != cities:
        problems.append(f"{len(stored_cities)} cities, not the {len(cities)} shipped")
    stored_zones = sorted(r.get(301) for r in stores.get("Timezones List", []))
    if stored_zones != zones:
        problems.append(f"{len(stored_zones)} zones, not the {len(zones)} shipped")
    settings = [r.get(301) for r in stores.get("Settings", [])]
    if sorted(settings) != sorted(SETTING_NAMES):
        problems.append(f"{len(settings)} settings records, not the 16")
    values = {r.get(301): r.get(302) for r in stores.get("Settings", [])}
    conventions = {r.get(106) for r in stores.get("Twilight Methods", [])}
    for kind, key, value in writes:
        if kind == "setting" and values.get(key) != value:
            problems.append(f"acknowledged write lost: {key} = {value}")
        if kind == "convention" and key not in conventions:
            problems.append(f"acknowledged convention lost: {key}")
    return problems


class Runner:
    def __init__(self, build):
        self.tavorin = str(Path(build) / "cli" / "tavorin")
        self.scratch = Path(tempfile.mkdtemp(prefix="halvo-stress-"))
        self.serial = 0

    def folder(self):
        self.serial += 1
        folder = self.scratch / str(self.serial)
        folder.mkdir()
        return folder

    def start(self, folder, args):
        environment = dict(os.environ, XDG_DATA_HOME=str(folder), TZ="UTC")
        environment.pop("HALVO_DATA_DIR", None)
        return subprocess.Popen([self.tavorin] + args, env=environment,
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)

    def close(self):
        shutil.rmtree(self.scratch, ignore_errors=True)


def writer_args(round_number, index, kind):
    if kind == "setting":
        name, value = WRITABLE[index % len(WRITABLE)]
        return ["settings", "set", name, value], ("setting", name, value)
    name = f"Stress {round_number}.{index}"
    return ["conventions", "add", name, "15", "15"], ("convention", name, None)


def first_starts(runner, expected, total, per_round=8):
    rounds = (total + per_round - 1) // per_round
    processes = exited_zero = failed = exact = lost = acknowledged = 0
    failures = []
    for round_number in range(rounds):
        folder = runner.folder()
        launched = []
        for index in range(per_round):
            kind = ("times", "setting", "convention")[index % 3]
            if kind == "times":
                launched.append((runner.start(folder, ["times"]), None))
            else:
                args, write = writer_args(round_number, index, kind)
                launched.append((runner.start(folder, args), write))
        writes = []
        for process, write in launched:
            _, err = process.communicate()
            processes += 1
            if process.returncode == 0:
                exited_zero += 1
                if write:
                    writes.append(write)
            else:
                failed += 1
                failures.append(err.decode("utf-8", "replace").strip().splitlines()[-1:])
        acknowledged += len(writes)
        problems = check_folder(folder, expected, writes)
        lost += sum(1 for p in problems if p.startswith("acknowledged"))
        if problems:
            failures.append(problems)
        else:
            exact += 1
        shutil.rmtree(folder, ignore_errors=True)
    print(f"first starts: {processes} processes in {rounds} rounds of {per_round}: "
          f"{exited_zero} exited 0, {failed} failed; {exact} of {rounds} folders exact; "
          f"{acknowledged} acknowledged writes, {lost} lost")
    for failure in failures[:5]:
        print(f"  {failure}")
    return failed == 0 and exact == rounds and lost == 0


def kills(runner, expected, total, window_ms):
    exact = restarts_ok = 0
    failures = []
    for _ in range(total):
        folder = runner.folder()
        process = runner.start(folder, ["times"])
        time.sleep(random.uniform(0, window_ms) / 1000.0)
        process.send_signal(signal.SIGKILL)
        process.communicate()
        restart = runner.start(folder, ["settings", "set", "Reminder", "4"])
        _, err = restart.communicate()
        writes = []
        if restart.returncode == 0:
            restarts_ok += 1
            writes.append(("setting", "Reminder", "4"))
        else:
            failures.append(err.decode("utf-8", "replace").strip())
        problems = check_folder(folder, expected, writes)
        if problems:
            failures.append(problems)
        else:
            exact += 1
        shutil.rmtree(folder, ignore_errors=True)
    print(f"kills: {total} first starts killed within their first {window_ms} ms: "
          f"{restarts_ok} restarts exited 0; {exact} of {total} folders exact")
    for failure in failures[:5]:
        print(f"  {failure}")
    return restarts_ok == total and exact == total


def damaged(runner, expected, rounds, writers=6):
    exited_zero = lost = aside_once = exact = 0
    failures = []
    for round_number in range(rounds):
        folder = runner.folder()
        if runner.start(folder, ["times"]).wait() != 0:
            failures.append("the first start failed")
            continue
        database = folder / "halvo-tavorin" / "halvo-tavorin.db"
        data = database.read_bytes()
        database.write_bytes(data[: len(data) // 2])
        launched = []
        for index in range(writers):
            kind = ("setting", "convention")[index % 2]
            args, write = writer_args(round_number, index, kind)
            launched.append((runner.start(folder, args), write))
        writes = []
        for process, write in launched:
            process.communicate()
            if process.returncode == 0:
                exited_zero += 1
                writes.append(write)
        problems = check_folder(folder, expected, writes)
        lost += sum(1 for p in problems if p.startswith("acknowledged"))
        aside = [p for p in database.parent.iterdir()
                 if ".corrupt-" in p.name and not p.name.endswith(("-wal", "-shm"))]
        if len(aside) == 1:
            aside_once += 1
        else:
            problems.append(f"moved aside {len(aside)} times")
        if problems:
            failures.append(problems)
        else:
            exact += 1
        shutil.rmtree(folder, ignore_errors=True)
    print(f"damaged database: {rounds} rounds of {writers} writers: {exited_zero} of "
          f"{rounds * writers} exited 0, {lost} acknowledged writes lost; moved aside exactly "
          f"once in {aside_once} of {rounds}; {exact} of {rounds} folders exact")
    for failure in failures[:5]:
        print(f"  {failure}")
    return lost == 0 and exact == rounds


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default="build")
    parser.add_argument("--starts", type=int, default=40)
    parser.add_argument("--kills", type=int, default=20)
    parser.add_argument("--kill-window-ms", type=float, default=10)
    parser.add_argument("--damaged-rounds", type=int, default=5)
    options = parser.parse_args()
    expected = expected_data()
    runner = Runner(options.build)
    try:
        ok = first_starts(runner, expected, options.starts)
        ok = kills(runner, expected, options.kills, options.kill_window_ms) and ok
        ok = damaged(runner, expected, options.damaged_rounds) and ok
    finally:
        runner.close()
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
