#!/usr/bin/env bash
# tavorin times on a seeded device folder as a whole process: median wall
# time of 21 runs after one seeding run.
set -euo pipefail
source "$(dirname "$0")/../median_time.bash"
tavorin="${1:-build}/cli/tavorin"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME="$scratch"
"$tavorin" times > /dev/null
median=$(median_us 21 "$tavorin" times)
echo "tavorin times, whole process: median ${median} us (target < 30000 us)"
