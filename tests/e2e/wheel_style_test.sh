#!/usr/bin/env bash
# Wheel styles with the real pointer: a right click on the main swatch, the
# wheel menu's "Load Color Wheel Style...", a click on one style (applied at
# once), the keyboard to another and "Done"; the main swatch is then where
# that style puts it, and it is still there after a restart.
# Usage: wheel_style_test.sh KT_TESSARO DATA_CWSS_FOLDER
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1 styles=$2

e2e_portable_copy "$app"
cp "$styles"/*.whl "$prog/CWSs/"
main_colour="#7FD46E"

# A point of the wheel section that only the "Row" style's large main
# swatch covers.
row_probe() { "$TESSARO_SCREEN_PROBE" $((x + 20)) $((y + 100)); }

e2e_open_program
before=$(row_probe)
[ "$before" != "$main_colour" ] || fail "the default wheel already covers the probe point"

# Right click on the main swatch: the wheel menu; the fifth entry loads a style.
xdotool mousemove $((x + 101)) $((y + 174)) click 3
sleep 0.4
xdotool key Up Return
if wait_for_named "Load Wheel Style"; then
    chooser=$window
    read -r cx cy < <(window_origin_of "$chooser")
    # The first line ("Compact Ring.whl") applies at once.
    xdotool mousemove $((cx + 40)) $((cy + 47)) click 1
    sleep 0.3
    # Three lines down is "Row.whl"; "Done" applies it and closes.
    xdotool key Down Down Down
    sleep 0.2
    e2e_screenshot wheel_style_chooser
    xdotool mousemove $((cx + 170)) $((cy + 226)) click 1
    sleep 0.5
    xdotool search --onlyvisible --name "^Load Wheel Style\$" >/dev/null 2>&1 && fail "Done left the chooser open"
else
    fail "the wheel menu opened no chooser"
fi
[ "$(row_probe)" = "$main_colour" ] || fail "after Done the probe point shows $(row_probe), expected the main colour"
e2e_screenshot wheel_style_row

xdotool mousemove $((x + 502)) $((y + 9)) click 1
wait_for_exit || fail "the program did not end after the close button"
grep -q "^lastwhl=$prog/CWSs/Row.whl"$'\r'"\$" "$prog/TD/set.set" || fail "set.set does not remember the style"

e2e_open_program
[ "$(row_probe)" = "$main_colour" ] || fail "after the restart the probe point shows $(row_probe)"

[ $status -eq 0 ] && echo "PASS: wheel style chosen with the pointer, applied and kept across a restart"
exit $status
