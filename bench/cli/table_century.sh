#!/usr/bin/env bash
# A century's timetable (36,525 days) as a whole process: median wall time
# of 21 runs.
set -euo pipefail
build=${1:-build}
tavorin="$build/cli/tavorin"
times=()
for _ in $(seq 21); do
  start=$(date +%s%N)
  "$tavorin" table --lon -122.33 --lat 47.61 --tz -8 --from 1950-01-01 --to 2049-12-31 > /dev/null
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000 )))
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 11p)
echo "tavorin table, 36525 days, whole process: median ${median} us (target < 40000 us)"
