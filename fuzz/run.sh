#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs each for SECONDS (default 30),
# starting from a scratch copy of fuzz/corpus/<target>/ so that the seeds in the repository stay
# as they are. Exits non-zero, naming the reproducer, if any target crashes or breaks a property.
#   bash fuzz/run.sh [SECONDS]
# Replay a reproducer with: build-fuzz/<target> FILE
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/setup.sh"

seconds=${1:-30}
targets=(val format calculation calculation_long key_filter statistics pictures)
build=$root/build-fuzz

if [[ ! -f $build/build.ninja ]]; then
    cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >&2
fi
cmake --build "$build" >&2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

failed=0
passed=0
for target in "${targets[@]}"; do
    corpus=$scratch/$target
    artifacts=$build/artifacts/$target
    log=$build/$target.log
    cp -r "$root/fuzz/corpus/$target" "$corpus"
    rm -rf "$artifacts"
    mkdir -p "$artifacts"
    echo "== $target: ${seconds}s" >&2
    if "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" >"$log" 2>&1; then
        grep -E '^stat::(number_of_executed_units|average_exec_per_sec):' "$log" >&2 || true
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        grep -E 'PROPERTY FAILED|ERROR: |runtime error' "$log" | head -5 >&2 || true
        echo "FAILED $target; log $log; reproducer:" >&2
        find "$artifacts" -type f -printf '  %p\n' >&2
    fi
done
echo "fuzz: $passed passed, $failed failed"
((failed == 0))
