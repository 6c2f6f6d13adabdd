#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang in build-fuzz/ and runs each for a few seconds:
#   scripts/fuzz.sh                               every target, 5 seconds each
#   FUZZ_SECONDS=600 scripts/fuzz.sh todo_tree    one target, for ten minutes
# The corpus grows in build-fuzz/corpus/<target>/ from run to run; an input that breaks a reader
# is kept in build-fuzz/findings/<target>/ and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-5}
cxx=${FUZZ_CXX:-clang++-14}
if [ "$cxx" = clang++-14 ]; then
    scripts/deps.sh --fuzz
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER="$cxx" -DVELMORA_FUZZ=ON -DBUILD_TESTING=OFF
cmake --build build-fuzz -j2 --target velmora_fuzz
# Absolute paths: a target that stops on a finding is still in its own working folder.
out=$PWD/build-fuzz
"$out/fuzz/velmora_fuzz_seeds" "$out/corpus"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for exe in "$out"/fuzz/fuzz_*; do
        if [ -f "$exe" ] && [ -x "$exe" ]; then
            targets+=("${exe##*/fuzz_}")
        fi
    done
fi
for target in "${targets[@]}"; do
    echo "== fuzz_$target, ${seconds}s"
    mkdir -p "$out/corpus/$target" "$out/findings/$target"
    # Inputs up to a few records of the longest record (5042 bytes, the help topics).
    # A reader that takes seconds over one input has hung: that is a finding too.
    "$out/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=16384 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$out/findings/$target/" "$out/corpus/$target"
done
