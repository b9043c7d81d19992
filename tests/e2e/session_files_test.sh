#!/usr/bin/env bash
# A whole run as a user makes it: start with a prepared data folder, undo
# with Ctrl+Z, close with the close button; then the history and settings
# files the program leaves are read back. A second run ends by SIGTERM and
# must save the same way.
# Usage: session_files_test.sh KT_TESSARO
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1

e2e_portable_copy "$app"
printf 'program=tessaro\r\nfirstrun=0\r\n1.left=40\r\n1.top=30\r\nhist.autofade=0\r\nzoom=3\r\n' >"$prog/TD/set.set"
printf '0,0,0 - #000000\r\nxyz\r\n1,2,3 - #010203\r\n#ff8000\r\n' >"$prog/TD/history.cl2"

e2e_open_program
[ "$x $y" = "40 30" ] || fail "window at $x,$y, expected 40,30"
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --window "$window" ctrl+z
sleep 0.3
# The close button is the last of the title bar's buttons, at its right end.
xdotool mousemove $((x + 502)) $((y + 9)) click 1
wait_for_exit || fail "the program did not end after the close button"
# The program ends without taking its windows down, but gives its instance
# lock back.
[ ! -e "$XDG_RUNTIME_DIR/KTTessaro" ] || fail "the instance lock was left behind"

# Undo moves through the steps without changing them: the history file is
# left as it was.
expected_history=$'0,0,0 - #000000\r\nxyz\r\n1,2,3 - #010203\r\n#ff8000\r'
[ "$(cat "$prog/TD/history.cl2")" = "$expected_history" ] ||
    fail "history.cl2 is: $(od -c "$prog/TD/history.cl2" | head -5)"
settings=$(tr -d '\r' <"$prog/TD/set.set")
head -n 5 <<<"$settings" | tr '\n' ' ' | grep -q '^program=tessaro version=1.5.3.41 firstrun=0 1.left=40 1.top=30 $' ||
    fail "set.set starts: $(head -n 5 <<<"$settings" | tr '\n' ' ')"
grep -qx 'zoom=3' <<<"$settings" || fail "zoom was lost"
grep -qx 'hist.autofade=0' <<<"$settings" || fail "hist.autofade was not kept"

# Undo took the main colour back to (1,2,3); the next start shows the newest
# step again. This run copies the main colour, so it owns the clipboard and
# ends the orderly way, and ends by SIGTERM.
e2e_open_program
xdotool key --window "$window" ctrl+c
sleep 0.3
copied=$(xclip -o -selection clipboard 2>/dev/null || true)
[[ $copied == *FF8000* ]] || fail "Ctrl+C copied '$copied', expected the main colour FF8000"
rm "$prog/TD/set.set"
kill -TERM "$pid"
wait_for_exit || fail "the program did not end on SIGTERM"
[ -f "$prog/TD/set.set" ] || fail "SIGTERM did not save the settings"
[ ! -e "$XDG_RUNTIME_DIR/KTTessaro" ] || fail "the instance lock was left behind after SIGTERM"

[ $status -eq 0 ] && echo "ok: session files"
exit $status
