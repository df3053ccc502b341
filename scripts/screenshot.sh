#!/usr/bin/env bash
# Starts Orvia under a virtual display and saves a PNG of the whole screen.
# usage: scripts/screenshot.sh path/to/orvia out.png [seconds to wait]
set -euo pipefail
exe=$1 out=$2 wait=${3:-2}
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "\"$exe\" & pid=\$!; sleep $wait; import -window root \"$out\"; kill \$pid"
