#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a while.
#   fuzz/run.sh [seconds]     seconds per target, 60 by default
# Corpora grow in build-fuzz/corpus/<target>; crashes land in
# build-fuzz/findings/<target>.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build=build-fuzz
tools/setup.sh fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQP_FUZZ=ON -DQP_BUILD_TESTS=OFF -DQP_WITH_QT=OFF >/dev/null
targets=(bmp pcx tga jpeg palette settings icon desktop packets)
cmake --build "$build" --target fuzz_make_seeds "${targets[@]/#/fuzz_}"

seeds="$build/seeds"
rm -rf "$seeds"
for t in "${targets[@]}"; do mkdir -p "$seeds/$t" "$build/corpus/$t" "$build/findings/$t"; done
"$build/bin/fuzz_make_seeds" "$seeds"

status=0
for t in "${targets[@]}"; do
  echo "== fuzz_$t for ${seconds}s"
  log="$build/findings/$t/last-run.log"
  if "$build/bin/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$build/findings/$t/" "$build/corpus/$t" "$seeds/$t" >"$log" 2>&1; then
    grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$log" | sed 's/^/   /'
  else
    echo "   FAILED: see $log"
    tail -n 30 "$log"
    status=1
  fi
done
exit $status
