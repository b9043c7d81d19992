#!/usr/bin/env bash
# An edited layout is never thrown away without a question. In editing mode
# text 3 of "Demo Layout 1.sts" (face Georgia, not installed here) moves by
# one pixel with the Right key and gets a dummy text in the Text Edit window.
# Closing the Test Color window and then the main window each ask "Save?";
# Escape (Cancel) keeps the window and the program; Yes on the program's
# close saves the layout (with its face) and ends the program. A second run
# answers No when closing the Test Color window: it hides, the layout file
# stays as it was, and the program then closes without a question.
# Usage: layout_leave_question_test.sh KT_TESSARO
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1

e2e_portable_copy "$app"
cp -r "$(dirname "$app")/TLs/." "$prog/TLs/"
demo="$prog/TLs/Demo Layout 1.sts"
cp "$demo" "$work/demo-original.sts"

# The column's pages start at (8 + 425 + 6, 26); "Edit Layout" is the left
# button under the layout list. Text 3 lies at (36, 104) in the document,
# which starts at (8, 40). The close buttons sit 11 pixels left of the
# right edges: 513 - 11 on the main window, 619 - 11 on Test Color.
column=439
text3_x=$((8 + 60))
text3_y=$((40 + 115))

test_color_visible() { xdotool search --onlyvisible --name '^Test Color$' >/dev/null 2>&1; }
question_open() { xdotool search --onlyvisible --name '^Save\?$' >/dev/null 2>&1; }

# Starts the program, opens Test Color with F7, enters editing mode,
# selects text 3 and moves it with the Right key. Sets $main, $x, $y (main
# window) and $tx, $ty (Test Color).
start_and_edit() {
    e2e_open_program
    xdotool windowmove --sync "$main" 0 0 2>/dev/null || xdotool windowmove "$main" 0 0
    sleep 0.3
    read -r x y < <(window_origin_of "$main")
    xdotool windowactivate --sync "$main" 2>/dev/null || true
    xdotool key --window "$main" F7
    wait_for_named "Test Color" || { echo "FAIL: F7 did not open the Test Color window"; exit 1; }
    test_window=$window
    sleep 0.5
    xdotool windowmove --sync "$test_window" 400 300 2>/dev/null || xdotool windowmove "$test_window" 400 300
    sleep 0.3
    read -r tx ty < <(window_origin_of "$test_window")
    xdotool mousemove $((tx + column + 44)) $((ty + 26 + 209)) click 1
    sleep 0.4
    xdotool mousemove $((tx + text3_x)) $((ty + text3_y)) click 1
    sleep 0.4
    xdotool key Right
    sleep 0.3
}

close_test_color() { xdotool mousemove $((tx + 608)) $((ty + 9)) click 1; }
close_main() { xdotool mousemove $((x + 502)) $((y + 9)) click 1; }

# ---- first run: Cancel twice, then Yes saves
start_and_edit

# The right button on the held text: Text Edit, whose face box keeps
# Georgia. In its 462 x 317 client "Insert Dummy Text" lies at (59, 295)
# and opens its menu over itself ("Lorem Ipsum 1" first); OK lies at
# (323, 295).
xdotool mousemove $((tx + text3_x)) $((ty + text3_y)) click 3
if wait_for_named "Text Edit"; then
    sleep 0.4
    read -r ex ey < <(window_origin_of "$window")
    # The window with the window manager's frame lies in the middle of the
    # 1024 x 768 screen (a pixel of rounding either way).
    read -r fl fr ft fb < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    fw=$((fl + 462 + fr)) fh=$((ft + 317 + fb))
    dx=$((ex - fl - (1024 - fw) / 2)) dy=$((ey - ft - (768 - fh) / 2))
    [ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ] ||
        fail "Text Edit is ${dx},${dy} pixels away from the screen's middle"
    xdotool mousemove $((ex + 59)) $((ey + 295)) click 1
    sleep 0.4
    xdotool mousemove $((ex + 40)) $((ey + 296)) click 1
    sleep 0.3
    e2e_screenshot layout_leave_text_edit
    xdotool mousemove $((ex + 323)) $((ey + 295)) click 1
    for _ in $(seq 1 30); do xdotool search --onlyvisible --name '^Text Edit$' >/dev/null 2>&1 || break; sleep 0.1; done
    xdotool search --onlyvisible --name '^Text Edit$' >/dev/null 2>&1 && fail "OK did not close Text Edit"
else
    fail "the right button on the selected text opened no Text Edit window"
fi
sleep 0.3

close_test_color
if wait_for_named 'Save\?'; then
    sleep 0.3
    e2e_screenshot layout_leave_question
    xdotool key Escape
    sleep 0.8
    test_color_visible || fail "Cancel on closing Test Color hid the window"
else
    fail "closing Test Color with an edited layout asked nothing"
fi

close_main
if wait_for_named 'Save\?'; then
    sleep 0.3
    xdotool key Escape
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "Cancel on closing the program ended it"
    test_color_visible || fail "Cancel on closing the program hid Test Color"
else
    fail "closing the program with an edited layout asked nothing"
fi

saved="$prog/TLs/e2e moved.sts"
close_main
if wait_for_named 'Save\?'; then
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    xdotool key y
    if wait_for_named "Document Properties"; then
        sleep 0.3
        xdotool key Return
    else
        fail "Yes showed no Document Properties window"
    fi
    if wait_for_named "Save Test Layout As"; then
        sleep 0.4
        xdotool type --delay 20 "$saved"
        xdotool key Return
    else
        fail "Yes showed no save dialog"
    fi
else
    fail "closing the program the second time asked nothing"
fi
wait_for_exit || fail "the program did not end after Yes and the save"
if [ -f "$saved" ]; then
    lines=$(tr -d '\r' <"$saved")
    grep -qx "t3.left=37" <<<"$lines" || fail "the saved layout holds $(grep '^t3.left=' <<<"$lines"), expected t3.left=37 (the Right key's move)"
    grep -q "^t3.text=Try a colour here.*Lorem ipsum dolor sit amet" <<<"$lines" ||
        fail "the saved layout holds $(grep '^t3.text=' <<<"$lines"), expected the dummy text after the text"
    grep -qx "t3.font=Georgia" <<<"$lines" || fail "the saved layout holds $(grep '^t3.font=' <<<"$lines"), expected t3.font=Georgia"
else
    fail "Yes saved no layout"
fi

# ---- second run: No when closing Test Color
start_and_edit
close_test_color
if wait_for_named 'Save\?'; then
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    xdotool key n
    sleep 0.8
    test_color_visible && fail "No on closing Test Color left the window open"
else
    fail "closing Test Color asked nothing in the second run"
fi
close_main
sleep 1
question_open && fail "closing the program asked again after No"
wait_for_exit || fail "the program did not end after No"
cmp -s "$demo" "$work/demo-original.sts" || fail "No changed the layout file"

[ $status -eq 0 ] && echo "PASS: an edited layout asks before Test Color or the program closes; Cancel stays, Yes saves, No leaves the file"
exit $status
