#!/usr/bin/env bash
# Builds the Debian package from the build tree, checks it, unpacks it into a
# scratch root and starts the unpacked program offscreen twice: as installed
# (it must seed a per-user folder) and from a portable folder (it must not).
# Usage: test_package.sh BUILD_DIR
set -euo pipefail
export LC_ALL=C  # byte-wise greps of the logs, whatever their text
build=$1
scratch=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/pkg" >/dev/null
deb=$(echo "$scratch"/pkg/*.deb)
lintian --fail-on error "$deb" 2>/dev/null
root=$scratch/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null \
  || appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml

# A new botmaster's first steps: the guide and the licences are in the package,
# help needs no display, and the starter bot checks clean and chats.
[ -s "$root/usr/share/doc/orvia/KNOWLEDGE.md" ] || fail "the guide is not in /usr/share/doc/orvia"
grep -q "^License: Expat" "$root/usr/share/doc/orvia/copyright" || fail "no licence for the program in copyright"
grep -q "^License: CC0-1.0" "$root/usr/share/doc/orvia/copyright" || fail "no licence for the knowledge base in copyright"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/orvia" --help | grep -q "^Usage: orvia " \
  || fail "orvia --help needs a display"
"$root/usr/bin/orvia-check" --init "$scratch/bot" >/dev/null || fail "orvia-check --init failed"
"$root/usr/bin/orvia-check" --werror "$scratch/bot" >/dev/null || fail "the starter bot does not check clean"
printf 'Sam\nhello\n' | "$root/usr/bin/orvia-chat" "$scratch/bot" | grep -q "^<Sam> hello" || fail "the starter bot does not chat"
printf 'name: Sam\n> hello\n< any\n' > "$scratch/hello.convo"
"$root/usr/bin/orvia-test" "$scratch/hello.convo" "$scratch/bot" | grep -q "^1 conversation, 1 turn, 1 expectation: 0 failed" \
  || fail "orvia-test does not run a conversation on the starter bot"
[ -s "$root/usr/share/man/man1/orvia-test.1.gz" ] || fail "no manual page for orvia-test"
[ -s "$root/usr/share/man/man1/orvia-lsp.1.gz" ] || fail "no manual page for orvia-lsp"
# The installed language server answers an editor's first request.
lsp_init='{"jsonrpc":"2.0","id":1,"method":"initialize","params":{"processId":null,"rootUri":null,"capabilities":{}}}'
lsp_out=$(for m in "$lsp_init" '{"jsonrpc":"2.0","id":2,"method":"shutdown"}' '{"jsonrpc":"2.0","method":"exit"}'; do
  printf 'Content-Length: %d\r\n\r\n%s' "${#m}" "$m"; done | timeout 20 "$root/usr/bin/orvia-lsp") \
  || fail "the installed orvia-lsp did not end cleanly after shutdown and exit"
grep -q '"definitionProvider":true' <<<"$lsp_out" || fail "the installed orvia-lsp does not answer initialize"
# The editor files: the Neovim set-up, loaded as installed, finds the syntax beside it.
editors=$root/usr/share/orvia/editors
for f in vim/syntax/orvia.vim vim/ftdetect/orvia.vim nvim/orvia-lsp.lua vscode/package.json \
    vscode/extension.js vscode/syntaxes/orvia.tmLanguage.json; do
  [ -s "$editors/$f" ] || fail "no $f in /usr/share/orvia/editors"
done
nvim --headless --clean -u "$editors/nvim/orvia-lsp.lua" "$root/usr/share/orvia/data/keywords.txt" \
  +'lua io.stdout:write(vim.bo.filetype)' +qall 2>/dev/null | grep -qx orvia \
  || fail "the installed Neovim set-up does not colour keywords.txt"
if QT_QPA_PLATFORM=offscreen "$root/usr/bin/orvia" "$scratch/no such bot" 2>"$scratch/err"; then fail "orvia opened a folder that is not there"; fi
grep -q "^orvia: .*no such folder" "$scratch/err" || fail "orvia did not say why it refused the folder: $(cat "$scratch/err")"

# Starts PROGRAM with HOME=$2 (and the arguments after it) in the background; its pid goes to $pid.
start() {
  env -u XDG_DATA_HOME HOME="$2" QT_QPA_PLATFORM=offscreen "$1" "${@:3}" >/dev/null 2>&1 &
  pid=$!
}
stop() { kill "$pid" 2>/dev/null || fail "the program exited on its own"; wait "$pid" 2>/dev/null || true; pid=; }

# Installed: the per-user folder appears with the knowledge base, logs/ and the entry.
home=$scratch/home
user=$home/.local/share/orvia
start "$root/usr/bin/orvia" "$home"
for _ in $(seq 300); do
  grep -qa "Program Folder Created" "$user/logs/EventLog.txt" 2>/dev/null && break
  sleep 0.1
done
stop
grep -qa "Program Folder Created.*$user" "$user/logs/EventLog.txt" || fail "no event-log entry in $user/logs"
diff -r "$root/usr/share/orvia/data" "$user/data" || fail "$user/data is not the shipped knowledge base"
[ "$(ls "$user/logs")" = EventLog.txt ] || fail "logs/ holds more than the event log: $(ls "$user/logs")"
[ "$(ls "$user")" = "$(printf 'data\nlogs')" ] || fail "$user holds more than data/ and logs/"

# Portable: data/ beside the program, so no per-user folder, though the
# shipped base is in reach as well.
home=$scratch/home-portable
mkdir -p "$root/usr/bin/logs" "$home"
cp -r "$root/usr/share/orvia/data" "$root/usr/bin/data"
start "$root/usr/bin/orvia" "$home"
sleep 3
stop
[ ! -e "$home/.local/share/orvia" ] || fail "a portable start made a per-user folder"

# A bot folder given: the windows open over it, and no per-user folder is set up.
home=$scratch/home-bot
mkdir -p "$home"
rm -rf "$root/usr/bin/data" "$root/usr/bin/logs"
start "$root/usr/bin/orvia" "$home" "$scratch/bot"
sleep 2
stop
[ ! -e "$home/.local/share/orvia" ] || fail "orvia FOLDER set up a per-user folder"
echo "package checked: $(basename "$deb")"
