#!/usr/bin/env bash
# The colour list with the real pointer and keyboard: a wheel swatch dragged
# onto the list, Ctrl+S answered in the save dialog, the close button; the
# next start reopens the same list (lastcll). Then a change and the close
# question: Escape (Cancel) keeps the program running; in the Reopen window
# a gone file is reported and leaves the list's file, and Delete acts after
# a click on a line; Yes on the close question saves and ends.
# Usage: color_list_test.sh KT_TESSARO TESSARO_CLI
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1 cli=$2

# The first entry's swatch in the list (Big style), in screen coordinates.
first_entry_colour() {
    "$TESSARO_SCREEN_PROBE" $((x + 343)) $((y + 100))
}

e2e_portable_copy "$app"
list=$work/mine.cll
wheel=$("$cli" derive 7FD46E | awk '$1 == "wheel" {print substr($2, 2)}')

# ---- drag the first wheel swatch onto the list, save it with Ctrl+S
e2e_open_program
e2e_drag $((x + 100)) $((y + 120)) $((x + 400)) $((y + 200))
sleep 0.3
[ "$(first_entry_colour)" = "#$wheel" ] || fail "the list shows $(first_entry_colour) after the drop, expected #$wheel"

xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key --window "$main" ctrl+s
if wait_for_named "Save Color List As"; then
    sleep 0.3
    xdotool type --delay 20 "$list"
    xdotool key Return
    for _ in $(seq 1 50); do [ -f "$list" ] && break; sleep 0.1; done
else
    fail "Ctrl+S showed no save dialog"
fi
[ "$(cat "$list" 2>/dev/null)" = "$(printf '#%s\r' "$wheel")" ] || fail "the saved list holds '$(od -c "$list" 2>/dev/null | head -3)'"

# The list is saved: the close button ends the program without a question.
xdotool mousemove $((x + 502)) $((y + 9)) click 1
wait_for_exit || fail "the program did not end after the close button"
grep -q "^lastcll=$list"$'\r'"\$" "$prog/TD/set.set" || fail "set.set names no lastcll: $(tr -d '\r' <"$prog/TD/set.set" | grep lastcll || true)"
[ "$(tr -d '\r' <"$prog/TD/colorlist.cl1" 2>/dev/null)" = "$list" ] || fail "colorlist.cl1 does not remember $list"

# ---- the next start reopens the list (the reopen list also names a file
# that has gone meanwhile)
printf '%s\r\n' "$work/gone.cll" >>"$prog/TD/colorlist.cl1"
e2e_open_program
[ "$(first_entry_colour)" = "#$wheel" ] || fail "after the restart the list shows $(first_entry_colour), expected #$wheel"

# ---- a change, then the close question
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key --window "$main" ctrl+a
sleep 0.3
xdotool mousemove $((x + 502)) $((y + 9)) click 1
if wait_for_named 'Save\?'; then
    xdotool key Escape
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "Cancel on the close question ended the program"
else
    fail "no close question for a changed list"
fi
# ---- the Reopen window (F11), docked at the main window's right edge; its
# lines are 13 pixels high under a 19-pixel title bar
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key --window "$main" F11
if wait_for_named "Reopen"; then
    reopen=$window
    read -r rx ry < <(window_origin_of "$reopen")
    # The gone file's line: a message says so; the list keeps its file.
    xdotool mousemove $((rx + 40)) $((ry + 19 + 13 + 6)) click 1
    if wait_for_message_box 30; then
        e2e_screenshot reopen_gone_file
        xdotool windowactivate --sync "$box" 2>/dev/null || true
        xdotool key Return
        sleep 0.3
    else
        fail "a click on a gone file's line in Reopen said nothing"
    fi
    # The list's own line, with the list changed: the Load? question, No;
    # the keyboard stays in Reopen, so Delete asks to remove the line (No).
    xdotool mousemove $((rx + 40)) $((ry + 19 + 6)) click 1
    if wait_for_named 'Load\?'; then
        xdotool windowactivate --sync "$window" 2>/dev/null || true
        xdotool key n
        sleep 0.4
        xdotool key Delete
        if wait_for_named 'Remove\?'; then
            xdotool windowactivate --sync "$window" 2>/dev/null || true
            xdotool key n
        else
            fail "Delete after a click on a Reopen line asked nothing"
        fi
    else
        fail "no Load? question for a changed list"
    fi
    sleep 0.3
else
    fail "F11 showed no Reopen window"
fi

xdotool mousemove $((x + 502)) $((y + 9)) click 1
if wait_for_named 'Save\?'; then
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    xdotool key y
else
    fail "no close question the second time"
fi
wait_for_exit || fail "Yes on the close question did not end the program"
[ "$(tr -d '\r' <"$list" | wc -l)" -eq 2 ] || fail "Yes did not save the changed list: $(tr -d '\r' <"$list" | tr '\n' ' ')"

[ $status -eq 0 ] && echo "PASS: colour list dragged, saved, reopened and saved at the close question"
exit $status
