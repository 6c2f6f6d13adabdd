#!/usr/bin/env bash
# Installs what building, running, testing and packaging Velmora needs on Debian 12 (as root, or
# via sudo): the build, the tests' tools, the Debian package's and its smoke start's.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-serialport-dev qt6-svg-dev libgl-dev
          libcups2-dev socat poppler-utils cups-daemon cups-client desktop-file-utils appstream
          dpkg-dev file xvfb xauth xdotool)
# Screen-reader check: the accessibility bus and its Python reader.
packages+=(dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0 fonts-dejavu-core)
# Export: iCalendar through libical, read back in the tests by the Debian parsers.
packages+=(libical-dev pkgconf python3-icalendar python3-vobject)
# With --fuzz, also clang and its libFuzzer and sanitizer runtimes for scripts/fuzz.sh.
[ "${1:-}" = "--fuzz" ] && packages+=(clang-14 libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
