#!/usr/bin/env bash
# The eye dropper with the real keyboard and pointer over a known picture:
# F1 opens it, the pointer moves onto one block, F3 picks and stays, onto a
# second block, F2 picks and closes. The second colour is the main colour,
# both are at the list's end in order, and history.cl2 holds them after the
# close. Before the picks, presses on the panel pick nothing: a drag on its
# title bar moves it, a double click rolls it up and down, a right click on
# the magnifier opens only its menu. Then `kt-tessaro --pick` prints the
# colour under the pointer.
# Usage: eye_dropper_test.sh KT_TESSARO SCREEN_PATTERN
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1 pattern=$2

# The known picture: four blocks of 100 x 100 at (700, 450).
"$pattern" 700 450 &
pattern_pid=$!
e2e_at_exit "kill $pattern_pid"
wait_for_named "screen pattern" || { echo "FAIL: the pattern did not appear"; exit 1; }
sleep 0.3
[ "$("$TESSARO_SCREEN_PROBE" 750 500)" = "#C83214" ] || { echo "FAIL: the pattern is not on the screen"; exit 1; }

e2e_portable_copy "$app"
e2e_open_program
xdotool key --window "$main" F1
wait_for_named "Eye Dropper" || { echo "FAIL: F1 opened no eye dropper"; exit 1; }
dropper=$window
sleep 0.6
# The frozen screenshot covers the screen and still shows the pattern.
[ "$("$TESSARO_SCREEN_PROBE" 850 600)" = "#F0D228" ] || fail "the screenshot does not show the pattern"

# The panel (170 x 233 at 16, 16; its title bar 19 high) is white right of
# the magnifier, at 165, 100 inside it.
panel_white() { [ "$("$TESSARO_SCREEN_PROBE" $(($1 + 165)) $(($2 + 100)))" = "#FFFFFF" ]; }
dropper_open() { xdotool search --onlyvisible --name "^Eye Dropper\$" >/dev/null 2>&1; }
panel_white 16 16 || fail "the panel is not at 16, 16"
xdotool mousemove 60 25 mousedown 1
for step in 1 2 3 4 5; do
    xdotool mousemove $((60 + 40 * step)) $((25 + 20 * step))
    sleep 0.05
done
xdotool mouseup 1
sleep 0.3
dropper_open || fail "a press on the panel's title bar closed the eye dropper"
panel_white 216 116 || fail "the title bar drag did not move the panel to 216, 116"
e2e_screenshot eye_dropper_panel_moved
xdotool mousemove 260 125 click --repeat 2 --delay 80 1
sleep 0.3
dropper_open || fail "a double click on the title bar closed the eye dropper"
panel_white 216 116 && fail "a double click on the title bar did not roll the panel up"
e2e_screenshot eye_dropper_panel_rolled_up
xdotool click --repeat 2 --delay 80 1
sleep 0.3
panel_white 216 116 || fail "a second double click did not roll the panel down"
# The magnifier's menu: Escape closes the menu, not the dropper.
xdotool mousemove $((216 + 80)) $((116 + 100)) click 3
sleep 0.4
e2e_screenshot eye_dropper_magnifier_menu
xdotool key Escape
sleep 0.3
dropper_open || fail "a right click on the magnifier opened no menu (Escape closed the dropper)"

xdotool mousemove 750 500
sleep 0.3
xdotool key F3
sleep 0.2
xdotool mousemove 850 600
sleep 0.3

e2e_screenshot eye_dropper_open
xdotool key F2
sleep 0.5
xdotool search --onlyvisible --name "^Eye Dropper\$" >/dev/null 2>&1 && fail "F2 left the eye dropper open"

wait_for_window || { echo "FAIL: the main window did not come back"; exit 1; }
main=$window
sleep 0.3
e2e_screenshot eye_dropper_picked
# The main swatch (centre of the 60 x 60 circle at 71, 144) and the list.
[ "$("$TESSARO_SCREEN_PROBE" $((x + 101)) $((y + 174)))" = "#F0D228" ] ||
    fail "the main colour shows $("$TESSARO_SCREEN_PROBE" $((x + 101)) $((y + 174))), expected #F0D228"
[ "$("$TESSARO_SCREEN_PROBE" $((x + 343)) $((y + 100)))" = "#C83214" ] || fail "the first pick is not the list's first entry"
[ "$("$TESSARO_SCREEN_PROBE" $((x + 343)) $((y + 130)))" = "#F0D228" ] || fail "the second pick is not at the list's end"

# Close; the changed list's question is answered No.
xdotool mousemove $((x + 502)) $((y + 9)) click 1
if wait_for_named 'Save\?'; then
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    xdotool key n
fi
wait_for_exit || fail "the program did not end"
tail -n 2 "$prog/TD/history.cl2" | tr -d '\r' >"$work/history"
[ "$(cat "$work/history")" = "$(printf '200,50,20 - #C83214\n240,210,40 - #F0D228')" ] ||
    fail "history.cl2 ends with: $(cat "$work/history")"
grep -q "^LastEyeCol=" "$prog/TD/set.set" || fail "set.set has no LastEyeCol"

# ---- --pick: the colour under the pointer on standard output
xdotool mousemove 750 600
( sleep 1.2; xdotool key F2 ) &
picked=$("$prog/kt-tessaro" --pick) || fail "--pick ended with status $?"
[ "$picked" = "#2846B4" ] || fail "--pick printed '$picked', expected #2846B4"
( sleep 1.2; xdotool key Escape ) &
set +e
out=$("$prog/kt-tessaro" --pick)
code=$?
set -e
[ $code -eq 1 ] && [ -z "$out" ] || fail "--pick closed without a pick gave status $code and '$out'"

[ $status -eq 0 ] && echo "PASS: eye dropper picks by F3 and F2, list end, history, --pick"
exit $status
