#!/usr/bin/env bash
# Runs an evaluation set (one sentence a line, "# ..." headers, an empty line
# between conversations) through orvia-chat, one fresh chat per conversation,
# and prints the numbered transcript a judge reads; on standard error, how
# many replies there were and how many repeated the reply before them.
# Usage: scripts/eval-transcript.sh SET [FOLDER] [SEED]   (ORVIA_CHAT names the program)
set -euo pipefail
set_file=$1 folder=${2:-.} seed=${3:-1}
chat=${ORVIA_CHAT:-$(dirname "$0")/../build/bin/orvia-chat}
n=0 repeats=0
conversation() {
    [ -s "$tmp" ] || return 0
    local out
    out=$("$chat" --seed "$seed" "$folder" < "$tmp")
    # The first line is the greeting; then the user's and Orvia's lines alternate.
    local previous
    previous=$(printf '%s\n' "$out" | sed -n '1s/^<Orvia> //p')
    printf '  (greeting) %s\n' "$previous"
    local user=""
    while IFS= read -r line; do
        if [[ $line == "<Orvia> "* ]]; then
            [ -n "$user" ] || continue
            n=$((n + 1))
            printf '[%d] > %s\n[%d] < %s\n' "$n" "$user" "$n" "${line#<Orvia> }"
            [ "${line#<Orvia> }" != "$previous" ] || repeats=$((repeats + 1))
            previous=${line#<Orvia> }
            user=""
        else
            user=${line#<*> }
        fi
    done < <(printf '%s\n' "$out" | tail -n +2)
    : > "$tmp"
}
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT
while IFS= read -r line || [ -n "$line" ]; do
    line=${line%$'\r'}
    if [ -z "$line" ]; then
        conversation
        echo
    elif [[ $line == "#"* ]]; then
        echo "$line"
    else
        printf '%s\n' "$line" >> "$tmp"
    fi
done < "$set_file"
conversation
echo "$n replies, $repeats the same as the reply before" >&2
