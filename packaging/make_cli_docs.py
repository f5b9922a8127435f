#!/usr/bin/env python3
"""Makes tavorin's shell completions and both programs' man pages from the
built programs' own --help, so they never drift from what the programs say.

    make_cli_docs.py --tavorin PATH --desktop PATH --out FOLDER [--help2man PATH]

Writes into FOLDER:
    tavorin.bash        bash completion (share/bash-completion/completions/tavorin)
    _tavorin            zsh completion (share/zsh/site-functions/_tavorin)
    tavorin.1, halvo-tavorin.1
                        man pages by help2man, when it is given; tavorin's
                        has a section with every subcommand's own --help.

The help is read in CLI11's layout: a line "Options:" or "Subcommands:",
then one entry per line, indented, name and description apart by two or
more spaces; options start with "-" and may have aliases ("-h,--help").
"""

import argparse
import os
import re
import subprocess
import sys


def run_help(program, words):
    environment = dict(os.environ)
    # A sanitizer build must not fail the documentation for a leak report.
    environment["ASAN_OPTIONS"] = "detect_leaks=0"
    environment["PATH"] = os.path.dirname(os.path.abspath(program)) + os.pathsep + \
        environment.get("PATH", "")
    done = subprocess.run([os.path.basename(program)] + words + ["--help"], env=environment,
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, check=False)
    if done.returncode != 0:
        raise SystemExit(f"make_cli_docs: {' '.join(['tavorin'] + words)} --help ended with "
                         f"status {done.returncode}: {done.stderr.strip()}")
    return done.stdout


class Command:
    def __init__(self, words, summary):
        self.words = words          # ["settings", "set"]; [] for tavorin itself
        self.summary = summary
        self.help = ""
        self.options = []           # (names, takes a value, description)
        self.positionals = []       # (name, description)
        self.commands = []          # Command


def parse_help(text):
    """Options, positionals and subcommands (name, description) of one help
    text."""
    options, positionals, commands, section = [], [], [], None
    sections = {"Options:": "options", "Positionals:": "positionals", "Subcommands:": "commands"}
    for line in text.splitlines():
        heading = line.strip()
        if line and not line[0].isspace():
            section = sections.get(heading)
            continue
        if section is None or not heading:
            continue
        parts = re.split(r"\s{2,}", heading, maxsplit=1)
        entry, description = parts[0], parts[1] if len(parts) > 1 else ""
        if section == "options" and entry.startswith("-"):
            words = entry.split()
            names = [name for name in words[0].split(",") if name.startswith("-")]
            takes_value = any(word.isupper() for word in words[1:] if word != "REQUIRED")
            options.append((names, takes_value, description))
        elif section == "positionals":
            positionals.append((entry.split()[0], description))
        elif section == "commands" and not entry.startswith("-"):
            commands.append((entry.split()[0], description))
    return options, positionals, commands


def read_commands(program, words=(), summary=""):
    command = Command(list(words), summary)
    command.help = run_help(program, list(words))
    command.options, command.positionals, subcommands = parse_help(command.help)
    for name, description in subcommands:
        command.commands.append(read_commands(program, list(words) + [name], description))
    return command


def every_command(command):
    yield command
    for sub in command.commands:
        yield from every_command(sub)


def option_names(command):
    return [name for names, _value, _description in command.options for name in names]


# --- bash -------------------------------------------------------------------

def bash_completion(root):
    known = [" ".join(c.words) for c in every_command(root) if c.words]
    lines = [
        "# bash completion for tavorin. Made from `tavorin --help` when the program",
        "# was built (packaging/make_cli_docs.py): do not edit.",
        "",
        "_tavorin()",
        "{",
        "    local cur=${COMP_WORDS[COMP_CWORD]}",
        "    local prev=${COMP_WORDS[COMP_CWORD-1]}",
        "    local path='' i",
        "    # The deepest subcommand named before the word being completed.",
        "    for ((i = 1; i < COMP_CWORD; i++)); do",
        "        case \"${path:+$path }${COMP_WORDS[i]}\" in",
        "        " + "|".join(f"'{name}'" for name in known) + ")",
        "            path=\"${path:+$path }${COMP_WORDS[i]}\" ;;",
        "        esac",
        "    done",
        "    local commands='' options='' values=''",
        "    case \"$path\" in",
    ]
    for command in every_command(root):
        valued = [name for names, takes, _d in command.options if takes for name in names]
        lines += [
            f"    '{' '.join(command.words)}')",
            f"        commands='{' '.join(c.words[-1] for c in command.commands)}'",
            f"        options='{' '.join(option_names(command))}'",
            f"        values='{' '.join(valued)}' ;;",
        ]
    lines += [
        "    esac",
        "    # An option's value: no word list of ours, the shell's default.",
        "    case \" $values \" in *\" $prev \"*) return ;; esac",
        "    if [[ $cur == -* ]]; then",
        "        COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))",
        "    else",
        "        COMPREPLY=($(compgen -W \"$commands\" -- \"$cur\"))",
        "    fi",
        "}",
        "complete -o default -F _tavorin tavorin",
        "",
    ]
    return "\n".join(lines)


