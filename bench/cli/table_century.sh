#!/usr/bin/env bash
# A century's timetable (36,525 days) as a whole process: median wall time
# of 21 runs.
set -euo pipefail
source "$(dirname "$0")/../median_time.bash"
tavorin="${1:-build}/cli/tavorin"
median=$(median_us 21 "$tavorin" table --lon -122.33 --lat 47.61 --tz -8 \
  --from 1950-01-01 --to 2049-12-31)
echo "tavorin table, 36525 days, whole process: median ${median} us (target < 40000 us)"
