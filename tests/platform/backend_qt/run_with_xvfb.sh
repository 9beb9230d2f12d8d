#!/bin/sh
# Runs a test program of the Qt backend on a private virtual X server.
# Listing the tests needs no display.  Without xvfb-run the program runs
# with no display at all, and its tests skip saying so.
case " $* " in
  *" --gtest_list_tests "*) exec "$@" ;;
esac
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "run_with_xvfb.sh: xvfb-run is not installed; the Qt backend tests skip (tools/setup.sh installs it)" >&2
  unset DISPLAY
  exec "$@"
fi
# xvfb-run -a picks a free display number by looking, not by locking:
# two starting at once can pick the same one, so starts take turns.
exec flock "${TMPDIR:-/tmp}/quillpost-xvfb-run.lock" \
  xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$@"
