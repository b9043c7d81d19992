#!/usr/bin/env bash
# The Import Colors window with the real pointer and keyboard: a ".css" file
# dragged from a stand-in file manager onto the main window opens the
# window and scans the file; one found colour is dragged onto the colour
# list, Enter adds them all; lastimported.txt holds the found list after
# the close.
# Usage: import_window_test.sh KT_TESSARO DRAG_SOURCE
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1 drag_source=$2

list_entry_colour() {  # ROW: the swatch of a colour list entry (Big style)
    "$TESSARO_SCREEN_PROBE" $((x + 343)) $((y + 100 + 30 * $1))
}

e2e_portable_copy "$app"
css=$work/site.css
printf 'body { color: #FF8000; }\r\na:hover { color:#0080ff }\r\n.x { color: #FFF }\r\n' >"$css"

e2e_open_program

# ---- a file dropped on the main window opens the import window
"$drag_source" file "$css" 880 660 &
source_pid=$!
e2e_at_exit "kill $source_pid 2>/dev/null"
wait_for_named "file drag source" || { echo "FAIL: no drag source window"; exit 1; }
read -r sx sy < <(window_origin_of "$window")
e2e_drag $((sx + 50)) $((sy + 30)) $((x + 30)) $((y + 445))
wait_for_named "Import Colors" || { echo "FAIL: the dropped .css file opened no Import Colors window"; exit 1; }
import=$window
# Beside the main window, so both can be seen.
xdotool windowmove "$import" 0 0
sleep 0.5
read -r ix iy < <(window_origin_of "$import")
e2e_screenshot import_window_found

[ "$("$TESSARO_SCREEN_PROBE" $((ix + 185)) $((iy + 50)))" = "#FF8000" ] || fail "the first found row shows $("$TESSARO_SCREEN_PROBE" $((ix + 185)) $((iy + 50)))"
[ "$("$TESSARO_SCREEN_PROBE" $((ix + 185)) $((iy + 65)))" = "#0080FF" ] || fail "the second found row shows $("$TESSARO_SCREEN_PROBE" $((ix + 185)) $((iy + 65)))"

# ---- the second found colour dragged onto the empty colour list
e2e_drag $((ix + 230)) $((iy + 65)) $((x + 400)) $((y + 200))
sleep 0.3
[ "$(list_entry_colour 0)" = "#0080FF" ] || fail "the list shows $(list_entry_colour 0) after the drag from the found list"

# ---- Enter adds the whole found list at the insert point and closes the window
xdotool windowactivate --sync "$import" 2>/dev/null || true
xdotool key --window "$import" Return
sleep 0.5
xdotool search --onlyvisible --name '^Import Colors$' >/dev/null 2>&1 && fail "Enter left the Import Colors window open"
e2e_screenshot import_window_added
got="$(list_entry_colour 0) $(list_entry_colour 1) $(list_entry_colour 2)"
# The drop left the insert point at 0: the block lands there reversed, in
# front of the dropped entry (the first-run list allows duplicates).
[ "$got" = "#0080FF #FF8000 #0080FF" ] || fail "after Enter the list shows $got"

# ---- Ctrl+I opens the window again with the same found list; the close
# writes it to lastimported.txt (the list's question answered No).
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key --window "$main" ctrl+i
wait_for_named "Import Colors" || fail "Ctrl+I showed no Import Colors window"
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool mousemove $((x + 502)) $((y + 9)) click 1
# The No button of the question, clicked with the pointer (the box does not
# always take the keyboard at once).
if wait_for_named 'Save\?'; then
    sleep 0.3
    read -r bx by < <(window_origin_of "$window")
    xdotool mousemove $((bx + 164)) $((by + 62)) click 1
else
    fail "no question about the changed list"
fi
wait_for_exit || { e2e_screenshot import_window_not_ended; fail "the program did not end"; }
[ "$(cat "$prog/TD/lastimported.txt" 2>/dev/null)" = "$(printf '#FF8000\r\n#0080ff\r')" ] ||
    fail "lastimported.txt holds '$(od -c "$prog/TD/lastimported.txt" 2>/dev/null | head -3)'"
grep -q $'^importallowdup=0\r$' "$prog/TD/set.set" || fail "set.set has no importallowdup=0"

[ $status -eq 0 ] && echo "PASS: a dropped .css file scanned, its colours dragged and added to the list, lastimported.txt written"
exit $status
