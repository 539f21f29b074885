#!/usr/bin/env bash
# Builds Predivo and runs every test; needs no display (the GUI tests bring their own).
#   scripts/test.sh              the normal build, in build/
#   scripts/test.sh --sanitize   the whole suite with AddressSanitizer and UBSan, in build-asan/
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

dir=$root/build
opts=()
if [[ ${1:-} == --sanitize ]]; then
    dir=$root/build-asan
    opts=(-DPREDIVO_SANITIZE=ON -DPREDIVO_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp
fi
configure "$dir" "${opts[@]}"
cmake --build "$dir"
ctest --test-dir "$dir" --output-on-failure -j2
