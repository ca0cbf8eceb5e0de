#!/usr/bin/env bash
# Runs every fuzz target (or the ones named) for the given seconds each (default 60) with
# AddressSanitizer and UndefinedBehaviorSanitizer, from its seed corpus in fuzz/corpus/<target>/
# plus what earlier runs found (build-asan/corpus/<target>/). Targets run side by side, one a core
# (VD_FUZZ_JOBS, default nproc); each gets its own seconds and runs all of its seeds first. An input
# that crashes, runs longer than 1 s or needs more than 256 MB is saved under fuzz/crashes/. One
# line per target as it ends: executions, coverage, crashes. Fails when any target found a fault.
#   scripts/fuzz.sh [seconds] [target...]
#   scripts/fuzz.sh --budget SECONDS [target...]   one budget of core-seconds for the whole pass,
#                                                  shared equally (at least 1 s a target)
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=60
budget=""
if [ "${1:-}" = "--budget" ]; then
  if [ $# -lt 2 ] || ! [[ "$2" =~ ^[0-9]+$ ]]; then
    echo "usage: fuzz.sh --budget SECONDS [target...]" >&2
    exit 2
  fi
  budget=$2
  shift 2
elif [ $# -gt 0 ] && [[ "$1" =~ ^[0-9]+$ ]]; then
  seconds=$1
  shift
fi
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in "$top"/fuzz/targets/*Fuzz.cpp; do
    targets+=("$(basename "$source" .cpp)")
  done
fi
if [ -n "$budget" ]; then
  seconds=$((budget / ${#targets[@]}))
  [ "$seconds" -ge 1 ] || seconds=1
  echo "fuzz: $budget s over ${#targets[@]} targets, $seconds s each after its seeds"
fi
jobs=${VD_FUZZ_JOBS:-$(nproc)}

"$top/scripts/setup.sh" --fuzz
# The sanitizer's quarantine of freed memory would count against the memory limit.
VD_EXTRA_ASAN_OPTIONS="quarantine_size_mb=16" source "$top/scripts/sanitizer/options.sh"
tree="$top/build-asan"
bin="$tree/bin"
crashes="$top/fuzz/crashes"
results="$tree/fuzz-results"
mkdir -p "$crashes"
rm -rf "$results"
mkdir -p "$results"

# One target's run; its line is printed when it ends, its status kept in $results/<target>.
run_target() {
  local target=$1
  local work="$tree/corpus/$target"
  local log="$tree/fuzz-$target.log"
  mkdir -p "$work"
  # A target's own libFuzzer flags, after the common ones (fuzz/targets/<target>.options: one
  # flag a line, "#" lines explain them).
  local own=()
  if [ -f "$top/fuzz/targets/$target.options" ]; then
    mapfile -t own < <(grep -v '^#' "$top/fuzz/targets/$target.options" | grep -v '^$')
  fi
  # The target's scratch home, removed whatever way the run ends.
  local shm=/dev/shm
  [ -d "$shm" ] && [ -w "$shm" ] || shm="${TMPDIR:-/tmp}"
  local scratch
  scratch=$(mktemp -d "$shm/veldoran-fuzz-run.XXXXXX")
  local start=$SECONDS status=0
  # Run inside the tree: what libFuzzer writes into its working folder (an artefact without a
  # prefix, fork logs) never lands in the repository, wherever the script was started.
  (cd "$tree" && VD_FUZZ_SCRATCH="$scratch" exec "$bin/$target" -max_total_time="$seconds" -timeout=1 \
    -rss_limit_mb=256 -malloc_limit_mb=256 -print_final_stats=1 -artifact_prefix="$crashes/$target-" \
    "${own[@]}" "$work" "$top/fuzz/corpus/$target") >"$log" 2>&1 || status=$?
  rm -rf "$scratch"
  local executions coverage features found
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  # A target that fails before its first input prints neither (grep's status must not end the run).
  coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2 || true)
  features=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2 || true)
  found=$(grep -c '^artifact_prefix=.*Test unit written to' "$log" || true)
  local line
  line=$(printf '%-28s %10s executions  cov %6s  ft %7s  crashes %s  (%ds)' "$target" "${executions:-?}" \
    "${coverage:-?}" "${features:-?}" "$found" $((SECONDS - start)))
  if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
    line+=$'\n'$(grep -m1 -A3 -E '^==[0-9]+==ERROR|^SUMMARY|runtime error' "$log" | sed 's/^/    /' || true)
    line+=$'\n'"    full log: $log"
    echo 1 >"$results/$target"
  else
    echo 0 >"$results/$target"
  fi
  echo "$line"
}

running=0
for target in "${targets[@]}"; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n || true
    running=$((running - 1))
  fi
  run_target "$target" &
  running=$((running + 1))
done
wait

failed=0
for target in "${targets[@]}"; do
  if [ "$(cat "$results/$target" 2>/dev/null)" != 0 ]; then
    failed=1
  fi
done
exit $failed
