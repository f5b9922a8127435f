#!/usr/bin/python3
"""Checks that debian/ agrees with the project it packages, so a release or a
new data file cannot leave the package behind:
- debian/changelog's newest entry carries the project's version and a real
  distribution (UNRELEASED would not be uploaded);
- every Build-Depends package is one scripts/install-deps installs, so CI's
  machine can build the package;
- debian/copyright is machine-readable, states a licence of its own for every
  shipped data file (data/), has no pattern that matches nothing, and gives
  the text of every licence it names.

Usage: check_debian_folder.py SOURCE_DIR PROJECT_VERSION. Exits non-zero on
any failure.
"""

import fnmatch
import os
import re
import sys

failures = []


def fail(message):
    failures.append(message)


def paragraphs(path):
    """The deb822 paragraphs of a file: field name -> value, continuation
    lines joined with newlines; comment lines dropped."""
    result = []
    current = {}
    field = None
    with open(path, encoding="utf-8") as text:
        for line in text:
            line = line.rstrip("\n")
            if line.startswith("#"):
                continue
            if not line.strip():
                if current:
                    result.append(current)
                current, field = {}, None
            elif line[0] in " \t":
                if field is None:
                    fail(f"{path}: a continuation line with no field: {line!r}")
                    continue
                current[field] += "\n" + line.strip()
            else:
                name, _, value = line.partition(":")
                field = name.strip()
                current[field] = value.strip()
    if current:
        result.append(current)
    return result


def check_changelog(source, version):
    with open(os.path.join(source, "debian", "changelog"), encoding="utf-8") as text:
        first = text.readline()
    match = re.match(r"^(\S+) \(([^)]+)\) ([^;]+);", first)
    if not match:
        fail(f"debian/changelog: the first line is not an entry's heading: {first!r}")
        return
    name, entry_version, distribution = match.groups()
    if name != "halvo-tavorin":
        fail(f"debian/changelog: the source is named {name!r}, not halvo-tavorin")
    # A native package's version is the project's; a Debian revision or an
    # epoch would only be added after a dash or before a colon.
    upstream = entry_version.split(":")[-1].split("-")[0]
    if upstream != version:
        fail(f"debian/changelog: version {entry_version} is not the project's {version}")
    if distribution.strip() == "UNRELEASED":
        fail("debian/changelog: the newest entry is UNRELEASED")


def install_deps_packages(source):
    with open(os.path.join(source, "scripts", "install-deps"), encoding="utf-8") as text:
        script = text.read()
    block = re.search(r"^packages=\((.*?)^\)", script, re.S | re.M)
    if not block:
        fail("scripts/install-deps: no packages=( ... ) list")
        return set()
    words = set()
    for line in block.group(1).splitlines():
        words.update(line.split("#")[0].split())
    return words


def check_build_depends(source):
    control = paragraphs(os.path.join(source, "debian", "control"))
    if not control or "Build-Depends" not in control[0]:
        fail("debian/control: no Build-Depends in the source paragraph")
        return
    installed = install_deps_packages(source)
    for relation in control[0]["Build-Depends"].replace("\n", " ").split(","):
        for alternative in relation.split("|"):
            name = re.sub(r"[\s(<\[].*", "", alternative.strip())
            if name and name != "debhelper-compat" and name not in installed:
                fail(f"debian/control: build dependency {name} is not in scripts/install-deps")


def license_names(expression):
    return [name.strip() for name in re.split(r"\s+(?:and|or)\s+", expression) if name.strip()]


def check_copyright(source):
    copyright = paragraphs(os.path.join(source, "debian", "copyright"))
    if not copyright or not copyright[0].get("Format", "").startswith(
            "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0"):
        fail("debian/copyright: not in the machine-readable format")
        return
    files = [p for p in copyright[1:] if "Files" in p]
    licences = {p["License"].split("\n")[0]: p["License"] for p in copyright[1:] if "Files" not in p}

    tree = []
    for folder, dirs, names in os.walk(source):
        dirs[:] = [d for d in dirs if d not in (".git", "dist") and not d.startswith(("build", "obj-"))]
        tree += [os.path.relpath(os.path.join(folder, name), source) for name in names]

    for paragraph in files:
        if "Copyright" not in paragraph or "License" not in paragraph:
            fail(f"debian/copyright: Files {paragraph['Files']!r} lacks Copyright or License")
            continue
        first_line = paragraph["License"].split("\n")[0]
        for name in license_names(first_line):
            if name not in licences and "\n" not in paragraph["License"]:
                fail(f"debian/copyright: licence {name} (Files {paragraph['Files']!r}) has no text")
        for pattern in paragraph["Files"].split():
            if not any(fnmatch.fnmatchcase(path, pattern) for path in tree):
                fail(f"debian/copyright: the pattern {pattern} matches no file")

    # The last paragraph that matches a file decides, as in the format.
    def governing(path):
        found = None
        for paragraph in files:
            if any(fnmatch.fnmatchcase(path, p) for p in paragraph["Files"].split()):
                found = paragraph
        return found

    for path in sorted(p for p in tree if p.startswith("data" + os.sep)):
        paragraph = governing(path)
        if paragraph is None or paragraph["Files"].split() == ["*"]:
            fail(f"debian/copyright: the shipped data file {path} has no origin and licence of its own")


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    source, version = sys.argv[1], sys.argv[2]
    check_changelog(source, version)
    check_build_depends(source)
    check_copyright(source)
    for message in failures:
        print("FAIL:", message, file=sys.stderr)
    if not failures:
        print("debian/ agrees with the project's version, build tools and data")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
