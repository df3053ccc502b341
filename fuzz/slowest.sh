#!/usr/bin/env bash
# The slowest input of a corpus: each input is run twice and keeps the faster
# time, so that a moment when the machine was busy elsewhere does not count.
# The first input of the process pays for its start-up and goes first, untimed.
# usage: fuzz/slowest.sh HARNESS CORPUS_FOLDER
set -euo pipefail
mapfile -t corpus < <(find "$2" -type f | sort)
[ ${#corpus[@]} -gt 0 ] || { echo none; exit 0; }
args=("${corpus[0]}")
for f in "${corpus[@]}"; do args+=("$f" "$f"); done
"$1" "${args[@]}" 2>&1 | grep -o 'Executed .* in [0-9]* ms' | tail -n +2 \
  | awk '{ t = $(NF - 1); if (!($2 in best) || t < best[$2]) best[$2] = t }
         END { for (f in best) if (best[f] >= max) { max = best[f]; file = f }; print max " ms (" file ")" }'
