#!/usr/bin/env bash
# First start with the shipped data as a whole process: a fresh device
# folder each run, so every run installs and imports the seed files, then
# prints today's times. Median wall time of 11 runs.
set -euo pipefail
build=${1:-build}
tavorin="$build/cli/tavorin"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
times=()
for run in $(seq 11); do
  start=$(date +%s%N)
  XDG_DATA_HOME="$scratch/$run" "$tavorin" times > /dev/null
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000 )))
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 6p)
echo "first start (installation and import) with tavorin times, whole process: median ${median} us (target < 1000000 us)"
