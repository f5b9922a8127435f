#!/usr/bin/env bash
# tavorin next on a seeded device folder as a whole process, as a status
# bar runs it every 30 seconds: median wall time of 21 runs.
set -euo pipefail
source "$(dirname "$0")/../median_time.bash"
tavorin="${1:-build}/cli/tavorin"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME="$scratch"
"$tavorin" next > /dev/null
median=$(median_us 21 "$tavorin" next --format '{name} {time} ({left})')
echo "tavorin next, whole process: median ${median} us (target < 10000 us)"
