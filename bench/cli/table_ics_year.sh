#!/usr/bin/env bash
# A year of a stored city's prayers as an iCalendar file, as a whole process
# on a seeded device folder: median wall time of 21 runs.
set -euo pipefail
source "$(dirname "$0")/../median_time.bash"
tavorin="${1:-build}/cli/tavorin"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME="$scratch"
"$tavorin" settings > /dev/null
median=$(median_us 21 "$tavorin" table --city "new york" --from 2026-01-01 --to 2026-12-31 \
  --format ics --with-sunrise)
echo "tavorin table --format ics, 365 days, whole process: median ${median} us (target < 30000 us)"
