#!/usr/bin/env bash
# Style and static checks: clang-format on every C++ file, then cppcheck.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h')
clang-format --dry-run -Werror $files
cppcheck --quiet --error-exitcode=1 --enable=warning,style,performance --std=c++20 \
    --suppress=missingIncludeSystem --suppress=useStlAlgorithm --inline-suppr -I src \
    src tests bench fuzz
