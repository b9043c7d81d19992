#!/usr/bin/env bash
# The first run on a screen of one of the classic sizes (TESSARO_E2E_SCREEN:
# 800x600, 1024x768 or 1152x864): the main window takes its place for the
# size, and the Test Color (F7) and Web Preview (F8) windows open at theirs,
# pulled as little as needed to lie whole on the screen.
# Usage: first_run_places_test.sh KT_TESSARO
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1
screen=${TESSARO_E2E_SCREEN:-1024x768}
sw=${screen%x*} sh=${screen#*x}

# Expected client origins: main window, Test Color, Web Preview.
case $screen in
800x600) places="155 2 181 149 5 203" ;;
1024x768) places="159 4 405 290 5 371" ;;
1152x864) places="167 20 533 216 39 433" ;;
*) echo "FAIL: no places known for $screen"; exit 1 ;;
esac
read -r main_px main_py test_px test_py web_px web_py <<<"$places"

e2e_portable_copy "$app"
e2e_open_program

# Checks that window $2 (named $1) has its client origin at ($3, $4) and
# lies whole on the screen.
check_place() {
    local name=$1 id=$2 want_x=$3 want_y=$4 info wx wy ww wh
    info=$(xwininfo -id "$id")
    wx=$(awk -F: '/Absolute upper-left X/ {gsub(/ /, "", $2); print $2}' <<<"$info")
    wy=$(awk -F: '/Absolute upper-left Y/ {gsub(/ /, "", $2); print $2}' <<<"$info")
    ww=$(awk -F: '/Width/ {gsub(/ /, "", $2); print $2}' <<<"$info")
    wh=$(awk -F: '/Height/ {gsub(/ /, "", $2); print $2}' <<<"$info")
    [ "$wx $wy" = "$want_x $want_y" ] || fail "$name opens at $wx,$wy on $screen, expected $want_x,$want_y"
    [ "$wx" -ge 0 ] && [ "$wy" -ge 0 ] && [ $((wx + ww)) -le "$sw" ] && [ $((wy + wh)) -le "$sh" ] ||
        fail "$name ($wx,$wy ${ww}x$wh) does not lie whole on the $screen screen"
}

check_place "the main window" "$main" "$main_px" "$main_py"
xdotool key --window "$main" F7
wait_for_named "Test Color" || { echo "FAIL: F7 did not open the Test Color window"; exit 1; }
sleep 0.5
check_place "Test Color" "$window" "$test_px" "$test_py"
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key --window "$main" F8
wait_for_named "Simple Web Page Test" || { echo "FAIL: F8 did not open the Web Preview"; exit 1; }
sleep 0.5
check_place "Web Preview" "$window" "$web_px" "$web_py"
e2e_screenshot "first_run_places_$screen"
exit $status
