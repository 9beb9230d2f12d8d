#!/bin/sh
# Runs a test program of the Qt backend on a private virtual X server.
#   run_with_xvfb.sh PROGRAM ARGS...        a bare server, no window manager
#   run_with_xvfb.sh --wm PROGRAM ARGS...   with openbox managing the display
# Listing the tests needs no display.  Without xvfb-run the program runs
# with no display at all, and its tests skip saying so; without openbox the
# window manager's tests skip.
wm=
if [ "$1" = "--wm" ]; then
  wm=openbox
  shift
fi
case " $* " in
  *" --gtest_list_tests "*) exec "$@" ;;
esac

# Inside the server: start the window manager, wait until it has taken the
# display, run the program, then end the window manager.
if [ "$1" = "--inside-wm" ]; then
  shift
  if ! command -v openbox >/dev/null 2>&1; then
    echo "run_with_xvfb.sh: openbox is not installed; the window manager's tests skip (tools/setup.sh installs it)" >&2
    exec "$@"
  fi
  openbox --sm-disable >/dev/null 2>&1 &
  wm_pid=$!
  # A window manager announces itself on the root window (EWMH); 10 s at most.
  tries=0
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    tries=$((tries + 1))
    if [ "$tries" -gt 200 ] || ! kill -0 "$wm_pid" 2>/dev/null; then
      echo "run_with_xvfb.sh: openbox did not take the display" >&2
      break
    fi
    sleep 0.05
  done
  "$@"
  status=$?
  kill "$wm_pid" 2>/dev/null
  wait "$wm_pid" 2>/dev/null
  exit "$status"
fi

unset QT_QPA_PLATFORM WAYLAND_DISPLAY
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "run_with_xvfb.sh: xvfb-run is not installed; the Qt backend tests skip (tools/setup.sh installs it)" >&2
  unset DISPLAY
  exec "$@"
fi
set -- ${wm:+"$0" --inside-wm} "$@"
# xvfb-run -a picks a free display number by looking, not by locking:
# two starting at once can pick the same one, so starts take turns.
# -noreset keeps the server as it is when its last client leaves, so the
# next test of the same program finds it ready.
exec flock "${TMPDIR:-/tmp}/quillpost-xvfb-run.lock" \
  xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" "$@"
