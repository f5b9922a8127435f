#!/usr/bin/env bash
# tavorin times on a seeded device folder as a whole process: median wall
# time of 21 runs after one seeding run.
set -euo pipefail
build=${1:-build}
tavorin="$build/cli/tavorin"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME="$scratch"
"$tavorin" times > /dev/null
times=()
for _ in $(seq 21); do
  start=$(date +%s%N)
  "$tavorin" times > /dev/null
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000 )))
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 11p)
echo "tavorin times, whole process: median ${median} us (target < 30000 us)"
