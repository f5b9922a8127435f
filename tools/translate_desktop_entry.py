#!/usr/bin/env python3
"""Adds the catalogues' translations to the desktop entry and the AppStream
metadata: Name[ar]=, GenericName[ar]=, Comment[ar]= and Keywords[ar]= after
each key, and a <summary xml:lang="ar"> after the summary. Only finished
translations are used; without any the files come out unchanged.

    translate_desktop_entry.py DESKTOP_IN DESKTOP_OUT METAINFO_IN METAINFO_OUT CATALOGUE.ts...
"""

import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree
from xml.sax.saxutils import escape


def finished_translations(path):
    texts = {}
    for context in ElementTree.parse(path).getroot().iter("context"):
        if context.findtext("name") != "halvo":
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") is not None or not translation.text:
                continue
            texts[message.findtext("source")] = translation.text
    return texts


def main(argv):
    if len(argv) < 5:
        sys.stderr.write(__doc__)
        return 2
    desktop_in, desktop_out, metainfo_in, metainfo_out = argv[1:5]
    languages = []
    for catalogue in argv[5:]:
        language = re.sub(r"^halvo-tavorin_|\.ts$", "", pathlib.Path(catalogue).name)
        languages.append((language, finished_translations(catalogue)))

    lines = []
    for line in pathlib.Path(desktop_in).read_text(encoding="utf-8").splitlines():
        lines.append(line)
        key, _, value = line.partition("=")
        if key in ("Name", "GenericName", "Comment", "Keywords"):
            for language, texts in languages:
                if value in texts:
                    lines.append(f"{key}[{language}]={texts[value]}")
    pathlib.Path(desktop_out).write_text("\n".join(lines) + "\n", encoding="utf-8")

    out = []
    for line in pathlib.Path(metainfo_in).read_text(encoding="utf-8").splitlines():
        out.append(line)
        found = re.match(r"^(\s*)<summary>(.*)</summary>\s*$", line)
        if found:
            for language, texts in languages:
                if found.group(2) in texts:
                    out.append(f'{found.group(1)}<summary xml:lang="{language}">'
                               f"{escape(texts[found.group(2)])}</summary>")
    pathlib.Path(metainfo_out).write_text("\n".join(out) + "\n", encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
