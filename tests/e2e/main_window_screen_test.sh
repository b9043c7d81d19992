#!/usr/bin/env bash
# Starts kt-tessaro on a virtual X screen as a user would, grabs the screen
# and checks the main swatch's and a wheel swatch's colours.
# Usage: main_window_screen_test.sh KT_TESSARO SCREEN_PROBE TESSARO_CLI
set -euo pipefail
app=$1 probe=$2 cli=$3

if [ -z "${TESSARO_IN_XVFB:-}" ]; then
    export TESSARO_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi
unset QT_QPA_PLATFORM
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
export HOME=$work XDG_DATA_HOME=$work/share XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# A portable copy with an empty data folder, so nothing of earlier runs
# (history, settings) changes what the window shows.
mkdir -p "$work/prog/TD"
cp "$app" "$work/prog/kt-tessaro"
"$work/prog/kt-tessaro" &
pid=$!
origin=""
for _ in $(seq 1 300); do
    # Only a mapped window counts: hidden helper windows may carry the
    # program's name too.
    if window=$(xdotool search --onlyvisible --name "^KT Tessaro$" 2>/dev/null | head -n 1) && [ -n "$window" ] &&
        info=$(xwininfo -id "$window" 2>/dev/null); then
        x=$(awk -F: '/Absolute upper-left X/ {gsub(/ /, "", $2); print $2}' <<<"$info")
        y=$(awk -F: '/Absolute upper-left Y/ {gsub(/ /, "", $2); print $2}' <<<"$info")
        origin="$x $y"
        break
    fi
    sleep 0.1
done
[ -n "$origin" ] || { echo "FAIL: the main window did not appear"; exit 1; }
sleep 0.5   # let the first paint land
read -r x y <<<"$origin"

# The main swatch is 60 x 60 at 71,144; wheel swatch 6 (Shape8) is 25 x 25 at 87,215.
expected_main="#7FD46E"
expected_wheel6=$("$cli" derive 7FD46E | awk '/^wheel/ {print $8}')
mapfile -t got < <("$probe" $((x + 101)) $((y + 174)) $((x + 99)) $((y + 227)))
status=0
check() {
    if [ "$2" = "$3" ]; then echo "ok: $1 $2"; else echo "FAIL: $1 is $2, expected $3"; status=1; fi
}
check "main swatch" "${got[0]}" "$expected_main"
check "wheel swatch +180" "${got[1]}" "$expected_wheel6"
exit $status
