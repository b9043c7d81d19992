#!/usr/bin/env bash
# Colours dragged in from other programs with the real pointer: a stand-in
# colour button (application/x-color) and a stand-in text selection (the
# text "#RRGGBB") are dropped on the main swatch, each becoming the main
# colour with one history step, and then on the Web Preview's contents
# area, which takes each colour. The history file left at the close button
# is read back.
# Usage: outside_color_drag_test.sh KT_TESSARO DRAG_SOURCE
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1 source_app=$2

e2e_portable_copy "$app"
e2e_open_program
main_x=$x main_y=$y

# The two stand-ins at the right edge of the screen, clear of the program.
sources=()
start_source() {  # MODE COLOUR X Y TITLE
    "$source_app" "$1" "$2" "$3" "$4" &
    sources+=($!)
    wait_for_named "$5" || { echo "FAIL: the $5 did not appear"; exit 1; }
}
stop_sources() {
    local p
    for p in "${sources[@]}"; do kill "$p" 2>/dev/null || true; done
}
e2e_at_exit stop_sources
start_source color '#ABCDE1' 900 60 "colour drag source"
start_source text '#123456' 900 200 "text drag source"
sleep 0.5
color_x=950 color_y=90 text_x=950 text_y=230

main_swatch_x=$((main_x + 101)) main_swatch_y=$((main_y + 174))
e2e_drag "$color_x" "$color_y" "$main_swatch_x" "$main_swatch_y"
sleep 0.3
shown=$("$TESSARO_SCREEN_PROBE" "$main_swatch_x" "$main_swatch_y")
[ "$shown" = "#ABCDE1" ] || fail "after the colour button's drop the main swatch shows $shown, expected #ABCDE1"
e2e_drag "$text_x" "$text_y" "$main_swatch_x" "$main_swatch_y"
sleep 0.3
shown=$("$TESSARO_SCREEN_PROBE" "$main_swatch_x" "$main_swatch_y")
[ "$shown" = "#123456" ] || fail "after the text's drop the main swatch shows $shown, expected #123456"

# The Web Preview, moved clear of the main window and the stand-ins.
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key --window "$main" F8
wait_for_named "Simple Web Page Test" || { echo "FAIL: F8 did not open the web preview"; exit 1; }
web=$window
sleep 0.5
xdotool windowmove "$web" 480 330
sleep 0.5
read -r wx wy < <(window_origin_of "$web")

# An empty spot low in the contents area: the page lies at (7, 23), its
# contents column right of the 113-pixel navigation column and above the
# 25-pixel footer.
contents_x=$((wx + 7 + 360)) contents_y=$((wy + 23 + 255))
e2e_drag "$color_x" "$color_y" "$contents_x" "$contents_y"
sleep 0.3
seen=$("$TESSARO_SCREEN_PROBE" "$contents_x" "$contents_y")
[ "$seen" = "#ABCDE1" ] || fail "after the colour button's drop the contents area shows $seen, expected #ABCDE1"
e2e_drag "$text_x" "$text_y" "$contents_x" "$contents_y"
sleep 0.3
seen=$("$TESSARO_SCREEN_PROBE" "$contents_x" "$contents_y")
[ "$seen" = "#123456" ] || fail "after the text's drop the contents area shows $seen, expected #123456"
e2e_screenshot outside_color_drag_web_preview

xdotool mousemove $((main_x + 502)) $((main_y + 9)) click 1
wait_for_exit || fail "the program did not end after the close button"
expected=$'171,205,225 - #ABCDE1\n18,52,86 - #123456'
got=$(tr -d '\r' <"$prog/TD/history.cl2")
[ "$got" = "$expected" ] || fail "history.cl2 holds '$got', expected '$expected'"

[ $status -eq 0 ] && echo "PASS: outside colours taken by the main swatch and the web page's contents area"
exit $status
