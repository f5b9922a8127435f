#!/usr/bin/python3
"""Draws the program's own pictures into resources/pictures/.

Every module of tools/pictures/ (one per subsystem) lists its pictures in a
PICTURES table: file name (bitmap_N.png or icon_N.png, N the resource id)
to a function returning a PIL image. With names as arguments only those
pictures are drawn. Run with the system Python that has python3-pil:
    /usr/bin/python3 tools/draw_pictures.py [bitmap_228.png ...]
"""

import importlib
import os
import pkgutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "resources", "pictures")
sys.path.insert(0, HERE)

import pictures  # noqa: E402


def all_pictures():
    table = {}
    for module in pkgutil.iter_modules(pictures.__path__):
        if module.name == "common":
            continue
        found = importlib.import_module("pictures." + module.name)
        for name, draw in getattr(found, "PICTURES", {}).items():
            if name in table:
                raise SystemExit(f"{name} is drawn by two modules")
            table[name] = draw
    return table


def main(names):
    os.makedirs(OUT, exist_ok=True)
    table = all_pictures()
    for name in names or sorted(table):
        if name not in table:
            raise SystemExit(f"no picture named {name}")
        table[name]().save(os.path.join(OUT, name))


if __name__ == "__main__":
    main(sys.argv[1:])
