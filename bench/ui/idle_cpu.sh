#!/usr/bin/env bash
# CPU time the desktop program uses in 60 idle seconds (three 20-second
# refreshes), read from /proc/<pid>/stat. Set IDLE_SECONDS to shorten.
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
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
before=$(ticks)
sleep "$seconds"
after=$(ticks)
hz=$(getconf CLK_TCK)
echo "CPU in $seconds idle seconds: $(( (after - before) * 1000 / hz )) ms (target < 20 ms; resolution $(( 1000 / hz )) ms)"