# --- zsh --------------------------------------------------------------------

def zsh_quote(text):
    return "'" + text.replace("'", "'\\''") + "'"


def zsh_entry(name, description):
    return zsh_quote(name.replace(":", "\\:") + ":" + description)


def zsh_completion(root):
    known = [" ".join(c.words) for c in every_command(root) if c.words]
    lines = [
        "#compdef tavorin",
        "# zsh completion for tavorin. Made from `tavorin --help` when the program",
        "# was built (packaging/make_cli_docs.py): do not edit.",
        "",
        "_tavorin() {",
        "  local command_path='' i",
        "  for (( i = 2; i < CURRENT; i++ )); do",
        "    case \"${command_path:+$command_path }${words[i]}\" in",
        "      (" + "|".join(zsh_quote(name) for name in known) + ")",
        "        command_path=\"${command_path:+$command_path }${words[i]}\" ;;",
        "    esac",
        "  done",
        "  local -a commands options",
        "  case \"$command_path\" in",
    ]
    for command in every_command(root):
        entries = [zsh_entry(c.words[-1], c.summary) for c in command.commands]
        option_entries = [zsh_entry(name, description)
                          for names, _takes, description in command.options for name in names]
        lines += [
            f"    ({zsh_quote(' '.join(command.words))})",
            f"      commands=({' '.join(entries)})",
            f"      options=({' '.join(option_entries)}) ;;",
        ]
    lines += [
        "  esac",
        "  if [[ ${words[CURRENT]} == -* ]]; then",
        "    _describe -t options 'tavorin option' options",
        "  elif (( ${#commands} )); then",
        "    _describe -t commands 'tavorin command' commands",
        "  else",
        "    _files",
        "  fi",
        "}",
        "",
        "_tavorin \"$@\"",
        "",
    ]
    return "\n".join(lines)


# --- man pages ----------------------------------------------------------------

def roff(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    if text.startswith((".", "'")):
        text = "\\&" + text
    return text


def commands_section(root):
    """A help2man include section: every subcommand with its options."""
    lines = ["[COMMANDS]"]
    for command in every_command(root):
        if not command.words:
            continue
        usage = " ".join(command.words + [name.upper() for name, _d in command.positionals])
        lines.append(f'.SS "tavorin {usage}"')
        lines.append(roff(command.summary))
        for name, description in command.positionals:
            lines += [".TP", f"\\fI{roff(name.upper())}\\fR", roff(description)]
        for names, takes, description in command.options:
            if "--help" in names:
                continue
            label = ", ".join(f"\\fB{roff(name)}\\fR" for name in names)
            lines += [".TP", label + (" \\fIVALUE\\fR" if takes else ""), roff(description)]
    return "\n".join(lines) + "\n"


def help2man(tool, program, name, includes, out):
    environment = dict(os.environ)
    environment["ASAN_OPTIONS"] = "detect_leaks=0"
    folder = os.path.dirname(os.path.abspath(program))
    environment["PATH"] = folder + os.pathsep + environment.get("PATH", "")
    arguments = [tool, "--no-info", "--section=1", f"--name={name}", f"--output={out}"]
    arguments += [f"--include={path}" for path in includes]
    arguments.append(os.path.basename(program))
    subprocess.run(arguments, env=environment, check=True)


def write(path, text):
    with open(path, "w", encoding="utf-8") as out:
        out.write(text)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--tavorin", required=True)
    parser.add_argument("--desktop", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--help2man")
    parser.add_argument("--include-dir", default=os.path.dirname(os.path.abspath(__file__)))
    arguments = parser.parse_args()

    os.makedirs(arguments.out, exist_ok=True)
    root = read_commands(arguments.tavorin)
    if not root.commands:
        raise SystemExit("make_cli_docs: tavorin --help lists no subcommands")
    write(os.path.join(arguments.out, "tavorin.bash"), bash_completion(root))
    write(os.path.join(arguments.out, "_tavorin"), zsh_completion(root))
    commands = os.path.join(arguments.out, "tavorin-commands.h2m")
    write(commands, commands_section(root))
    if arguments.help2man:
        help2man(arguments.help2man, arguments.tavorin,
                 "Muslim prayer times, Hijri dates, the Moon and the Qibla on the command line",
                 [commands, os.path.join(arguments.include_dir, "tavorin.h2m")],
                 os.path.join(arguments.out, "tavorin.1"))
        help2man(arguments.help2man, arguments.desktop,
                 "Muslim prayer times for your city, in a window",
                 [os.path.join(arguments.include_dir, "halvo-tavorin.h2m")],
                 os.path.join(arguments.out, "halvo-tavorin.1"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
