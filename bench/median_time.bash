# Sourced by the whole-process benchmarks.

# median VALUES...: the middle one of an odd number of whole numbers.
median() {
  printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"
}

# median_us RUNS COMMAND...: runs the command RUNS times (an odd number), its
# output thrown away, and prints the median wall time in microseconds. The
# clock is bash's own: reading it through `date` would add two process starts
# (about 3 ms here) to every run.
median_us() {
  local runs=$1
  shift
  local times=() start end
  for _ in $(seq "$runs"); do
    start=${EPOCHREALTIME/[.,]/}
    "$@" > /dev/null
    end=${EPOCHREALTIME/[.,]/}
    times+=($((10#$end - 10#$start)))
  done
  median "${times[@]}"
}
