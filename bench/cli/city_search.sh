#!/usr/bin/env bash
# tavorin cities --search over all the shipped cities, as a whole process on
# a seeded device folder: median wall time of 21 runs for each of a few
# typed texts (a rare one, a common one, one with an accent).
set -euo pipefail
build=${1:-build}
tavorin="$build/cli/tavorin"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME="$scratch"
"$tavorin" cities > /dev/null
for text in cord san "tehrān"; do
  times=()
  for _ in $(seq 21); do
    start=$(date +%s%N)
    "$tavorin" cities --search "$text" > /dev/null
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
  done
  median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 11p)
  echo "tavorin cities --search $text, whole process: median ${median} us (target < 20000 us)"
done
