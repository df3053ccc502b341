#!/usr/bin/env bash
# Builds the harnesses' seed inputs from the shipped knowledge base (data/)
# into the folder given, one subfolder per harness. Deterministic; a few
# hundred small files.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
data=$root/data
out=${1:?usage: seeds.sh OUTPUT_FOLDER}
rm -rf "$out"
for h in search select reply template console cipher validator substitutions check convo lsp; do mkdir -p "$out/$h"; done

# A seed is named by its content, as libFuzzer names what it finds.
seed() { local t; t=$(mktemp); cat > "$t"; mv "$t" "$out/$1/$(sha1sum < "$t" | cut -c1-40)"; }
# A file part: its name, a line feed, its bytes.
part() { printf '%s\n' "$1"; cat "$data/$1"; }
# Every 25th keyword phrase of an index, for sentences.
phrases() { grep -a '^[^/[]....' "$data/$1" | cut -c6- | tr -d '\r' | awk 'NR % 25 == 1'; }
indexes=$(cd "$data" && grep -l '^\[' -- *.txt)
responses=$(cd "$data" && grep -L '^\[' -- *.txt)

for index in $indexes; do
  while IFS= read -r p; do
    { printf 'so %s then\377\377%s\377\377' "$p" "$p"; part "$index" | sed '1s/.*/keywords.txt/'; } | seed search
  done < <(phrases "$index" | head -8)
  # For the walk: the index's first lines with the head of each response file
  # they name, small enough to walk a thousand times a second.
  { printf 'keywords.txt\n'; head -30 "$data/$index"
    for f in $(head -30 "$data/$index" | grep -a '^\[' | tr -d '\r[]' | sort -u); do
      [ -f "$data/$f" ] && { printf '\377\377%s\n' "$f"; head -25 "$data/$f"; }
    done; } | seed validator
