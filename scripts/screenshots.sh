#!/usr/bin/env bash
# Pictures of every window as the frame opens it, on an X server of its own, at the default font,
# at a 14-point application font and twice as large on a 1600 x 1000 screen, one folder each:
#   scripts/screenshots.sh [BUILD_DIR [OUT_DIR]]
# The same runs are tests (ctest -R tst_layout); these keep what they show.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-screenshots}
program="$build/tests/tst_layout"
[ -x "$program" ] || { echo "screenshots: build $program first" >&2; exit 1; }
run() {
    local name=$1
    shift
    env QT_QPA_PLATFORM=xcb VELMORA_SCREENSHOTS="$out/$name" "$@" \
        tests/support/with_xvfb.sh 1600x1000 "$program" >"$out/$name.log" 2>&1 ||
        { echo "screenshots: $name: the layout test failed, see $out/$name.log" >&2; return 1; }
    echo "screenshots: $out/$name"
}
mkdir -p "$out"
status=0
run default || status=1
run 14pt VELMORA_TEST_FONT_POINTS=14 || status=1
run scaled QT_SCALE_FACTOR=2 || status=1
exit $status
