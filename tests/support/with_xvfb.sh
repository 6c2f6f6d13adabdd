#!/usr/bin/env bash
# Runs a command on an X server of its own: with_xvfb.sh WIDTHxHEIGHT COMMAND [ARG...]
set -euo pipefail
screen=$1
shift
work=$(mktemp -d)
xvfb=""
stop_xvfb() {
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
        xvfb=""
    fi
}
cleanup() {
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT
mkfifo "$work/display"
# A display of its own, picked at random far from :0: a server ending beside it removes the
# socket of the display it had, which a server just started on the lowest free number would
# take over. The server writes the number once it takes connections. It never resets: a server
# resets when its last client leaves and drops whoever connects meanwhile, and under a session
# bus the accessibility bus's launcher comes and goes just before the program connects.
number=""
for attempt in 1 2 3 4 5 6 7 8; do
    candidate=$((100 + RANDOM % 800))
    [ -e "/tmp/.X$candidate-lock" ] && continue
    Xvfb ":$candidate" -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset \
        3>"$work/display" 2>"$work/xvfb.log" &
    xvfb=$!
    if read -r -t 30 number <"$work/display"; then
        break
    fi
    number=""
    stop_xvfb
done
if [ -z "$number" ]; then
    echo "FAIL: Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$number"
"$@"
