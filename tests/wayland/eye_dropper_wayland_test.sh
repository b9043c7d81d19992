#!/usr/bin/env bash
# The eye dropper in a headless sway session, natively (Qt's wayland
# platform) or through XWayland (xcb), with the real pointer and keyboard of
# wl_input.py. The screen is read through the desktop portal either way.
# - F1 then F2 without moving the pointer picks the wallpaper's colour under
#   the pointer (its place comes from the pointer's own events), and the
#   frozen picture does not show the program's own window;
# - `kt-tessaro --pick` prints the colour under the pointer with status 0,
#   and wl-paste gives it after the process ended;
# - without a reachable portal, --pick says what to install, ends with
#   status 1 and leaves the clipboard as it was.
# sway paints its software cursor into every screenshot, the portal's too,
# right under the pointer (seat commands that would hide it detach the
# virtual pointer): the dropper samples 5x5, and what it must give is that
# average of grim's picture round the pointer, cursor included, before F1.
# Usage: eye_dropper_wayland_test.sh native|xwayland KT_TESSARO
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
wl_begin "$0" "$@"
mode=$1 app=$2
case $mode in
    native) export QT_QPA_PLATFORM=wayland want_shell=xdg_shell ;;
    xwayland) export QT_QPA_PLATFORM=xcb want_shell=xwayland ;;
    *) echo "usage: $0 native|xwayland KT_TESSARO" >&2; exit 2 ;;
esac
same_color() { [ "${1,,}" = "${2,,}" ]; }
# The wallpaper's colour at X Y (wallpaper.py: four columns, two rows).
wallpaper_at() {  # X Y
    local colours=(c81e32 1e8c46 2846b4 f0c828 8c3ca0 28b4b4 f07828 5a3c1e)
    local row=0
    [ "$2" -lt 540 ] || row=4
    echo "#${colours[$((row + $1 * 4 / 1920))]}"
}

# The 5 x 5 average round X Y as the dropper takes it (sums divided by 25,
# remainders dropped).
average_5x5() {  # X Y
    grim -t ppm -g "$(($1 - 2)),$(($2 - 2)) 5x5" - | python3 -c '
import sys
data = sys.stdin.buffer.read()[-75:]
print("#" + "".join("%02X" % (sum(data[c::3]) // 25) for c in range(3)))'
}

e2e_portable_copy "$app"
printf '%s\r\n' program=tessaro firstrun=0 sampling=2 >"$prog/TD/set.set"
wl_open_program "$mode"
[ "$shell" = "$want_shell" ] || fail "$mode: the main window is a $shell window, expected $want_shell"
main_x=$x main_y=$y main_w=$w

# ---- F1 then F2 without moving: the colour under the pointer
wl_click $((x + 200)) $((y + h - 8))   # the hint line: the keyboard to the main window
px=1700 py=950
wl_move $px $py
# sway leaves the keyboard nowhere once the pointer is off every window:
# give it back to the main window as a window switch would.
want=$(average_5x5 $px $py)
# The key is pressed again while the main window stays: a key sent while
# sway was still moving the keyboard focus can be lost. Once the key is
# taken the main window hides at once, and the dropper follows when the
# portal answers, which its first start can make slow.
for _ in 1 2 3; do
    swaymsg '[title="^KT Tessaro$"] focus' >/dev/null
    sleep 0.3
    wl_key F1
    wait_for_wl_window_gone "KT Tessaro" && break
done
wait_for_wl_window "Eye Dropper" || fail "$mode: F1 opened no eye dropper"
sleep 1.5
wl_screenshot "eye_dropper_${mode}_open"
# The frozen picture shows the wallpaper where the main window stood.
probe_x=$((main_x + main_w - 30)) probe_y=$((main_y + 30))
same_color "$(wl_pixel $probe_x $probe_y)" "$(wallpaper_at $probe_x $probe_y)" ||
    fail "$mode: the frozen picture shows $(wl_pixel $probe_x $probe_y) where the main window stood"
wl_key F2
wait_for_wl_window_gone "Eye Dropper" || fail "$mode: F2 left the eye dropper open"
wait_for_wl_window "KT Tessaro" || fail "$mode: the main window did not come back"
wl_click $((x + 200)) $((y + h - 8))
wl_move $px $py
wl_key ctrl+c
sleep 0.3
clip=$(wl_clipboard)
same_color "#$clip" "$want" || fail "$mode: F1 F2 picked #$clip, expected $want round the pointer"
wl_screenshot "eye_dropper_${mode}_picked"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
pid=""

# ---- --pick: prints the colour, which stays on the clipboard
run_pick() {  # KEY: starts --pick, presses KEY in the dropper; sets $code $out
    "$prog/kt-tessaro" --pick >"$work/picked" 2>>"$work/pick.log" &
    pid=$!
    wait_for_wl_window "Eye Dropper" || fail "$mode: --pick opened no eye dropper"
    sleep 1.5
    wl_key "$1"
    for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && { fail "$mode: --pick still runs after $1"; kill "$pid"; }
    code=0
    wait "$pid" || code=$?
    pid=""
    out=$(cat "$work/picked")
}
px=300 py=800
wl_move $px $py
sleep 0.2
want=$(average_5x5 $px $py)
run_pick F2
[ $code -eq 0 ] && same_color "$out" "$want" || fail "$mode: --pick gave status $code and '$out', expected $want"
sleep 0.3
clip=$(wl_clipboard)
[ "$clip" = "$out" ] || fail "$mode: after --pick ended the clipboard holds '$clip', expected '$out'"

# ---- --pick where the portal cannot be reached (no session bus): a message
# that says what to install, status 1, nothing printed, the clipboard kept
echo keep | wl-copy
DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent "$prog/kt-tessaro" --pick >"$work/picked" 2>>"$work/pick.log" &
pid=$!
wait_for_wl_window "Eye Dropper" || fail "$mode: --pick without a portal showed no message"
sleep 1
wl_screenshot "eye_dropper_${mode}_no_portal"
wl_key Return
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && { fail "$mode: --pick without a portal still runs after its message"; kill "$pid"; }
code=0
wait "$pid" || code=$?
pid=""
[ $code -eq 1 ] && [ ! -s "$work/picked" ] ||
    fail "$mode: --pick without a portal gave status $code and '$(cat "$work/picked")'"
[ "$(wl_clipboard)" = keep ] || fail "$mode: --pick without a portal changed the clipboard to '$(wl_clipboard)'"

# The clipboard's keeper (wl-copy) ends once the clipboard is cleared.
wl-copy --clear

[ $status -eq 0 ] && echo "PASS: $mode: F1 F2 under the pointer through the portal, --pick and its clipboard"
exit $status
