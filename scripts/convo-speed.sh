#!/usr/bin/env bash
# Times orvia-test in one run against what it is measured by: 10,000 turns of
# test files against orvia-chat answering the same sentences, and --compare of
# two bases on 10,000 sentences against orvia-chat answering them with each.
# The sentences are the evaluation sets of tests/data, over and over. Prints the
# median wall time of RUNS runs of each and the ratios.
# usage: scripts/convo-speed.sh [BIN_FOLDER] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-$root/build/bin}
runs=${2:-5}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

for _ in 1 2 3 4 5 6 7 8; do cat "$root"/tests/data/eval_*.txt; echo; done | grep -v '^[#/]' \
  | awk '/^$/ { print; next } n < 10000 { print; n++ }' > "$tmp/sentences.txt"
grep -v '^$' "$tmp/sentences.txt" > "$tmp/flat.txt"
"$bin/orvia-test" --record "$tmp/codes.convo" --name Sam "$tmp/sentences.txt" "$root/data" > /dev/null
# The same with two checks of the text on every turn, each judged on every entry of the block.
awk '{ print } /^>/ { print "< !~ ["; print "< !~ {" }' "$tmp/codes.convo" > "$tmp/texts.convo"
# The second base: the shipped one with a line added near the top of the main index.
cp -r "$root/data" "$tmp/new"
sed -i '20i 0001 pizza' "$tmp/new/keywords.txt"

# Median wall time in seconds of running the command RUNS times.
median() {
  local times=() t0 t1
  for _ in $(seq "$runs"); do
    t0=$(date +%s.%N); "$@" > /dev/null || [ $? = 1 ]; t1=$(date +%s.%N)
    times+=("$(echo "$t1 - $t0" | bc)")
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'
}
chat() { "$bin/orvia-chat" --name Sam --seed 1 "$1" < "$tmp/flat.txt"; }
both() { chat "$root/data"; chat "$tmp/new"; }

turns=$(grep -c '^>' "$tmp/codes.convo")
t_chat=$(median chat "$root/data")
t_codes=$(median "$bin/orvia-test" --seed 1 "$tmp/codes.convo" "$root/data")
t_texts=$(median "$bin/orvia-test" --seed 1 "$tmp/texts.convo" "$root/data")
t_both=$(median both)
t_compare=$(median "$bin/orvia-test" --compare --name Sam "$root/data" "$tmp/new" "$tmp/sentences.txt")
ratio() { echo "scale=2; $1 / $2" | bc; }
echo "$turns turns; medians of $runs runs, wall seconds"
echo "orvia-chat answering them:                       $t_chat"
echo "orvia-test, code/line/follow-up expectations:    $t_codes  ratio $(ratio "$t_codes" "$t_chat")"
echo "orvia-test, and two text checks on every turn:   $t_texts  ratio $(ratio "$t_texts" "$t_chat")"
echo "orvia-chat answering them with both bases:       $t_both"
echo "orvia-test --compare of the two bases:           $t_compare  ratio $(ratio "$t_compare" "$t_both")"
