#!/usr/bin/env bash
# Sets everything up and runs the whole suite twice: in a normal build and in a build with
# AddressSanitizer and UndefinedBehaviorSanitizer, which halt on the first error; then fuzzes
# the path-file and preset-index readers and the console for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."

# Both trees are configured with every option this command relies on, so a tree that another
# script configured differently (the demo builds without tests) is switched back, and CTest
# fails rather than passing when it finds no tests.
# The normal tree also builds the benchmarks, so that their short run in the tests keeps them
# working.
scripts/setup.sh build -DQUORVEL_TESTS=ON -DQUORVEL_BENCH=ON -DQUORVEL_SANITIZE=OFF
ctest --test-dir build --output-on-failure --no-tests=error -j2

scripts/setup.sh build-asan -DQUORVEL_TESTS=ON -DQUORVEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure --no-tests=error -j2

scripts/fuzz.sh 25
