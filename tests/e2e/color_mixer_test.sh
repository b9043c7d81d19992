#!/usr/bin/env bash
# The Color Mixer with the real pointer and keyboard: F9 opens it; a wheel
# swatch and the main swatch are dragged onto slots 1 and 2; a click in the
# second scroll bar adds a page of 5; the mixed colour is compared with
# `tessaro-cli mix` and dragged onto the colour list; the close writes the
# slots to set.set.
# Usage: color_mixer_test.sh KT_TESSARO TESSARO_CLI
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1 cli=$2

probe() { "$TESSARO_SCREEN_PROBE" "$1" "$2"; }

e2e_portable_copy "$app"
main_colour=7FD46E
# The wheel swatch opposite the main colour.
wheel=$("$cli" derive "$main_colour" | awk '$1 == "wheel" {print substr($8, 2)}')

e2e_open_program
xdotool key --window "$main" F9
wait_for_named "Color Mixer" || { echo "FAIL: F9 showed no Color Mixer"; exit 1; }
mixer=$window
# Below the main window, so the main window's swatches stay in sight.
xdotool windowmove "$mixer" 0 480
sleep 0.5
read -r mx my < <(window_origin_of "$mixer")

# ---- colours dragged onto the first two slots
e2e_drag $((x + 99)) $((y + 227)) $((mx + 60)) $((my + 68))
e2e_drag $((x + 101)) $((y + 174)) $((mx + 178)) $((my + 68))
sleep 0.3
[ "$(probe $((mx + 60)) $((my + 68)))" = "#$wheel" ] || fail "slot 1 shows $(probe $((mx + 60)) $((my + 68))), expected #$wheel"
[ "$(probe $((mx + 178)) $((my + 68)))" = "#$main_colour" ] || fail "slot 2 shows $(probe $((mx + 178)) $((my + 68)))"
expected=$("$cli" mix "$wheel:50" "$main_colour:50")
[ "$(probe $((mx + 241)) $((my + 182)))" = "$expected" ] || fail "the mixed colour is $(probe $((mx + 241)) $((my + 182))), expected $expected"

# ---- a click in the second scroll bar's trough, right of its handle: 55
xdotool mousemove $((mx + 205)) $((my + 123)) click 1
sleep 0.3
expected=$("$cli" mix "$wheel:50" "$main_colour:55")
[ "$(probe $((mx + 241)) $((my + 182)))" = "$expected" ] || fail "after the page step the mixed colour is $(probe $((mx + 241)) $((my + 182))), expected $expected"
e2e_screenshot color_mixer

# ---- the mixed colour dragged onto the colour list
e2e_drag $((mx + 241)) $((my + 182)) $((x + 400)) $((y + 200))
sleep 0.3
[ "$(probe $((x + 343)) $((y + 100)))" = "$expected" ] || fail "the list shows $(probe $((x + 343)) $((y + 100))) after dropping the mixed colour"
e2e_screenshot color_mixer_to_list

# ---- the close writes the slots (the list's question answered No)
xdotool mousemove $((x + 502)) $((y + 9)) click 1
if wait_for_named 'Save\?'; then
    sleep 0.3
    read -r bx by < <(window_origin_of "$window")
    xdotool mousemove $((bx + 164)) $((by + 62)) click 1
else
    fail "no question about the changed list"
fi
wait_for_exit || fail "the program did not end"
settings=$(tr -d '\r' <"$prog/TD/set.set" 2>/dev/null | grep '^mixer\.' | tr '\n' ' ')
wheel_named=$(printf '$00%s%s%s' "${wheel:4:2}" "${wheel:2:2}" "${wheel:0:2}")
want="mixer.a1=50 mixer.a2=55 mixer.a3=0 mixer.a4=0 mixer.c1=$wheel_named mixer.c2=\$006ED47F mixer.c3=clFuchsia mixer.c4=clBlue "
[ "$settings" = "$want" ] || fail "set.set holds '$settings', expected '$want'"

[ $status -eq 0 ] && echo "PASS: colours dropped on the mixer's slots, an amount changed, the mixed colour added to the list and saved"
exit $status
