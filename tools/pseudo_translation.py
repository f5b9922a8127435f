#!/usr/bin/env python3
"""Writes a pseudo-translation of a Qt catalogue.

Every source text becomes "[~text~~~]": the brackets show on screen that the
text went through the translation system, and the tildes make it 40 % longer
than the English, as many languages are, so a window that cuts texts shows
it. Placeholders (%1, %n) and accelerators (&) are kept as they are.

    pseudo_translation.py SOURCE.ts OUTPUT.ts
"""

import math
import sys
import xml.etree.ElementTree as ElementTree


def pseudo(text):
    wanted = math.ceil(len(text) * 1.4)
    tildes = max(1, wanted - len(text) - 3)
    return "[~" + text + "~" * tildes + "]"


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: pseudo_translation.py SOURCE.ts OUTPUT.ts\n")
        return 2
    tree = ElementTree.parse(argv[1])
    root = tree.getroot()
    root.set("language", "en")
    for message in root.iter("message"):
        source = message.findtext("source", default="")
        translation = message.find("translation")
        if translation is None:
            translation = ElementTree.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        for form in list(translation):
            translation.remove(form)
        if message.get("numerus") == "yes":
            translation.text = None
            for _ in range(2):
                ElementTree.SubElement(translation, "numerusform").text = pseudo(source)
        else:
            translation.text = pseudo(source)
    with open(argv[2], "w", encoding="utf-8") as out:
        out.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        out.write(ElementTree.tostring(root, encoding="unicode"))
        out.write("\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
