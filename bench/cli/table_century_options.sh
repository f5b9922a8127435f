#!/usr/bin/env bash
# A century's timetable with the calculation options in force: median wall
# time of 21 runs.
set -euo pipefail
source "$(dirname "$0")/../median_time.bash"
tavorin="${1:-build}/cli/tavorin"
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
export XDG_DATA_HOME="$data"
for option in "Method Turkey" "Rounding Nearest" "HighLatitude MiddleOfNight" \
  "PolarDays NearestLatitude" "HijriCalendar UmmAlQura" "HijriAdjust 1" "Clock 24"; do
  # shellcheck disable=SC2086
  "$tavorin" settings set $option
done
median=$(median_us 21 "$tavorin" table --lon -122.33 --lat 47.61 --tz -8 \
  --from 1950-01-01 --to 2049-12-31)
echo "tavorin table, 36525 days, every option, whole process: median ${median} us (target < 40000 us)"
