#!/usr/bin/env bash
# Builds the path-file and preset-index reader fuzzers and the console fuzzer with clang
# (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) into build-fuzz/ and runs each for
# a bounded time.
# Exits non-zero on any crash, sanitizer report or broken reader promise; the input that
# caused it is left in build-fuzz/ as <fuzzer>-crash-*.
# Usage: scripts/fuzz.sh [seconds per fuzzer, default 25]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-25}"
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >&2
cmake --build build-fuzz -j2 >&2

# Absolute paths: the console fuzzer runs in a scratch folder of its own.
run_fuzzer() {
    local name="$1" seeds="$PWD/$2" dictionary="$PWD/$3"
    local corpus="$PWD/build-fuzz/corpus/$name"
    mkdir -p "$corpus"
    echo "fuzzing $name for ${seconds}s" >&2
    ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        "build-fuzz/$name" -max_total_time="$seconds" -timeout=10 -max_len=8192 \
        -dict="$dictionary" -artifact_prefix="$PWD/build-fuzz/$name-" -print_final_stats=1 \
        "$corpus" "$seeds" >&2
}

run_fuzzer path_file_fuzzer fuzz/corpus/path fuzz/path.dict
run_fuzzer preset_index_fuzzer fuzz/corpus/index fuzz/index.dict
run_fuzzer console_fuzzer fuzz/corpus/console fuzz/console.dict
echo "fuzzing found nothing" >&2
