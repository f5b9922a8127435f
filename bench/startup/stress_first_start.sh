#!/usr/bin/env bash
# Concurrent first starts, kills and writers on a damaged database, with
# the shipped data; prints the counts. Small by default so `make bench`
# stays quick; the full run is
#   bench/startup/stress_first_start.py build --starts 300 --kills 150 --damaged-rounds 15
set -euo pipefail
build=${1:-build}
exec python3 "$(dirname "$0")/stress_first_start.py" "$build" \
  --starts "${STRESS_STARTS:-40}" --kills "${STRESS_KILLS:-20}" \
  --damaged-rounds "${STRESS_DAMAGED_ROUNDS:-5}"
