#!/usr/bin/env bash
# Installs what is missing, builds quillpost and starts it in build/run/,
# a working directory holding sys.con, Frame.bmp and Title.bmp.
#
# With a display (DISPLAY or WAYLAND_DISPLAY set and reachable) the program
# opens its window on the desktop.  Without one it runs on the headless
# backend for a few seconds of virtual time and writes a screenshot of its
# main window to build/run/quillpost-screenshot.bmp.
#
#   tools/run.sh [PORT]     PORT: the local demo news service's port (12348)
#   QP_BUILD_DIR=dir        builds in dir instead of build/
set -euo pipefail
cd "$(dirname "$0")/.."

build="${QP_BUILD_DIR:-build}"
port="${1:-12348}"

tools/setup.sh
cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target quillpost
build="$(cd "$build" && pwd)"

run="$build/run"
artwork="$build/res"
mkdir -p "$run"
cp "$artwork/Frame.bmp" "$artwork/Title.bmp" "$run/"
# The local demo service: host, title bitmap, port (one per line).
printf '127.0.0.1\nTitle.bmp\n%s\n' "$port" > "$run/sys.con"

program="$build/bin/quillpost"
cd "$run"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: starting quillpost on the desktop in $(pwd)"
  # The program falls back to the headless backend itself, saying so,
  # when the display named cannot be opened.
  exec "$program" --screenshot "$(pwd)/quillpost-screenshot.bmp"
fi
echo "run.sh: no display; running quillpost headless in $(pwd)"
exec "$program" --headless-screenshot "$(pwd)/quillpost-screenshot.bmp"
