#!/usr/bin/env bash
# First start with the shipped data as a whole process: a fresh device
# folder each run, so every run installs and imports the seed files, then
# prints today's times. Median wall time of 11 runs.
set -euo pipefail
source "$(dirname "$0")/../median_time.bash"
tavorin="${1:-build}/cli/tavorin"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
run=0
first_start() {
  run=$((run + 1))
  XDG_DATA_HOME="$scratch/$run" "$tavorin" times
}
median=$(median_us 11 first_start)
echo "first start (installation and import) with tavorin times, whole process: median ${median} us (target < 1000000 us)"
