#!/usr/bin/env bash
# Installs what is missing, configures, builds and runs every test.
#   tools/test.sh              the normal build, in build/
#   tools/test.sh --sanitize   the same under AddressSanitizer and UBSan, in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
extra=()
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  extra=(-DQP_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi

tools/setup.sh
cmake -S . -B "$build" -G Ninja "${extra[@]}" >/dev/null
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j2
