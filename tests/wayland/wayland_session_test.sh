#!/usr/bin/env bash
# The whole program in a headless sway session, natively (Qt's wayland
# platform) or as the program itself chooses where XWayland exists
# (xwayland), with the real pointer and keyboard of wl_input.py:
# - the program's choice: an XWayland window where XWayland exists, a
#   native one when asked for wayland;
# - Ctrl+Z opens History, which fades out and closes by itself, with no
#   complaint about window opacity on stderr (this also proves the keys
#   arrive);
# - a wheel swatch dragged onto the colour list adds its colour there;
# - Ctrl+C puts the main colour's hex on the clipboard (wl-paste);
# - the About and Import icons, and F5 F7 F8 F9 F11, open their windows;
# - a title-bar drag moves the main window, Ctrl+T leaves it where it is
#   (not made anew), a double click on the title bar rolls it up and down
#   (sway 1.7 centres an XWayland window again when it changes its size,
#   so the place is read once more afterwards);
# - natively, minimise leaves the tool windows where they are;
# - after the program ends, set.set holds the places sway reported
#   (xwayland) or, natively, where no place is ever told, the places it
#   held before.
# Usage: wayland_session_test.sh native|xwayland KT_TESSARO TESSARO_CLI
set -euo pipefail
source "$(dirname "$0")/lib.sh"
wl_begin "$0" "$@"
mode=$1 app=$2 cli=$3

e2e_portable_copy "$app"
printf '%s\r\n' program=tessaro firstrun=0 1.left=300 1.top=60 shp.left=500 shp.top=200 \
    web.left=20 web.top=40 hist.autofade=1 >"$prog/TD/set.set"
# The wheel's fourth swatch (at 141,161 in the main window, 24 wide).
wheel=$("$cli" derive 7FD46E | awk '$1 == "wheel" {print substr($5, 2); exit}')

wl_open_program "$mode"
want_shell=$([ "$mode" = native ] && echo xdg_shell || echo xwayland)
[ "$shell" = "$want_shell" ] || fail "$mode: the main window is a $shell window, expected $want_shell"
main_x=$x main_y=$y main_h=$h
wl_screenshot "wayland_${mode}_start"

# A click on the hint line gives the main window the keyboard and does
# nothing else.
focus_main() {
    wait_for_wl_window "KT Tessaro"
    wl_click $((x + 200)) $((y + h - 8))
    sleep 0.2
}

# ---- Ctrl+Z: History opens, then fades out by itself
focus_main
wl_key ctrl+z
if wait_for_wl_window History; then
    wait_for_wl_window_gone History || fail "$mode: History did not close by itself"
else
    fail "$mode: Ctrl+Z opened no History window (are the keys delivered?)"
fi
! grep -i "opacity" "$work/program.log" ||
    fail "$mode: the program complained about window opacity"

# ---- a wheel swatch dragged onto the colour list
wl_drag $((main_x + 153)) $((main_y + 173)) $((main_x + 400)) $((main_y + 200))
sleep 0.3
listed=$(wl_pixel $((main_x + 343)) $((main_y + 100)))
[ "$listed" = "#${wheel,,}" ] || fail "$mode: the list shows $listed after the drop, expected #${wheel,,}"

# ---- Ctrl+C: the main colour's hex on the clipboard
focus_main
wl_key ctrl+c
sleep 0.3
clip=$(wl_clipboard)
[ "$clip" = 7FD46E ] || fail "$mode: Ctrl+C left '$clip' on the clipboard, expected 7FD46E"

# ---- the main window: title-bar move, Ctrl+T, roll-up
wait_for_wl_window "KT Tessaro"
before_x=$x before_y=$y
wl_drag $((x + 150)) $((y + 8)) $((x + 350)) $((y + 108))
sleep 0.3
wait_for_wl_window "KT Tessaro"
moved_x=$x moved_y=$y
[ $((moved_x - before_x)) -ge 150 ] && [ $((moved_y - before_y)) -ge 50 ] ||
    fail "$mode: a title-bar drag moved the main window from $before_x,$before_y to $moved_x,$moved_y"
