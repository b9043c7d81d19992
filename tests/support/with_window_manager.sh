#!/usr/bin/env bash
# Runs a command on a virtual X screen (Xvfb, 1024 x 768, or the size in
# TESSARO_E2E_SCREEN such as 800x600) with a real window manager (openbox),
# as on a desktop, and returns its status.
# Usage: with_window_manager.sh COMMAND [ARG...]
set -euo pipefail

work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and tells its number; -noreset keeps the server
# when the last client leaves.
Xvfb -displayfd 3 -screen 0 "${TESSARO_E2E_SCREEN:-1024x768}x24" -noreset -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 1 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
# The window manager is running once it announces itself on the root window.
for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
    { echo "openbox did not start:"; cat "$work/openbox.log"; exit 1; }

unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb
status=0
"$@" || status=$?
exit $status
