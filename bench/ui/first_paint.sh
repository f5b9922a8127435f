#!/usr/bin/env bash
# Start to first paint of the desktop program as a process, on a seeded
# store, offscreen; and the resident memory after that paint. Medians of 11.
set -euo pipefail
source "$(dirname "$0")/../median_time.bash"
build=${1:-build}
probe="$build/bench/ui/halvo_first_paint_probe"
[ -x "$probe" ] || { echo "first_paint: $probe not built"; exit 0; }
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
export XDG_DATA_HOME="$data" QT_QPA_PLATFORM=offscreen
"$probe" >/dev/null 2>&1 # seeds the store
times=() rss=()
for _ in $(seq 11); do
  start=$(date +%s%N)
  out=$("$probe" 2>/dev/null)
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000 )))
  rss+=($(echo "$out" | awk '/rss_kb/ {print $2}'))
done
echo "start to first paint: median $(( $(median "${times[@]}") / 1000 )) ms (target < 250 ms)"
echo "resident memory after first paint: median $(( $(median "${rss[@]}") / 1024 )) MB (target < 60 MB)"
