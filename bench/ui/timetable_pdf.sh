#!/usr/bin/env bash
# halvo-tavorin --timetable-pdf for one month as a whole process, on a
# seeded store, without a display. Median of 11 (target < 300 ms).
set -euo pipefail
source "$(dirname "$0")/../median_time.bash"
build=${1:-build}
program="$build/shell/halvo-tavorin"
[ -x "$program" ] || { echo "timetable_pdf: $program not built"; exit 0; }
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
export XDG_DATA_HOME="$data"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
"$program" --timetable-pdf "$data/seed.pdf" 2>/dev/null # seeds the store
# Qt's notes on stderr (a missing runtime folder) are not the timing's.
quiet() { "$@" 2>/dev/null; }
us=$(median_us 11 quiet "$program" --timetable-pdf "$data/month.pdf" --month 2027-02)
echo "a month's PDF, whole process: median $((us / 1000)) ms (target < 300 ms)"
