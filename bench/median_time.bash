# Sourced by the whole-process benchmarks. median_us RUNS COMMAND... runs the
# command RUNS times (an odd number), its output thrown away, and prints the
# median wall time in microseconds.
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
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p"
}
