#!/usr/bin/env python3
"""Fails when the folders of the source tree include each other in a circle,
or when a folder includes a layer it must not see.

Every folder (engine, locations, locations/ui, platform/store, ...) is a
node; a quoted #include of "dir/file.h" from a file in another folder is an
edge. Tests, benchmarks and tools are not part of the program's layers."""

import re
import sys
from pathlib import Path

SKIP = {"tests", "bench", "tools", "data", "docs", "scripts", "debian", "dist"}
# Build trees beside the sources (build/, build-asan/, build-fuzz/, the
# package build's build-deb/ copy and debhelper's obj-<triplet>/) hold
# generated files and copies, not the program's layers.
BUILD_TREE_PREFIXES = ("build", "obj-")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def folder_of(path):
    return str(Path(path).parent)


def is_window_folder(folder):
    return folder == "shell" or folder == "resources" or folder.endswith("/ui") or folder == "platform/ui"


def main(root):
    root = Path(root)
    edges = {}
    problems = []
    for source in sorted(root.rglob("*")):
        if source.suffix not in (".h", ".cpp"):
            continue
        relative = source.relative_to(root)
        top = relative.parts[0]
        if top in SKIP or top.startswith(".") or top.startswith(BUILD_TREE_PREFIXES):
            continue
        folder = folder_of(relative)
        text = source.read_text(encoding="utf-8", errors="replace")
        for kind, target in INCLUDE.findall(text):
            if kind == "<":
                # The toolkit stays inside the window folders.
                if re.match(r"Q[A-Za-z]+$", target) and not is_window_folder(folder):
                    problems.append(f"{relative}: includes the toolkit ({target}) outside a window folder")
                continue
            if "/" not in target:
                continue
            target_folder = folder_of(target)
            if not (root / target).exists():
                continue
            if target_folder == folder:
                continue
            edges.setdefault(folder, set()).add(target_folder)
            if target_folder == "platform/ui" or target_folder.endswith("/ui") or target_folder == "shell":
                if not is_window_folder(folder):
                    problems.append(f"{relative}: a logic folder includes the window layer ({target})")
            if folder.split("/")[0] == "platform" and target_folder.split("/")[0] not in ("platform", "engine"):
                problems.append(f"{relative}: platform/ includes a layer above it ({target})")

    # Circles, by depth-first search over the folder graph.
    state = {}
    stack = []

    def visit(node):
        state[node] = "open"
        stack.append(node)
        for nxt in sorted(edges.get(node, ())):
            if state.get(nxt) == "open":
                circle = stack[stack.index(nxt):] + [nxt]
                problems.append("folders include each other in a circle: " + " -> ".join(circle))
            elif nxt not in state:
                visit(nxt)
        stack.pop()
        state[node] = "done"

    for node in sorted(edges):
        if node not in state:
            visit(node)

    for problem in problems:
        print(problem)
    if problems:
        return 1
    print(f"{len(edges)} folders, no circles")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "."))
