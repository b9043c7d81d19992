#!/usr/bin/env bash
# The Web Preview window with the real pointer and keyboard: F8 opens it
# with the sample layout beside the program, the main swatch is dragged
# onto the header, "Save As..." and "Export as HTML..." are answered in
# their dialogs, and both files are read back: the layout holds the
# dropped colour, the page is the one tessaro-cli makes of that layout.
# The close button then leaves the layout in set.set as lastweb.
# Usage: web_preview_test.sh KT_TESSARO TESSARO_CLI
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1 cli=$2

e2e_portable_copy "$app"
cp "$(dirname "$app")/Sample 1.cls" "$prog/"
layout=$work/mine.cls
page=$work/mine.htm

e2e_open_program
main_x=$x main_y=$y
xdotool key --window "$main" F8
wait_for_named "Simple Web Page Test" || { echo "FAIL: F8 did not open the web preview"; exit 1; }
web=$window
sleep 0.5
# On a first run the window opens at the lower left of a 1024 x 768 screen,
# under the main window: moved to the right, clear of it.
xdotool windowmove "$web" 615 320
sleep 0.5
info=$(xwininfo -id "$web")
wx=$(awk -F: '/Absolute upper-left X/ {gsub(/ /, "", $2); print $2}' <<<"$info")
wy=$(awk -F: '/Absolute upper-left Y/ {gsub(/ /, "", $2); print $2}' <<<"$info")

# The header area, right of its text: the page lies at (7, 23), its
# interior 2 pixels further in.
header_x=$((wx + 7 + 2 + 320)) header_y=$((wy + 23 + 2 + 40))
# The main colour (7FD46E at a first start) dragged from the main swatch.
e2e_drag $((main_x + 101)) $((main_y + 174)) "$header_x" "$header_y"
sleep 0.3
seen=$("$TESSARO_SCREEN_PROBE" "$header_x" "$((header_y - 20))")
[ "$seen" = "#7FD46E" ] || fail "the header shows $seen after the drop, expected #7FD46E"
e2e_screenshot web_preview_after_drop

# "Save As..." and "Export as HTML..." under the page.
answer_dialog() {  # TITLE PATH
    if wait_for_named "$1"; then
        sleep 0.4
        xdotool type --delay 20 "$2"
        xdotool key Return
        for _ in $(seq 1 50); do [ -f "$2" ] && break; sleep 0.1; done
    else
        fail "no dialog '$1'"
    fi
}
xdotool mousemove $((wx + 239)) $((wy + 355)) click 1
answer_dialog "Save As" "$layout"
xdotool mousemove $((wx + 293)) $((wy + 379)) click 1
answer_dialog "Export as HTML" "$page"

tr -d '\r' <"$layout" | grep -qx 'header.color=$006ED47F' || fail "the layout holds $(grep header.color "$layout" || echo nothing)"
tr -d '\r' <"$layout" | grep -qx 'header.text=Tidewater' || fail "the sample layout was not loaded at start"
"$cli" webpage "$layout" -o "$work/cli.htm" || fail "tessaro-cli webpage failed"
cmp -s "$page" "$work/cli.htm" || fail "the exported page differs from tessaro-cli's: $(diff <(tr -d '\r' <"$page") <(tr -d '\r' <"$work/cli.htm") | head -5)"
grep -q 'bgcolor="#7FD46E" class="header1">Tidewater</td>' "$page" || fail "the page's header cell is not #7FD46E"

xdotool mousemove $((main_x + 502)) $((main_y + 9)) click 1
wait_for_exit || fail "the program did not end after the close button"
grep -q "^lastweb=$layout"$'\r'"\$" "$prog/TD/set.set" || fail "set.set names no lastweb: $(tr -d '\r' <"$prog/TD/set.set" | grep -i web || true)"

[ $status -eq 0 ] && echo "PASS: web preview opened with F8, colour dropped on the header, layout saved and page exported"
exit $status
