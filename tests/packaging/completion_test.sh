#!/usr/bin/env bash
# tavorin's generated completions answer as a person pressing TAB expects.
#   completion_test.sh BASH_COMPLETION [ZSH_COMPLETION]
set -euo pipefail
bash_completion=$1
zsh_completion=${2:-}
failures=0

# shellcheck source=/dev/null
source "$bash_completion"

# The words offered for a command line whose last word is being completed.
offered() {
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMPREPLY=()
  _tavorin
  printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

expect() {
  local wanted=$1
  shift
  local got
  got=$(offered "$@")
  if [ "$got" != "$wanted" ]; then
    echo "FAIL: '$*<TAB>' offered '$got', expected '$wanted'" >&2
    failures=$((failures + 1))
  fi
}

expect_has() {
  local word=$1
  shift
  local got
  got=" $(offered "$@") "
  if [[ $got != *" $word "* ]]; then
    echo "FAIL: '$*<TAB>' did not offer '$word': '$got'" >&2
    failures=$((failures + 1))
  fi
}

expect_has day tavorin ""
expect_has times tavorin ""
expect_has settings tavorin ""
expect "" tavorin day --lon ""              # a value: nothing of ours
expect "--lat --lon" tavorin day --l
expect "set" tavorin settings ""
expect "day" tavorin da
expect_has --version tavorin --
expect_has --json tavorin hijri --
expect_has --date tavorin day --lon 3 --lat 4 --
if [[ " $(offered tavorin "") " == *" --lon "* ]]; then
  echo "FAIL: options offered where a subcommand is expected" >&2
  failures=$((failures + 1))
fi

if [ -n "$zsh_completion" ] && command -v zsh >/dev/null; then
  zsh -n "$zsh_completion" || failures=$((failures + 1))
  # compsys stubbed: what _tavorin would hand to _describe.
  got=$(zsh -f -c '
    _describe() { local array=$4; print -l -- ${(P)array}; }
    _files() { print "(files)"; }
    source "$1"
    words=(tavorin settings ""); CURRENT=3; _tavorin
    words=(tavorin day --la); CURRENT=3; _tavorin
  ' zsh "$zsh_completion")
  for wanted in "set:" "--lat:"; do
    if ! grep -q -- "^$wanted" <<<"$got"; then
      echo "FAIL: zsh did not offer '$wanted': $got" >&2
      failures=$((failures + 1))
    fi
  done
fi

if [ $failures -ne 0 ]; then
  echo "$failures completion checks failed" >&2
  exit 1
fi
echo "completions: every check passed"
