#!/usr/bin/env bash
# The Scales window and the OKLCH page with the real pointer and keyboard:
# F6 opens the Scales window, whose tonal scale matches `tessaro-cli scale
# --tonal`; its 500 swatch is dragged onto the colour list; the Color Values
# menu shows page 3, a drag along its OKLCH lightness slider changes the
# main colour, and the Scales window follows the new colour.
# Usage: scales_test.sh KT_TESSARO TESSARO_CLI
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1 cli=$2

status=0
fail() { echo "FAIL: $*"; status=1; }

probe() { "$TESSARO_SCREEN_PROBE" "$1" "$2"; }
tonal() { "$cli" scale "$1" --tonal | awk -v step="$2" '$1 == step {print $2}'; }

e2e_portable_copy "$app"
main_colour=7FD46E

e2e_start_program
wait_for_window || { echo "FAIL: the main window did not appear"; exit 1; }
main=$window
sleep 0.5

xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key --window "$main" F6
wait_for_named "Scales" || { echo "FAIL: F6 showed no Scales window"; exit 1; }
scales=$window
# Beside the main window, so both stay in sight.
xdotool windowmove "$scales" 680 60
sleep 0.5
read -r sx sy < <(window_origin_of "$scales")
e2e_screenshot scales_window

# The tonal step 500 is the sixth swatch: its centre at (8 + 5 * 28 + 12, 52).
step500_x=$((sx + 160)) step500_y=$((sy + 52))
expected=$(tonal "$main_colour" 500)
[ "$(probe $step500_x $step500_y)" = "$expected" ] || fail "the 500 step shows $(probe $step500_x $step500_y), expected $expected"

# ---- the 500 swatch dragged onto the colour list
e2e_drag $step500_x $step500_y $((x + 400)) $((y + 200))
sleep 0.3
[ "$(probe $((x + 343)) $((y + 100)))" = "$expected" ] || fail "the list shows $(probe $((x + 343)) $((y + 100))) after dropping the 500 step"
e2e_screenshot scales_to_list

# ---- page 3 from the Color Values menu (the entry above its last)
xdotool mousemove $((x + 191)) $((y + 254)) click 1
sleep 0.6
e2e_screenshot values_menu
xdotool key Up
sleep 0.1
xdotool key Up
sleep 0.2
xdotool key Return
sleep 0.4
e2e_screenshot oklch_page
# The lightness strip starts at black, where the red strip of page 1 shows
# the main colour without its red.
[ "$(probe $((x + 79)) $((y + 266)))" = "#000000" ] || fail "no OKLCH lightness strip on the Color Values section: $(probe $((x + 79)) $((y + 266)))"
# The lightness slider spans x 70 .. 193 at y 264 .. 280 of the main window;
# its strip runs from x 78 (lightness 0) to about 184 (100 %).
before=$(probe $((x + 101)) $((y + 174)))
xdotool mousemove $((x + 150)) $((y + 270))
sleep 0.05
xdotool mousedown 1
for dx in 146 142 138 134 130; do
    xdotool mousemove $((x + dx)) $((y + 270))
    sleep 0.05
done
xdotool mouseup 1
sleep 0.4
after=$(probe $((x + 101)) $((y + 174)))
[ "$after" != "$before" ] || fail "the main colour stayed $before after the lightness slider was dragged"
e2e_screenshot oklch_slider_dragged

# The Scales window followed the new main colour.
expected=$(tonal "${after#\#}" 500)
[ "$(probe $step500_x $step500_y)" = "$expected" ] || fail "after the slider the 500 step shows $(probe $step500_x $step500_y), expected $expected for $after"
# A darker colour: lightness went down.
lum() { local h=${1#\#}; echo $(( 16#${h:0:2} + 16#${h:2:2} + 16#${h:4:2} )); }
[ "$(lum "$after")" -lt "$(lum "$before")" ] || fail "the colour did not get darker: $before to $after"

[ $status -eq 0 ] && echo "PASS: the Scales window opened by F6, its swatch dragged to the list, the OKLCH slider changed the main colour and the scales followed"
exit $status
