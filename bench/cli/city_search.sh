#!/usr/bin/env bash
# tavorin cities --search over all the shipped cities, as a whole process on
# a seeded device folder: median wall time of 21 runs for each of a few
# typed texts (a rare one, a common one, one with an accent).
set -euo pipefail
source "$(dirname "$0")/../median_time.bash"
tavorin="${1:-build}/cli/tavorin"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME="$scratch"
"$tavorin" cities > /dev/null
for text in cord san "tehrān"; do
  median=$(median_us 21 "$tavorin" cities --search "$text")
  echo "tavorin cities --search $text, whole process: median ${median} us (target < 20000 us)"
done
