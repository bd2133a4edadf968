#!/usr/bin/env bash
# Times the plugin beside the frozen straightforward implementation (tests/oracle/) and prints
# a table: case, optimised median, straightforward median, their ratio, and the case's target
# (bench/targets.txt). Medians are of CPU time over the repetitions, which a machine shared
# with other work disturbs less than wall time; the benchmark's own report goes to stderr and
# stays in build-bench/bench-results.csv.
#
# Usage: scripts/bench.sh [benchmark arguments...]
#   scripts/bench.sh --benchmark_filter=Apply/modes_7_5
#   BENCH_REPETITIONS=9 scripts/bench.sh            (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."

# A Release tree of its own, without the tests, building only the benchmark.
QUORVEL_BUILD_TARGET=quorvel_bench scripts/setup.sh build-bench -DCMAKE_BUILD_TYPE=Release \
    -DQUORVEL_BENCH=ON -DQUORVEL_TESTS=OFF

results=build-bench/bench-results.csv
build-bench/quorvel_bench --benchmark_repetitions="${BENCH_REPETITIONS:-5}" \
    --benchmark_report_aggregates_only=true --benchmark_min_time=0.1 \
    --benchmark_out="$results" --benchmark_out_format=csv "$@" >&2
awk -f scripts/bench-table.awk bench/targets.txt "$results"
