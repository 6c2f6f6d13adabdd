#!/usr/bin/env bash
# Runs a command on an X server of its own: with_xvfb.sh WIDTHxHEIGHT COMMAND [ARG...]
# The server picks a free display itself and writes its number once it takes connections, so
# servers started side by side (tests run in parallel) never race for one.
set -euo pipefail
screen=$1
shift
work=$(mktemp -d)
xvfb=""
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
if ! read -r -t 30 number <"$work/display"; then
    echo "FAIL: Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$number"
"$@"
