#!/usr/bin/python3
"""Fills the examples of docs/cli.md with what tavorin prints.

Every ```console block starts with a "$ tavorin ..." line; the rest of the
block is replaced by the command's output, run in document order on a fresh
data folder seeded from data/ (the examples change the stores). JSON lists
of more than six entries are cut to their first three, as the guide says.
tests/cli/json_vocabulary_test.cpp runs the same examples and compares.

    /usr/bin/python3 tools/fill_cli_examples.py build/cli/tavorin
"""

import json
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
GUIDE = os.path.join(HERE, "..", "docs", "cli.md")
BLOCK = re.compile(r"```console\n\$ (tavorin[^\n]*)\n.*?```", re.S)


def cut(value):
    if isinstance(value, list):
        return [cut(item) for item in (value[:3] if len(value) > 6 else value)]
    if isinstance(value, dict):
        return {key: cut(item) for key, item in value.items()}
    return value


def main(tavorin):
    home = tempfile.mkdtemp()
    env = dict(os.environ, XDG_DATA_HOME=home, TZ="UTC",
               HALVO_DATA_DIR=os.path.join(HERE, "..", "data"))

    def fill(match):
        line = match.group(1)
        args = shlex.split(line)[1:]
        run = subprocess.run([tavorin] + args, env=env, capture_output=True, text=True)
        if run.returncode != 0:
            sys.exit(f"{line}: status {run.returncode}: {run.stderr}")
        out = run.stdout
        if "--json" in args:
            out = json.dumps(cut(json.loads(out)), indent=2, ensure_ascii=False) + "\n"
        return "```console\n$ " + line + "\n" + out + "```"

    try:
        with open(GUIDE, encoding="utf-8") as file:
            text = file.read()
        with open(GUIDE, "w", encoding="utf-8") as file:
            file.write(BLOCK.sub(fill, text))
    finally:
        shutil.rmtree(home)


if __name__ == "__main__":
    main(os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/cli/tavorin"))
