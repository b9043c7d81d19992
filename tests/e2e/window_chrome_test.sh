#!/usr/bin/env bash
# The window chrome as a user meets it: the splash during start-up and then
# the main window; the main menu opened with the mouse and About chosen from
# it, then closed by a click on its picture; a toolbar icon lit while the
# pointer is over it and normal again over the toolbar's background; keys
# from the Variations window, and the History window under its open menu.
# Usage: window_chrome_test.sh KT_TESSARO SCREEN_PROBE
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1 probe=$2

check() {
    if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAIL: $1: got '$2', expected '$3'"; status=1; fi
}
# The geometry of a window as "X Y W H".
geometry() {
    xwininfo -id "$1" | awk -F: '/Absolute upper-left X/ {x=$2} /Absolute upper-left Y/ {y=$2}
        /Width/ {w=$2} /Height/ {h=$2} END {gsub(/ /, "", x); gsub(/ /, "", y); gsub(/ /, "", w); gsub(/ /, "", h);
        print x, y, w, h}'
}

e2e_portable_copy "$app"
e2e_start_program

# The splash comes first, 591 x 502 and centred; the main window follows
# and the splash goes.
wait_for_named "Starting KT Tessaro" || { echo "FAIL: no splash window"; exit 1; }
splash=$window
read -r sx sy sw sh < <(geometry "$splash")
check "splash size" "$sw x $sh" "591 x 502"
read -r screen_w screen_h < <(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[1], d[2]}')
check "splash centred" "$sx,$sy" "$(((screen_w - 591) / 2)),$(((screen_h - 502) / 2))"
e2e_screenshot chrome_splash
wait_for_window || { echo "FAIL: the main window did not appear, or the splash stayed"; exit 1; }
echo "ok: main window shown, splash gone"
sleep 0.5

# Toolbar hover: the Paste icon (third, at x = 88) lights up under the
# pointer; its highlighted picture fills with #DCE7F4.
icon_x=$((x + 88)) icon_y=$((y + 23))
xdotool mousemove $((icon_x + 16)) $((icon_y + 16))
sleep 0.4
lit=$("$probe" $((icon_x + 3)) $((icon_y + 16)))
check "Paste icon highlighted under the pointer" "$lit" "#DCE7F4"
e2e_screenshot chrome_toolbar_hover
xdotool mousemove $((x + 4)) $((y + 40))
sleep 0.4
normal=$("$probe" $((icon_x + 3)) $((icon_y + 16)))
[ "$normal" != "#DCE7F4" ] && echo "ok: highlight gone over the toolbar background" \
    || { echo "FAIL: the Paste icon stayed highlighted"; status=1; }

# The main menu: its button is the first of the title bar's three at the
# right end. Its last entry, "About...", sits at the bottom of the popup.
xdotool mousemove $((x + 466)) $((y + 9)) click 1
menu=""
for _ in $(seq 1 50); do
    for candidate in $(xdotool search --onlyvisible --classname kt-tessaro 2>/dev/null); do
        [ "$candidate" = "$window" ] && continue
        read -r mx my mw mh < <(geometry "$candidate")
        # The popup opens under the menu button.
        if [ "$my" -ge $((y + 9)) ] && [ "$mx" -ge $((x + 400)) ] && [ "$mh" -gt 100 ]; then menu=$candidate; fi
    done
    [ -n "$menu" ] && break
    sleep 0.1
done
[ -n "$menu" ] || { echo "FAIL: the main menu did not open"; exit 1; }
echo "ok: main menu opened ($mw x $mh at $mx,$my)"
e2e_screenshot chrome_main_menu
xdotool mousemove $((mx + 30)) $((my + mh - 12))
sleep 0.3
xdotool click 1
main=$window
wait_for_named "About KT Tessaro" || { echo "FAIL: About did not open from the menu"; exit 1; }
about=$window
read -r ax ay aw ah < <(geometry "$about")
check "About size" "$aw x $ah" "591 x 502"
sleep 0.3
e2e_screenshot chrome_about
# A click on the picture closes it.
xdotool mousemove $((ax + 100)) $((ay + 100)) click 1
closed=0
for _ in $(seq 1 30); do
    xdotool search --onlyvisible --name "^About KT Tessaro\$" >/dev/null 2>&1 || { closed=1; break; }
    sleep 0.1
done
check "About closed by a click on its picture" "$closed" "1"
kill -0 "$pid" && echo "ok: still running" || { echo "FAIL: the program ended"; status=1; }
window=$main

# Keys in a tool window that has no control taking the keyboard: the
# Variations window (main menu, "&Variations..."), clicked on its value
# line; F12 there super-minimizes the main window, and F12 again restores.
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool mousemove $((x + 466)) $((y + 9)) click 1
sleep 0.5
xdotool key v
if wait_for_named "Variations"; then
    variations=$window
    read -r vx vy vw vh < <(geometry "$variations")
    xdotool mousemove $((vx + 100)) $((vy + vh - 8)) click 1
    sleep 0.4
    xdotool key F12
    sleep 0.4
    check "main window height after F12 in Variations" "$(geometry "$main" | cut -d' ' -f4)" "20"
    xdotool key F12
    sleep 0.4
    check "main window height after F12 again" "$(geometry "$main" | cut -d' ' -f4)" "457"
    # Its close button (it lies over the main window's hint line).
    xdotool mousemove $((vx + vw - 11)) $((vy + 7)) click 1
    sleep 0.4
    xwininfo -id "$variations" | grep -q 'Map State: IsViewable' && { echo "FAIL: Variations did not close"; status=1; }
else
    echo "FAIL: the main menu's Variations... opened no window"
    status=1
fi

# The History window (Auto Close on) does not fade away under its own open
# menu; once the menu is closed, the main window's keys work (F11 shows
# the Reopen window).
xdotool mousemove $((x + 200)) $((y + 445)) click 1
sleep 0.3
xdotool key ctrl+w
xdotool key ctrl+z
if wait_for_named "History"; then
    history=$window
    read -r hx hy hw hh < <(geometry "$history")
    xdotool mousemove $((hx + hw - 28)) $((hy + 9)) click 1
    sleep 4
    e2e_screenshot chrome_history_menu_open
    xwininfo -id "$history" | grep -q 'Map State: IsViewable' && echo "ok: History stays under its open menu" ||
        { echo "FAIL: the History window faded away under its open menu"; status=1; }
    xdotool key Escape
    sleep 0.3
    xdotool mousemove $((x + 200)) $((y + 445)) click 1
    sleep 0.3
    xdotool key F11
    wait_for_named "Reopen" && echo "ok: F11 in the main window after the History's menu" ||
        { echo "FAIL: F11 showed no Reopen window after the History's menu"; status=1; }
else
    echo "FAIL: Ctrl+Z showed no History window"
    status=1
fi
exit $status
