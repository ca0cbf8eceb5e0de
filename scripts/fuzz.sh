#!/usr/bin/env bash
# Runs every fuzz target (or the ones named) for the given seconds each (default 60) with
# AddressSanitizer and UndefinedBehaviorSanitizer, from its seed corpus in fuzz/corpus/<target>/
# plus what earlier runs found (build-fuzz/corpus/<target>/). An input that crashes, runs longer
# than 1 s or needs more than 256 MB is saved under fuzz/crashes/. One line per target:
# executions, coverage, crashes. Fails when any target found a fault.
#   scripts/fuzz.sh [seconds] [target...]
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=60
if [ $# -gt 0 ] && [[ "$1" =~ ^[0-9]+$ ]]; then
  seconds=$1
  shift
fi
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in "$top"/fuzz/targets/*Fuzz.cpp; do
    targets+=("$(basename "$source" .cpp)")
  done
fi

"$top/scripts/setup.sh" --fuzz
# The sanitizer's quarantine of freed memory would count against the memory limit.
VD_EXTRA_ASAN_OPTIONS="quarantine_size_mb=16" source "$top/scripts/sanitizer/options.sh"
bin="$top/build-fuzz/bin"
crashes="$top/fuzz/crashes"
mkdir -p "$crashes"

failed=0
for target in "${targets[@]}"; do
  work="$top/build-fuzz/corpus/$target"
  log="$top/build-fuzz/fuzz-$target.log"
  mkdir -p "$work"
  # A target's own libFuzzer flags, after the common ones (fuzz/targets/<target>.options: one
  # flag a line, "#" lines explain them).
  own=()
  if [ -f "$top/fuzz/targets/$target.options" ]; then
    mapfile -t own < <(grep -v '^#' "$top/fuzz/targets/$target.options" | grep -v '^$')
  fi
  # The target's scratch home, removed whatever way the run ends.
  shm=/dev/shm
  [ -d "$shm" ] && [ -w "$shm" ] || shm="${TMPDIR:-/tmp}"
  export VD_FUZZ_SCRATCH
  VD_FUZZ_SCRATCH=$(mktemp -d "$shm/veldoran-fuzz-run.XXXXXX")
  start=$SECONDS
  status=0
  # Run inside build-fuzz/: what libFuzzer writes into its working folder (an artefact without
  # a prefix, fork logs) never lands in the tree, wherever the script was started.
  (cd "$top/build-fuzz" && exec "$bin/$target" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=256 -malloc_limit_mb=256 \
    -print_final_stats=1 -artifact_prefix="$crashes/$target-" "${own[@]}" \
    "$work" "$top/fuzz/corpus/$target") >"$log" 2>&1 || status=$?
  rm -rf "$VD_FUZZ_SCRATCH"
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  # A target that fails before its first input prints neither (grep's status must not end the run).
  coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2 || true)
  features=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2 || true)
  found=$(grep -c '^artifact_prefix=.*Test unit written to' "$log" || true)
  printf '%-22s %10s executions  cov %6s  ft %7s  crashes %s  (%ds)\n' "$target" "${executions:-?}" \
    "${coverage:-?}" "${features:-?}" "$found" $((SECONDS - start))
  if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
    failed=1
    grep -m1 -A3 -E '^==[0-9]+==ERROR|^SUMMARY|runtime error' "$log" | sed 's/^/    /' || true
    echo "    full log: $log"
  fi
done
exit $failed
