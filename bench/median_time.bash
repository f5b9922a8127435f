# Sourced by the whole-process benchmarks.

# median VALUES...: the middle one of an odd number of whole numbers.
median() {
  printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"
}

# median_us RUNS COMMAND...: runs the command RUNS times (an odd number), its
# output thrown away, and prints the median wall time in microseconds.
median_us() {
  local runs=$1
  shift
  local times=() start end
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$@" > /dev/null
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
  done
  median "${times[@]}"
}
