#!/usr/bin/env bash
# Builds with clang under AddressSanitizer + UndefinedBehaviorSanitizer (instrumented for libFuzzer
# too), runs every test and each fuzz target for a bounded time and number of inputs (fixed seed,
# so a run is repeatable); then, unless SKIP_TSAN=1, builds
# under ThreadSanitizer and runs the concurrency tests.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

root=$(pwd)
fuzz_seconds=${FUZZ_SECONDS:-60}
jobs=$(nproc)
export CC=clang CXX=clang++
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRAVLEN_SANITIZE="address;undefined" \
      -DDRAVLEN_FUZZ=ON -DDRAVLEN_BUILD_BENCH=OFF > /dev/null
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan --output-on-failure -j"$jobs"

for target in state preset; do
    work=$(mktemp -d)
    mkdir "$work/corpus"
    echo "Fuzzing the $target reader for ${fuzz_seconds}s"
    status=0
    (cd "$work" && "$root/build-asan/tests/fuzz/dravlen_${target}fuzzer" -max_total_time="$fuzz_seconds" -timeout=10 \
        -rss_limit_mb=2048 -seed="${FUZZ_SEED:-1}" -runs="${FUZZ_RUNS:-200000}" -print_final_stats=1 corpus "$root/tests/fuzz/corpus/$target") > "$work/log" 2>&1 || status=$?
    grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb)|ERROR|SUMMARY" "$work/log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 60 "$work/log"
        echo "The $target fuzz target failed; the input that did it is in $work"
        exit 1
    fi
    rm -rf "$work"
done

if [ "${SKIP_TSAN:-0}" != 1 ]; then
    cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRAVLEN_SANITIZE=thread \
          -DDRAVLEN_BUILD_BENCH=OFF -DDRAVLEN_BUILD_ENGINE_TESTS=OFF > /dev/null
    cmake --build build-tsan -j"$jobs" --target dravlen_core_tests
    TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
        ctest --test-dir build-tsan --output-on-failure -R "Concurrency|ParameterManager|RealtimeSafety"
fi
