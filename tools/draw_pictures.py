#!/usr/bin/python3
"""Draws the program's own pictures into resources/pictures/.

Every module of tools/pictures/ (one per subsystem) lists its pictures in a
PICTURES table: file name (bitmap_N.png or icon_N.png, N the resource id)
to a function returning a PIL image; each is drawn twice, as name.png and as
name@2x.png at twice the size for dense screens (the program shows the
latter where a picture stands on more than one device pixel per pixel).
A module may also list pictures the
program installs beside itself (the desktop icons) in an INSTALLED table:
path from the repository's root to a function returning a PIL image, or
the text of an SVG. With names (or paths) as arguments only those pictures
are drawn. Run with the system Python that has python3-pil:
    /usr/bin/python3 tools/draw_pictures.py [bitmap_228.png ...]
"""

import importlib
import os
import pkgutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.join(HERE, "..")
OUT = os.path.join(ROOT, "resources", "pictures")
sys.path.insert(0, HERE)

import pictures  # noqa: E402
from pictures import common  # noqa: E402


def at_twice_the_size(draw):
    def draw_twice():
        common.FACTOR = 2
        try:
            return draw()
        finally:
            common.FACTOR = 1
    return draw_twice


def dense_name(name):
    stem, extension = os.path.splitext(name)
    return f"{stem}@2x{extension}"


def all_pictures():
    """Every picture by name, with the path it is written to."""
    table = {}
    for module in pkgutil.iter_modules(pictures.__path__):
        if module.name == "common":
            continue
        found = importlib.import_module("pictures." + module.name)
        entries = []
        for name, draw in getattr(found, "PICTURES", {}).items():
            entries.append((name, os.path.join(OUT, name), draw))
            entries.append((dense_name(name), os.path.join(OUT, dense_name(name)),
                            at_twice_the_size(draw)))
        entries += [(path, os.path.join(ROOT, path), draw)
                    for path, draw in getattr(found, "INSTALLED", {}).items()]
        for name, path, draw in entries:
            if name in table:
                raise SystemExit(f"{name} is drawn by two modules")
            table[name] = (path, draw)
    return table


def main(names):
    table = all_pictures()
    for name in names or sorted(table):
        if name not in table:
            raise SystemExit(f"no picture named {name}")
        path, draw = table[name]
        os.makedirs(os.path.dirname(path), exist_ok=True)
        picture = draw()
        if isinstance(picture, str):
            with open(path, "w", encoding="utf-8") as out:
                out.write(picture)
        else:
            picture.save(path)


if __name__ == "__main__":
    main(sys.argv[1:])
