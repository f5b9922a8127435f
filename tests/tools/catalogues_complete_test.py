#!/usr/bin/env python3
"""Every catalogue named on the command line has a finished translation for
each text it carries, and each translation keeps its source's placeholders.

    catalogues_complete_test.py TRANSLATIONS_FOLDER [LANGUAGE ...]
"""

import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%(?:n|L?\d+)")


def problems_of(path):
    problems = []
    for message in ElementTree.parse(path).getroot().iter("message"):
        source = message.findtext("source", default="")
        translation = message.find("translation")
        kind = translation.get("type") if translation is not None else "unfinished"
        if kind in ("vanished", "obsolete"):
            continue
        texts = [form.text or "" for form in translation] if len(translation) else [
            translation.text or ""]
        if kind == "unfinished" or not all(texts):
            problems.append(f"unfinished: {source!r}")
            continue
        for text in texts:
            dropped = set(PLACEHOLDER.findall(source)) - set(PLACEHOLDER.findall(text))
            if dropped:
                problems.append(f"drops {' '.join(sorted(dropped))}: {source!r}")
    return problems


def main(argv):
    folder = pathlib.Path(argv[1])
    failed = False
    for language in argv[2:]:
        path = folder / f"halvo-tavorin_{language}.ts"
        if not path.is_file():
            print(f"{path}: missing")
            failed = True
            continue
        for problem in problems_of(path):
            print(f"{path.name}: {problem}")
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
