#!/usr/bin/env bash
# Runs the window-frame test on a private X server under openbox, a real window manager: the
# offscreen platform has no frames to look at.
# Usage: window_frames.sh TEST_BINARY. Exit 77 (skipped) when Xvfb, openbox or xprop is missing.
set -euo pipefail
for tool in xvfb-run openbox xprop; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
# openbox keeps its session files under HOME; a throw-away one leaves the user's alone. It ends
# with the X server that xvfb-run stops. The inner script expands its own variables.
# shellcheck disable=SC2016
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -c '
  home=$(mktemp -d) && trap "rm -rf $home" EXIT
  HOME=$home openbox --sm-disable >/dev/null 2>&1 &
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
  done
  QT_QPA_PLATFORM=xcb "$0"' "$1"