done
# The checker walks the same bases, with a few words that hide phrases of the shipped base.
for f in "$out"/validator/*; do
  { printf 'summer\nterm\nrelating\nmeasure\nwindow\ncategory\nwonderful\n\0'; cat "$f"; } | seed check
done

# A NUL inside a line, before a character that is not ASCII; a sentence with
# a lone surrogate (as raw UTF-16) beside a phrase "?"; indexes in UTF-16.
printf 'the cafeteria is closed\377\377\377\377keywords.txt\n0009 caf\0\xc3\xa9\r\n0010 \0\xc3\xa9\r\n[r.txt]\r\n0011 closed\r\n' | seed search
printf '\x00\xd8x\x00\377\377\377\377keywords.txt\n0001 ?\r\n0002 x\r\n' | seed search
for to in UTF-16 UTF-16LE UTF-16BE; do
  { printf 'so %s then\377\377\377\377keywords.txt\n' "$(phrases keywords.txt | head -1)"; head -60 "$data/keywords.txt" | iconv -f UTF-8 -t $to; } | seed search
done

# Scripts and forms that fold: sharp s, final sigma, dotted I, decomposed
# accents, ligatures, surrogate pairs, text without blanks; with and without
# accents folded, and a reflection table of several words and Han runs.
printf 'ICH WOHNE IN DER STRASSE\377\377\377\377keywords.txt\n[r.txt]\r\n0001 stra\xc3\x9fe \r\n0002 \xce\xbf\xce\xb4\xcf\x85\xcf\x83\xcf\x83\xce\xad\xce\xb1\xcf\x82\r\n' | seed search
printf '\xc4\xb0stanbul e\xcc\x81cole \xef\xac\x83ce\377\377\377\377keywords.txt\n0001 istanbul\r\n0002 \xc3\xa9cole\r\n0003 office\r\n\377\377settings.txt\nfold-accents yes\r\nkeep-case yes\r\n' | seed search
printf '\xce\x9f\xce\x94\xce\xa5\xce\xa3\xce\xa3\xce\x95\xce\x91\xce\xa3 \xf0\x9f\x98\x80\377\377\377\377keywords.txt\n0001 \xce\xbf\xce\xb4\xcf\x85\xcf\x83\xcf\x83\xce\xad\xce\xb1\xcf\x82\r\n\377\377settings.txt\nfold-accents yes\r\n' | seed search
printf '[following] and [keyword]\377\377\xe6\x88\x91\xe9\x9c\x80\xe8\xa6\x81\377\377\xe6\x88\x91\xe9\x9c\x80\xe8\xa6\x81\xe4\xbd\xa0\xf0\x9f\x98\x80\xe5\xb8\xae\xe5\x8a\xa9\xe3\x80\x82\377\377Vask\377\377swap \xe6\x88\x91 \xe4\xbd\xa0\nswap \xe4\xbd\xa0 \xe6\x88\x91\nswap je_suis tu_es\nswap j\x27 tu\n' | seed template
printf '[following]\377\377stra\xc3\x9f\377\377STRASSE e\xcc\x81 je suis j\x27ai \xce\xa3\xce\x9f\xce\xa6\xce\x9f\xce\xa3\377\377Vask\377\377swap je_suis tu_es\nswap j\x27 tu\nswap j\x27ai tu_as\n' | seed template

sentences=$(phrases keywords.txt | head -12)
i=0
sentence() { echo "$sentences" | sed -n "$(( ($1 % 12) + 1 ))p"; }
for f in $responses; do
  for code in $(grep -a '^\*' "$data/$f" | tr -d '\r*' | sort -u | head -4); do
    i=$((i + 1)); p=$(sentence $i)
    { printf '3%s\377\377%s\377\377i said %s to you\377\377Vask\377\377' "$code" "$p" "$p"; part "$f"; } | seed select
  done
  # Entries with tags, filled against a sentence.
  while IFS= read -r entry; do
    i=$((i + 1)); p=$(sentence $i)
    printf '%s\377\377%s\377\377i think %s is what you and me like!\377\377Vask' "${entry:1}" "$p" "$p" | seed template
  done < <(grep -a '^[#$].*\[' "$data/$f" | tr -d '\r' | head -6)
  head -c 96 "$data/$f" | seed reply
done

for c in "set debugmode on" "SET DebugMode ON" "set voicemode off" "set voicemode maybe" "set  x" "set" \
         "get debugmode" "get voicemode" "get" "get x" "encrypt hello world" "decrypt e\`lcm\`" "encrypt " " set" ""; do
  printf '%s\377\377dv' "$c" | seed console
done
while IFS= read -r p; do
  printf 'encrypt %s' "$p" | seed console
  printf 'Tesra\377\377%s' "$p" | seed cipher
done < <(echo "$sentences")
printf 'Tesra\377\377\xef\xbb\xbf caf\xc3\xa9 \xe2\x82\xac' | seed cipher

# The shipped substitution table with sentences typed fast, and small tables of their own.
for s in "im ok, u?" "I\xe2\x80\x99m fine thx" "'dont' go" "wat r u doin 2nite lol" "gr8!! cya l8r"; do
  { cat "$data/substitutions.txt"; printf '\377\377'; printf "$s"; } | seed substitutions
done
printf "im i'm\r\n'cause because\r\nx\r\nim twice\377\377im here 'cause\xf0\x9d\x92\x9cim" | seed substitutions

# orvia-test's files: the shipped test files cut into conversations, malformed lines, sentences.
for f in "$root"/tests/data/convo/*.convo; do
  awk -v RS= 'NR % 9 == 1 && NR < 60 { print; print "" }' "$f" | seed convo
done
printf '> hi\n< code 0001 a.txt\n< line keywords.txt:2\n< line preset1.txt\n< follow-up walk.txt\n< ~ hi\n< !~ [\n< =\n< = hi Ann\n< any\n< fallback\n' | seed convo
printf 'name: Ann\r\n>\r\n< code 00001\r\n< line x:0\r\n<\r\nname: x\r\nstray\r\n\r\n\xef\xbb\xbf> caf\xe9\r\n> a\0b\r' | seed convo
head -40 "$root/tests/data/eval_people.txt" | seed convo

# orvia-lsp's streams: an editor's session on the stand-in base ($BASE is its data
# folder), each request at a few places, and malformed frames.
frame() { printf 'Content-Length: %d\r\n\r\n%s' "${#1}" "$1"; }
at() { printf '{"jsonrpc":"2.0","id":%s,"method":"%s","params":{"textDocument":{"uri":"$BASE/%s"},"position":{"line":%s,"character":%s}%s}}' "$@"; }
open='{"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":{"uri":"$BASE/keywords.txt","version":1,"text":"[r.txt]\r\n0001 hello\r\n0002 gone\r\n"}}}'
change='{"jsonrpc":"2.0","method":"textDocument/didChange","params":{"textDocument":{"uri":"$BASE/r.txt","version":2},"contentChanges":[{"text":"*0002\r\n# [next]\r\n*\r\n"}]}}'
for method in definition references hover completion prepareRename documentSymbol codeAction; do
  for place in "keywords.txt 1 2" "keywords.txt 0 1" "r.txt 0 1" "r.txt 1 5" "r.txt 3 1" "fu.txt 1 0"; do
    set -- $place
    { frame "$open"; frame "$(at 2 "textDocument/$method" "$1" "$2" "$3" ',"context":{"includeDeclaration":true},"range":{"start":{"line":1,"character":0}}')"; } | seed lsp
  done
done
{ frame "$open"; frame "$change"; frame "$(at 3 textDocument/rename keywords.txt 1 0 ',"newName":"0009"')"; } | seed lsp
{ frame "$open"; frame '{"jsonrpc":"2.0","id":4,"method":"workspace/executeCommand","params":{"command":"orvia.trySentence","arguments":["hello you"]}}'; } | seed lsp
{ frame '{"jsonrpc":"2.0","id":5,"method":"shutdown"}'; frame '{"jsonrpc":"2.0","method":"exit"}'; } | seed lsp
printf 'Content-Length: 99999999999\r\n\r\nContent-Type: x\r\n\r\nContent-Length: 4\r\n\r\n{"a"Content-Length: 2\r\n\r\n[]' | seed lsp
