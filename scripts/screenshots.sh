#!/usr/bin/env bash
# Starts Orvia under a virtual display once per window, opens that window
# through the ORVIA_SCREENSHOT_WINDOW hook and saves a PNG of the screen.
# The program must be built with -DORVIA_SCREENSHOT_HOOK=ON (`make screenshots`
# does that in build-shots/); a normal build ignores the variables.
# usage: scripts/screenshots.sh path/to/orvia out-folder
set -euo pipefail
exe=$(realpath "$1")
out=${2:-docs/screenshots}
mkdir -p "$out"
out=$(realpath "$out")

shot() {  # name window seconds [lines typed, separated by "|"] [button clicked]
    local name=$1 window=$2 wait=$3 say=${4:-} click=${5:-}
    ORVIA_SCREENSHOT_WINDOW=$window ORVIA_SCREENSHOT_DEBUG=${ORVIA_SCREENSHOT_DEBUG:-} ORVIA_SCREENSHOT_SAY=$say ORVIA_SCREENSHOT_CLICK=$click \
        xvfb-run -a -s "-screen 0 1024x768x24" bash -c \
        "\"$exe\" & pid=\$!; sleep $wait; import -window root \"$out/$name.png\"; kill \$pid"
    echo "$out/$name.png"
}

shot main "" 2
shot chat FrmChecker 3 "Sam|hello|i feel a bit tired today|how are you"
ORVIA_SCREENSHOT_DEBUG=1 shot chat-debug FrmChecker 3 "Sam|hello|my cat is ill|what is your name"
shot checker FrmChecker 2
shot textonly FrmOrvia 3 "Sam|good morning"
shot kezwindow KezWindow 3 "Sam|hi"
shot kezonkez KezOnKez 7
shot orviaonorvia OrviaOnOrvia 7
shot about frmAbout 2
shot console-systems FrmClientConsole 2
shot validator FrmValidKeyword 4 "" cmdStart
shot crc FrmGenerateCRC 2
