#!/usr/bin/env bash
# Installs what building, running and testing Velmora needs on Debian 12 (as root, or via sudo).
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-serialport-dev libgl-dev libcups2-dev
          socat poppler-utils cups-daemon cups-client)
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
