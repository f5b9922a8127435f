#!/usr/bin/env bash
# CPU time the desktop program uses in 60 idle seconds (three 20-second
# refreshes), summed over the program's threads from /proc/<pid>/task/*/
# schedstat (nanoseconds; /proc/<pid>/stat counts only whole 10 ms ticks).
# Set IDLE_SECONDS to shorten.
set -euo pipefail
build=${1:-build}
program="$build/shell/halvo-tavorin"
[ -x "$program" ] || { echo "idle_cpu: $program not built"; exit 0; }
seconds=${IDLE_SECONDS:-60}
data=$(mktemp -d)
export XDG_DATA_HOME="$data" QT_QPA_PLATFORM=offscreen
"$program" >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$data"' EXIT
sleep 3 # start-up and seeding done
cpu_ns() { cat /proc/"$pid"/task/*/schedstat 2>/dev/null | awk '{sum += $1} END {printf "%d\n", sum}'; }
before=$(cpu_ns)
sleep "$seconds"
after=$(cpu_ns)
echo "CPU in $seconds idle seconds: $(( (after - before) / 1000000 )).$(( (after - before) / 100000 % 10 )) ms (target < 20 ms)"
