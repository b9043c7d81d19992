#!/usr/bin/env bash
# The layout editor with the real pointer and keyboard: F7 opens the Test
# Color window on "Demo Layout 1.sts", "Edit Layout" enters editing mode,
# "Snap to Grid" is ticked on the Advanced page, a click selects the button
# shape, a drag moves it on the grid of 8, and "Save As" (Document
# Properties, then the save dialog) writes the layout, whose file holds the
# shape's new place. Ctrl+A in the document's Height box selects the box's
# text, so the height typed next replaces it.
# Usage: layout_editor_test.sh KT_TESSARO
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1

e2e_portable_copy "$app"
cp -r "$(dirname "$app")/TLs/." "$prog/TLs/"

window_origin() { read -r tx ty < <(window_origin_of "$1"); }
# A click at (X, Y) of the Test Color window.
click_at() {
    xdotool mousemove $((tx + $1)) $((ty + $2))
    sleep 0.1
    xdotool click 1
    sleep 0.3
}

e2e_open_program
xdotool key --window "$main" F7
wait_for_named "Test Color" || { echo "FAIL: F7 did not open the Test Color window"; exit 1; }
test_window=$window
sleep 0.5
xdotool windowmove --sync "$test_window" 300 290 2>/dev/null || xdotool windowmove "$test_window" 300 290
sleep 0.3
window_origin "$test_window"

# The column's pages start at (8 + 425 + 6, 26). "Edit Layout" is the left
# button under the layout list; on the Edit page "Advanced" is at 344 and
# on the Advanced page "Snap to Grid" at 60 and "<< Back" at 174.
column=439
click_at $((column + 44)) $((26 + 209))
click_at $((column + 88)) $((26 + 344))
click_at $((column + 10)) $((26 + 60))
# The Height box of the Advanced page is at (72, 142), 105 x 17.
click_at $((column + 120)) $((26 + 150))
xdotool key ctrl+a
sleep 0.2
xdotool type --delay 30 400
sleep 0.3
e2e_screenshot layout_editor_height_typed
click_at $((column + 88)) $((26 + 174))

# The document starts at (8, 40). Shape 2 is the button at (20, 240), 130 x
# 36, with its text from x 34: a click at (24, 244) selects it; a drag from
# (60, 256) by (21, 13) moves its frame (18, 238) to g(39) - 2, g(251) - 2
# with the grid of 8, so the shape to (32, 248).
click_at $((8 + 24)) $((40 + 244))
e2e_drag $((tx + 8 + 60)) $((ty + 40 + 256)) $((tx + 8 + 81)) $((ty + 40 + 269))
sleep 0.3
e2e_screenshot layout_editor_after_drag

# "Save As": the Document Properties window (Return is OK), then the save
# dialog.
click_at $((column + 88)) $((26 + 323))
if wait_for_named "Document Properties"; then
    sleep 0.3
    e2e_screenshot document_properties
    xdotool key Return
else
    fail "Save As showed no Document Properties window"
fi
saved="$prog/TLs/e2e layout.sts"
if wait_for_named "Save Test Layout As"; then
    sleep 0.4
    xdotool type --delay 20 "$saved"
    xdotool key Return
    for _ in $(seq 1 50); do [ -f "$saved" ] && break; sleep 0.1; done
else
    fail "Save As showed no save dialog"
fi
if [ -f "$saved" ]; then
    lines=$(tr -d '\r' <"$saved")
    grep -qx "s2.left=32" <<<"$lines" || fail "the saved layout holds $(grep '^s2.left=' <<<"$lines"), expected s2.left=32"
    grep -qx "s2.top=248" <<<"$lines" || fail "the saved layout holds $(grep '^s2.top=' <<<"$lines"), expected s2.top=248"
    grep -qx "height=400" <<<"$lines" || fail "the saved layout holds $(grep '^height=' <<<"$lines"), expected height=400 (Ctrl+A then 400 in the Height box)"
    grep -qx "title=Demo Layout 1" <<<"$lines" || fail "the saved layout's title is $(grep '^title=' <<<"$lines")"
else
    fail "no layout file was written"
fi
e2e_screenshot layout_editor_saved

exit $status
