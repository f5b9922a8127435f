#!/usr/bin/env python3
"""fill_translations.py on a sample catalogue: what it fills, what it refuses,
what it leaves alone and what it reports as left."""

import pathlib
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

HERE = pathlib.Path(__file__).resolve().parent
TOOL = HERE.parent.parent / "tools" / "fill_translations.py"


def main():
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        catalogue = pathlib.Path(folder) / "sample.ts"
        shutil.copy(HERE / "data" / "fill_sample.ts", catalogue)
        run = subprocess.run([sys.executable, str(TOOL), str(HERE / "data" / "fill_sample.tsv"),
                              str(catalogue)], capture_output=True, text=True)
        entries = {}
        for message in ElementTree.parse(catalogue).getroot().iter("message"):
            translation = message.find("translation")
            entries[message.findtext("source")] = (translation.text or "", translation.get("type"))

    expected = [
        # source, translation, type after the run
        ("OK", "حسناً", None),
        ("&File", "&ملف", None),
        ("Two\tcolumns", "عمودان\tاثنان", None),
        ("Line one\nline two", "سطر\nسطران", None),
        ("Back\\slash", "خط\\مائل", None),
        ("%1 minutes to %2", "%2 بعد %1 دقيقة", None),
        # Drops %1: refused, stays unfinished.
        ("Version %1 for Linux", "", "unfinished"),
        # An empty translation in the glossary fills nothing.
        ("Cancel", "", "unfinished"),
        # A finished entry is the translator's and stays.
        ("Help", "مساعدة يدوية", None),
        # Not in the glossary.
        ("Apply", "", "unfinished"),
    ]
    for source, translation, kind in expected:
        if entries.get(source) != (translation, kind):
            failures.append(f"{source!r}: got {entries.get(source)!r}, wanted {(translation, kind)!r}")
    if run.returncode != 1:
        failures.append(f"status {run.returncode}, wanted 1 while entries are left")
    if run.stdout.splitlines() != ["Version %1 for Linux", "Cancel", "Apply"]:
        failures.append(f"left entries printed as {run.stdout.splitlines()!r}")
    if "drops %1" not in run.stderr:
        failures.append(f"the refusal is not said: {run.stderr!r}")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
