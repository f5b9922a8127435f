#!/usr/bin/env bash
# CPU time the desktop program uses in 60 idle seconds (three 20-second
# refreshes), summed over the program's threads from /proc/<pid>/task/*/
# schedstat (nanoseconds; /proc/<pid>/stat counts only whole 10 ms ticks).
# Measured with the Adhan off, and on for every prayer (each tick then also
# runs the Adhan check), and, where Xvfb and trayer are installed, hidden to
# an XEmbed tray (the tooltip is then updated once a minute). Set
# IDLE_SECONDS to shorten.
#
# The CPU time depends on the machine as much as on the program: on a virtual
# machine whose host reclaims idle memory, touching a few megabytes after 20
# idle seconds costs tens of milliseconds. So the instructions one tick runs
# are counted as well (callgrind, when valgrind is there): that count repeats
# whatever the machine is doing.
set -euo pipefail
build=${1:-build}
program="$build/shell/halvo-tavorin"
tavorin="$build/cli/tavorin"
[ -x "$program" ] || { echo "idle_cpu: $program not built"; exit 0; }
seconds=${IDLE_SECONDS:-60}

measure() {
  local label=$1 adhan=$2 tray=${3:-}
  local data pid before after
  data=$(mktemp -d)
  export XDG_DATA_HOME="$data" QT_QPA_PLATFORM=offscreen
  local args=()
  if [ -n "$tray" ]; then
    export QT_QPA_PLATFORM=xcb DISPLAY="$tray" XDG_CONFIG_HOME="$data/config"
    args=(--hidden)
  fi
  if [ "$adhan" = On ] && [ -x "$tavorin" ]; then
    "$tavorin" times >/dev/null
    for name in Adhan Fajr Zuhr Asr Maghrib Isha; do
      value=1; [ "$name" = Adhan ] && value=On
      "$tavorin" settings set "$name" "$value" >/dev/null
    done
  fi
  "$program" "${args[@]}" >/dev/null 2>&1 &
  pid=$!
  sleep 3 # start-up and seeding done
  cpu_ns() { cat /proc/"$pid"/task/*/schedstat 2>/dev/null | awk '{sum += $1} END {printf "%d\n", sum}'; }
  before=$(cpu_ns)
  sleep "$seconds"
  after=$(cpu_ns)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -rf "$data"
  echo "CPU in $seconds idle seconds, $label: $(( (after - before) / 1000000 )).$(( (after - before) / 100000 % 10 )) ms (target < 20 ms)"
}

measure "Adhan off" Off
measure "Adhan on for every prayer" On

# Hidden to an XEmbed tray on a private display and session bus.
measure_tray() {
  command -v Xvfb > /dev/null && command -v trayer > /dev/null && command -v dbus-daemon > /dev/null || return 0
  local number=150 xvfb bus tray
  while [ -e /tmp/.X$number-lock ]; do number=$((number + 1)); done
  Xvfb :$number -screen 0 800x600x24 -nolisten tcp > /dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -e /tmp/.X11-unix/X$number ] && break; sleep 0.05; done
  bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
  export DBUS_SESSION_BUS_ADDRESS=$(echo "$bus" | sed -n 1p)
  DISPLAY=:$number trayer --edge top --height 32 > /dev/null 2>&1 &
  tray=$!
  sleep 1
  measure "hidden to an XEmbed tray" Off ":$number"
  kill "$tray" "$(echo "$bus" | sed -n 2p)" "$xvfb" 2>/dev/null || true
  wait "$tray" "$xvfb" 2>/dev/null || true
}
measure_tray

count_tick_instructions() {
  command -v valgrind > /dev/null || return 0
  local data out
  data=$(mktemp -d)
  out=$(mktemp -d)
  XDG_DATA_HOME="$data" QT_QPA_PLATFORM=offscreen "$tavorin" times > /dev/null
  # Each tick's count lands in a file of its own; 50 s give two ticks even
  # under valgrind's slow start.
  XDG_DATA_HOME="$data" QT_QPA_PLATFORM=offscreen timeout -s INT 50 valgrind --tool=callgrind \
    --callgrind-out-file="$out/tick.%p" --collect-atstart=no \
    '--toggle-collect=halvo::CMainFrame::OnTimer(unsigned int)' \
    '--dump-after=halvo::CMainFrame::OnTimer(unsigned int)' "$program" > /dev/null 2>&1 || true
  local counts
  counts=$(cat "$out"/tick.*.* 2>/dev/null | awk '/^summary:/ {printf "%s ", $2}')
  rm -rf "$data" "$out"
  echo "instructions in one 20-second tick (callgrind): ${counts:-not measured}"
}
count_tick_instructions
