#!/usr/bin/env bash
# Reads the program's windows as a screen reader does: on an X server and a session bus of their
# own, where the accessibility bus starts as at-spi2-core starts it, by D-Bus activation.
# Usage: screen_reader_check.sh PROGRAM [PYTHON3]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
# pyatspi belongs to the Debian interpreter; a python3 earlier on the path may lack it.
python=${2:-/usr/bin/python3}
# This session's own accessibility bus, never one of a desktop the tests are started from; no
# desktop setting to ask either, the program's bridge is on regardless.
unset AT_SPI_BUS_ADDRESS
exec "$here/../support/with_xvfb.sh" 1280x1024 \
    dbus-run-session -- "$python" "$here/screen_reader_check.py" "$program"
