#!/usr/bin/env bash
# Reads the program's windows as a screen reader does: on an X server and a session bus of their
# own, where the accessibility bus starts as at-spi2-core starts it, by D-Bus activation.
# Usage: screen_reader_check.sh PROGRAM [PYTHON3]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
# pyatspi belongs to the Debian interpreter; a python3 earlier on the path may lack it.
python=${2:-/usr/bin/python3}

work=$(mktemp -d)
xvfb=""
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display itself and writes its number once it takes connections, so
# servers started side by side (tests run in parallel) never race for one.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
if ! read -r -t 30 number <"$work/display"; then
    echo "FAIL: Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$number"
# This session's own accessibility bus, never one of a desktop the tests are started from; no
# desktop setting to ask either, the program's bridge is on regardless.
unset AT_SPI_BUS_ADDRESS
dbus-run-session -- "$python" "$here/screen_reader_check.py" "$program"
