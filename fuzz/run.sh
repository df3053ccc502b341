#!/usr/bin/env bash
# Runs each harness (all, or those named) for SECONDS: first the inputs kept in
# fuzz/regressions/<harness>/, then fresh fuzzing from the seeds and from the
# corpus kept in the build folder. One line per harness, then a closing count.
# usage: fuzz/run.sh BUILD_FOLDER SECONDS [HARNESS...]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: run.sh BUILD_FOLDER SECONDS [HARNESS...]}
seconds=${2:?usage: run.sh BUILD_FOLDER SECONDS [HARNESS...]}
shift 2
harnesses=${*:-search select reply template console cipher validator}
[ -d "$build/fuzz-seeds" ] || bash "$root/fuzz/seeds.sh" "$build/fuzz-seeds"
mkdir -p "$build/fuzz-findings"
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
  elif ! "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -max_len=8192 -dict="$root/fuzz/orvia.dict" \
      -print_final_stats=1 -artifact_prefix="$build/fuzz-findings/$h-" \
      "$build/fuzz-corpus/$h" "$build/fuzz-seeds/$h" >>"$log" 2>&1; then
    ok=0
  fi
  if [ $ok = 1 ]; then
    runs=$(grep -o 'number_of_executed_units: *[0-9]*' "$log" | tail -1 | grep -o '[0-9]*$')
    echo "fuzz_$h: ok, ${runs:-0} inputs in ${seconds} s"
    passed=$((passed + 1))
  else
    echo "fuzz_$h: FAILED (log: $log)"
    grep -A2 -m1 -E '^FINDING|ERROR: (libFuzzer|AddressSanitizer)|runtime error' "$log" | sed 's/^/    /'
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ $failed = 0 ]
