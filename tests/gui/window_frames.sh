#!/usr/bin/env bash
# Runs the window-frame test on a private X server (Xvfb, on a display number it picks itself)
# under openbox, a real window manager: the offscreen platform has no frames to look at.
# Usage: window_frames.sh TEST_BINARY. Exit 77 (skipped) when Xvfb, openbox or xprop is missing.
set -euo pipefail
test_binary="$1"
for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# -displayfd: the server takes a free display number and writes it once it accepts clients.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
read -r -t 20 number <"$work/display" || { cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$number"
# openbox keeps its session files under HOME; a throw-away one leaves the user's alone.
HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || { cat "$work/openbox.log"; exit 1; }
QT_QPA_PLATFORM=xcb "$test_binary"
