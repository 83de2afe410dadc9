#!/usr/bin/env bash
# The program in a real X server: starts it under Xvfb, waits for its window, checks the
# title and the client size, takes a screenshot, presses Escape (the window stays) and
# Enter (the program ends), starts it again and closes it with the close box. Fails on a
# crash, a non-zero exit or any output on the program's standard error (Qt's warnings).
#
#   real-window.sh <velmira> <velmira-xprobe> <work-folder>
set -euo pipefail

app=$1
probe=$2
work=$3
title="   Velmira Mixer"

if [ -z "${VELMIRA_IN_XVFB:-}" ]; then
  if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "real-window: xvfb-run is not installed (tools/install-deps.sh installs it)" >&2
    exit 1
  fi
  mkdir -p "$work"
  export VELMIRA_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi

runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
export QT_QPA_PLATFORM=xcb
unset QT_LOGGING_RULES

fail() {
  echo "real-window: $*" >&2
  exit 1
}

# Starts the program; sets $pid and $window.
start() {
  local log=$1
  "$app" 2>"$log" &
  pid=$!
  window=$("$probe" find "$title" 20) || { kill "$pid" 2>/dev/null; cat "$log" >&2; fail "no main window"; }
}

# Waits up to 10 s for the program to end; fails unless it ended with status 0.
expect_exit() {
  local log=$1 what=$2
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    fail "the program did not end after $what"
  fi
  local status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || { cat "$log" >&2; fail "the program ended with status $status after $what"; }
  if [ -s "$log" ]; then
    cat "$log" >&2
    fail "the program wrote to its standard error"
  fi
}

log1=$work/first-run.log
start "$log1"
size=$("$probe" size "$window")
[ "$size" = "672x496" ] || fail "client size is $size, not 672x496"
sleep 0.5
"$probe" shot "$window" "$work/main-window.png" || fail "no screenshot"

"$probe" key "$window" Escape
"$probe" key "$window" Tab
sleep 0.5
"$probe" viewable "$window" || fail "Escape closed the window"
kill -0 "$pid" 2>/dev/null || fail "the program ended on Escape"
# Enter ends the program, which also shows the keys reach it.
"$probe" key "$window" Return
expect_exit "$log1" "Enter"

log2=$work/second-run.log
start "$log2"
"$probe" close "$window"
expect_exit "$log2" "the close box"

echo "real-window: title, size, Escape, Enter and the close box as expected; screenshot in $work"
