#!/usr/bin/env python3
"""Fills a catalogue's unfinished entries from a translator's glossary.

    fill_translations.py GLOSSARY.tsv CATALOGUE.ts

The glossary has one entry a line, "English source<TAB>translation", with
\\n, \\t and \\\\ escaped; blank lines and lines starting with # are skipped.
An unfinished entry of the catalogue whose source is exactly a glossary
source gets that translation and is marked finished. A translation that
drops a placeholder of its source (%1, %2, %n) is refused with a line on
stderr. Finished entries are left alone. Then every entry still
unfinished is printed, one a line, and the status is 1 when any is left.
"""

import re
import sys
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%(?:n|L?\d+)")


def unescape(text):
    out = []
    i = 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            out.append({"n": "\n", "t": "\t", "\\": "\\"}.get(text[i + 1], "\\" + text[i + 1]))
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def escape(text):
    return text.replace("\\", "\\\\").replace("\n", "\\n").replace("\t", "\\t")


def read_glossary(path):
    entries = {}
    with open(path, encoding="utf-8") as glossary:
        for number, line in enumerate(glossary, 1):
            line = line.rstrip("\n").rstrip("\r")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            if "\t" not in line:
                sys.stderr.write(f"{path}:{number}: no tab between source and translation\n")
                continue
            source, translation = line.split("\t", 1)
            entries[unescape(source)] = unescape(translation)
    return entries


def missing_placeholders(source, translation):
    return sorted(set(PLACEHOLDER.findall(source)) - set(PLACEHOLDER.findall(translation)))


def fill(glossary, root, complain):
    """Fills root's unfinished messages; returns the sources left unfinished."""
    left = []
    for message in root.iter("message"):
        source = message.findtext("source", default="")
        translation = message.find("translation")
        if translation is None:
            translation = ElementTree.SubElement(message, "translation", {"type": "unfinished"})
        # Finished entries are the translators' own; vanished and obsolete
        # ones are no longer shown.
        if translation.get("type") != "unfinished":
            continue
        wanted = glossary.get(source)
        if wanted is not None and wanted != "":
            dropped = missing_placeholders(source, wanted)
            if dropped:
                complain(f"refused: {escape(source)!s} -> {escape(wanted)!s} "
                         f"drops {' '.join(dropped)}")
            else:
                if message.get("numerus") == "yes":
                    for form in list(translation):
                        translation.remove(form)
                    translation.text = None
                    ElementTree.SubElement(translation, "numerusform").text = wanted
                else:
                    translation.text = wanted
                translation.attrib.pop("type", None)
                continue
        left.append(source)
    return left


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: fill_translations.py GLOSSARY.tsv CATALOGUE.ts\n")
        return 2
    glossary = read_glossary(argv[1])
    tree = ElementTree.parse(argv[2])
    left = fill(glossary, tree.getroot(), lambda line: sys.stderr.write(line + "\n"))
    with open(argv[2], "w", encoding="utf-8") as out:
        out.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        ElementTree.indent(tree, space="    ")
        out.write(ElementTree.tostring(tree.getroot(), encoding="unicode"))
        out.write("\n")
    for source in left:
        print(escape(source))
    return 1 if left else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