focus_main
wl_key ctrl+t
sleep 0.5
wait_for_wl_window "KT Tessaro"
[ "$x,$y" = "$moved_x,$moved_y" ] || fail "$mode: Ctrl+T moved the main window from $moved_x,$moved_y to $x,$y"
wl_key ctrl+t
wl_input "move $((x + 150)) $((y + 8))" "click" "sleep 0.08" "click"
sleep 0.5
wait_for_wl_window "KT Tessaro"
[ "$h" -le 25 ] || fail "$mode: a double click on the title bar left the main window $h high"
wl_input "move $((x + 150)) $((y + 8))" "click" "sleep 0.08" "click"
sleep 0.5
wait_for_wl_window "KT Tessaro"
[ "$h" = "$main_h" ] || fail "$mode: a second double click left the main window $h high, expected $main_h"
wl_screenshot "wayland_${mode}_moved"

# ---- toolbar icons (32 x 32 at x = 8 + 40 i, y = 23 in the main window)
# sway centres every window over the main window: each is closed by the
# close button at its title bar's right end before the next.
close_by_button() {  # TITLE
    wait_for_wl_window "$1" || return 0
    wl_click $((x + w - 8)) $((y + 8))
    wait_for_wl_window_gone "$1" || fail "$mode: the close button left '$1' open"
}
icon() {  # INDEX TITLE
    focus_main
    wl_click $((x + 8 + 40 * $1 + 16)) $((y + 23 + 16))
    wait_for_wl_window "$2" || fail "$mode: toolbar icon $1 opened no '$2' window"
    sleep 0.3
}
icon 10 "About KT Tessaro"
wl_key Escape
wait_for_wl_window_gone "About KT Tessaro" || fail "$mode: Escape left About open"
icon 8 "Import Colors"
close_by_button "Import Colors"

# ---- keys
for entry in "F5:Copy/Export Center" "F7:Test Color" "F8:Simple Web Page Test" "F9:Color Mixer" "F11:Reopen"; do
    focus_main
    wl_key "${entry%%:*}"
    wait_for_wl_window "${entry#*:}" || fail "$mode: ${entry%%:*} opened no '${entry#*:}' window"
    sleep 0.3
    [ "${entry%%:*}" != F7 ] || wl_screenshot "wayland_${mode}_test_color"
    close_by_button "${entry#*:}"
done

# ---- natively, minimise ("_" on the main window's title bar) leaves no
# tool window hidden for good: a native client never learns of a restore
if [ "$mode" = native ]; then
    focus_main
    wl_key F11
    if wait_for_wl_window Reopen; then
        wait_for_wl_window "KT Tessaro"
        wl_click $((x + w - 26)) $((y + 8))
        sleep 0.5
        wait_for_wl_window Reopen || fail "$mode: minimise hid Reopen"
        close_by_button Reopen
    else
        fail "$mode: F11 opened no Reopen window"
    fi
fi

wait_for_wl_window "KT Tessaro"
final_x=$x final_y=$y

# ---- the end: the places in set.set
kill -TERM "$pid"
wait_for_exit || fail "$mode: the program did not end on SIGTERM"
settings=$(tr -d '\r' <"$prog/TD/set.set")
place() { sed -n "s/^$1=//p" <<<"$settings"; }
if [ "$mode" = native ]; then
    expected="300 60 500 200 20 40"
else
    expected="$final_x $final_y $(place shp.left) $(place shp.top) $(place web.left) $(place web.top)"
    [ "$(place shp.left),$(place shp.top)" != "0,0" ] || fail "$mode: set.set places Test Color at 0,0"
fi
saved="$(place 1.left) $(place 1.top) $(place shp.left) $(place shp.top) $(place web.left) $(place web.top)"
[ "$saved" = "$expected" ] || fail "$mode: set.set holds places '$saved', expected '$expected'"

[ $status -eq 0 ] && echo "PASS: $mode: windows by keys and icons, drag, clipboard, move, roll-up and saved places"
exit $status
