#!/usr/bin/env bash
# Builds the benchmarks in Release and prints the table of pixkit against
# its peers.
#   bench/run.sh [--size N] [--reps N]
# Run it on an idle machine: the numbers are wall times.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-bench
tools/setup.sh bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQP_BENCH=ON -DQP_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target pixkit_bench

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'); date: $(date -u +%Y-%m-%d)"
"$build/bin/pixkit_bench" "$@"
