#!/usr/bin/env bash
# Runs each harness (all, or those named) for SECONDS: first the inputs kept in
# fuzz/regressions/<harness>/, then fresh fuzzing from the seeds and from the
# corpus kept in the build folder. One line per harness, then a closing count.
# usage: fuzz/run.sh BUILD_FOLDER SECONDS [HARNESS...]
# FUZZ_RUNS=N runs N inputs per harness instead of SECONDS (the long runs of
# docs/RELIABILITY.md: FUZZ_RUNS=1000000).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: run.sh BUILD_FOLDER SECONDS [HARNESS...]}
seconds=${2:?usage: run.sh BUILD_FOLDER SECONDS [HARNESS...]}
shift 2
harnesses=${*:-search select reply template console cipher validator substitutions check convo lsp}
[ -d "$build/fuzz-seeds" ] || bash "$root/fuzz/seeds.sh" "$build/fuzz-seeds"
mkdir -p "$build/fuzz-findings"
runs=${FUZZ_RUNS:--1}
limit=$seconds
[ "$runs" = -1 ] || limit=0
# Allocation stacks only name where freed memory came from; a finding replays
# with them (run the harness on the file alone). Without them a run is faster.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0:quarantine_size_mb=16}
stat() { grep -o "stat::$1: *[0-9]*" "$log" | tail -1 | grep -o '[0-9]*$'; }
passed=0
failed=0
for h in $harnesses; do
  bin=$build/fuzz/fuzz_$h
  log=$build/fuzz-findings/$h.log
  mkdir -p "$build/fuzz-corpus/$h"
  ok=1
  : >"$log"
  mapfile -t kept < <(find "$root/fuzz/regressions/$h" -type f 2>/dev/null | sort)
  # Given files, libFuzzer runs each once and stops at the first failure.
  if [ ${#kept[@]} -gt 0 ] && ! "$bin" "${kept[@]}" >>"$log" 2>&1; then
    ok=0
  elif ! nice -n 10 "$bin" -max_total_time="$limit" -runs="$runs" -timeout=10 -rss_limit_mb=4096 -max_len=4096 -dict="$root/fuzz/orvia.dict" \
      -print_final_stats=1 -artifact_prefix="$build/fuzz-findings/$h-" \
      "$build/fuzz-corpus/$h" "$build/fuzz-seeds/$h" >>"$log" 2>&1; then
    ok=0
  fi
  if [ $ok = 1 ] && [ "$runs" != -1 ]; then
    # libFuzzer times its slowest input in whole seconds: replay the corpus for milliseconds.
    slowest=$(bash "$root/fuzz/slowest.sh" "$bin" "$build/fuzz-corpus/$h")
    echo "fuzz_$h: ok, $(stat number_of_executed_units) inputs at $(stat average_exec_per_sec)/s," \
         "peak $(stat peak_rss_mb) MB, slowest of the corpus: ${slowest:-none}"
    passed=$((passed + 1))
  elif [ $ok = 1 ]; then
    echo "fuzz_$h: ok, $(stat number_of_executed_units) inputs at $(stat average_exec_per_sec)/s, peak $(stat peak_rss_mb) MB"
    passed=$((passed + 1))
  else
    echo "fuzz_$h: FAILED (log: $log)"
    grep -A2 -m1 -E '^FINDING|ERROR: (libFuzzer|AddressSanitizer)|runtime error' "$log" | sed 's/^/    /'
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ $failed = 0 ]
