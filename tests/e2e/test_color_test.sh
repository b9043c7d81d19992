#!/usr/bin/env bash
# The Test Color window with the real pointer and keyboard: F7 in the main
# window opens it, a click in the layout list loads "Demo Layout 2.sts", a
# harmony swatch dragged from the main window onto a shape fills the shape
# (read back from the screen), and "Save Scheme" with its input box writes
# the scheme file, which is read back; a scheme that cannot be written is
# reported. Down in the layout list loads the next layout; F7 in the window
# hides it. The close button saves the window's settings keys.
# Usage: test_color_test.sh KT_TESSARO TESSARO_CLI
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1 cli=$2

e2e_portable_copy "$app"
cp -r "$(dirname "$app")/TLs/." "$prog/TLs/"

# Sets $tx and $ty: the client origin of window $1.
window_origin() { read -r tx ty < <(window_origin_of "$1"); }

e2e_open_program
xdotool key --window "$main" F7
wait_for_named "Test Color" || { echo "FAIL: F7 did not open the Test Color window"; exit 1; }
test_window=$window
sleep 0.5
# Below the main window's harmonies, with room for a 526-pixel document.
xdotool windowmove --sync "$test_window" 300 290 2>/dev/null || xdotool windowmove "$test_window" 300 290
sleep 0.3
window_origin "$test_window"

# The first layout is 425 pixels wide: the list starts at (8 + 425 + 6, 41);
# its second line is "Demo Layout 2.sts" (526 x 372).
xdotool mousemove $((tx + 439 + 50)) $((ty + 41 + 24)) click 1
sleep 0.5
e2e_screenshot test_color_layout_loaded

# Shape 2 of that layout is the button at (20, 240) of the document (its
# text starts at x 34), which starts at (8, 40) in the window, below the
# main window; the first analogous harmony swatch of the main window sits at
# (222, 108) in its client area.
harmony=$("$cli" derive 7FD46E | awk '$1 == "analogous" {print substr($2, 2)}')
panel_x=$((tx + 8 + 24)) panel_y=$((ty + 40 + 246))
e2e_drag $((x + 222)) $((y + 108)) "$panel_x" "$panel_y"
sleep 0.4
shown=$("$TESSARO_SCREEN_PROBE" $((panel_x + 4)) $((panel_y + 2)))
[ "$shown" = "#$harmony" ] || fail "the shape shows $shown after the drop, expected #$harmony"
e2e_screenshot test_color_after_drop

# "Save Scheme" is the button under the saved schemes: for a 372-pixel
# document the column's page puts it at (0, 347) .. (177, 367), the page at
# (8 + 526 + 6, 26) in the window.
xdotool mousemove $((tx + 540 + 88)) $((ty + 26 + 357)) click 1
if wait_for_named "Type a Filename"; then
    sleep 0.3
    xdotool type --delay 20 "e2e scheme"
    xdotool key Return
    for _ in $(seq 1 50); do [ -f "$prog/e2e scheme.shm" ] && break; sleep 0.1; done
else
    fail "Save Scheme showed no input box"
fi
bgr="\$00${harmony:4:2}${harmony:2:2}${harmony:0:2}"
if [ -f "$prog/e2e scheme.shm" ]; then
    [ "$(grep -c $'\r$' "$prog/e2e scheme.shm")" = 21 ] || fail "the scheme file does not hold 21 CR LF lines"
    line=$(tr -d '\r' <"$prog/e2e scheme.shm" | sed -n 2p)
    [ "$line" = "sc2=$bgr" ] || fail "the scheme's second line is '$line', expected 'sc2=$bgr'"
else
    fail "no scheme file was written"
fi

# A scheme that cannot be written (its folder does not exist) is reported
# in a message box; Return closes it.
xdotool mousemove $((tx + 540 + 88)) $((ty + 26 + 357)) click 1
if wait_for_named "Type a Filename"; then
    sleep 0.3
    xdotool type --delay 20 "no such folder/e2e"
    xdotool key Return
    if wait_for_message_box 50; then
        sleep 0.3
        e2e_screenshot test_color_scheme_not_saved
        xdotool windowactivate --sync "$box" 2>/dev/null || true
        xdotool key Return
        sleep 0.5
        xwininfo -id "$box" 2>/dev/null | grep -q 'Map State: IsViewable' && fail "Return left the message box open"
    else
        fail "a scheme that could not be written showed no message"
    fi
else
    fail "Save Scheme showed no input box the second time"
fi
[ ! -e "$prog/no such folder" ] || fail "a folder was made for the scheme"

# The layout list follows the keyboard: from "Demo Layout 2.sts" two
# presses of Down load "Book - Cover Back.sts" (372 x 526), and the window
# takes its size. F7 in the Test Color window hides it; F7 in the main
# window shows it again.
xdotool mousemove $((tx + 540 + 50)) $((ty + 41 + 24)) click 1
sleep 0.5
xdotool key Down
sleep 0.3
xdotool key Down
sleep 0.5
e2e_screenshot test_color_layout_by_keys
size=$(xwininfo -id "$test_window" | awk -F: '/Width/ {gsub(/ /, "", $2); w = $2} /Height/ {gsub(/ /, "", $2); print w "x" $2}')
[ "$size" = "566x592" ] || fail "after Down twice the Test Color window is $size, expected 566x592 (Book - Cover Back.sts)"
xdotool key F7
sleep 0.5
xwininfo -id "$test_window" | grep -q 'Map State: IsViewable' && fail "F7 in the Test Color window did not hide it"
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key F7
wait_for_named "Test Color" || fail "F7 in the main window did not show the Test Color window again"

# The close button of the main window ends the program and saves the
# window's place and the "Show Texts and Images" check.
xdotool mousemove $((x + 502)) $((y + 9)) click 1
wait_for_exit || fail "the program did not end after the close button"
settings=$(tr -d '\r' <"$prog/TD/set.set")
grep -qx "shp.left=300" <<<"$settings" || fail "set.set holds $(grep shp.left <<<"$settings" || echo 'no shp.left')"
grep -qx "showtext=1" <<<"$settings" || fail "set.set holds no showtext=1"

exit $status
