#!/usr/bin/env bash
# The program under a real window manager (openbox), as a user meets it:
# - a signal (SIGTERM, SIGINT, SIGHUP) while the start-up error box for a
#   bad history line waits for an answer saves and ends the program;
# - a History question is captioned exactly "Remove?", and once answered
#   the keyboard is back in the History window;
# - a double click on a title bar rolls the window up and down;
# - after "_" (minimise) restoring the main window brings History back.
# Usage: window_manager_session_test.sh KT_TESSARO
set -euo pipefail
app=$1
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"

# A fresh portable copy with settings and the given history text.
prepare() {  # HISTORY_TEXT
    rm -rf "$work/prog"
    e2e_portable_copy "$app"
    printf 'program=tessaro\r\nfirstrun=0\r\n1.left=300\r\n1.top=60\r\nhist.autofade=0\r\n' >"$prog/TD/set.set"
    printf '%b' "$1" >"$prog/TD/history.cl2"
}

active_name() { xdotool getactivewindow getwindowname 2>/dev/null || true; }

# The title the desktop shows (taskbars and window managers read
# _NET_WM_NAME; WM_NAME may differ).
shown_title() {  # WINDOW
    xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'
}

# ---- a signal while the start-up error box is open
for signal in TERM INT HUP; do
    prepare '0,0,0 - #000000\r\n#00GG00\r\n1,2,3 - #010203\r\n'
    rm "$work/prog/TD/set.set"
    e2e_start_program 2>"$work/stderr"
    wait_for_named "KT Tessaro" || { fail "SIG$signal: no error box at start-up"; kill -KILL "$pid"; pid=""; continue; }
    sleep 0.3
    kill -"$signal" "$pid"
    wait_for_exit || { fail "SIG$signal during the error box did not end the program"; kill -KILL "$pid"; pid=""; continue; }
    [ -f "$work/prog/TD/set.set" ] || fail "SIG$signal did not save the settings"
    [ -s "$work/prog/TD/history.cl2" ] || fail "SIG$signal left no history"
done

# ---- a History question: its caption and where the keyboard goes after it
prepare '0,0,0 - #000000\r\n1,2,3 - #010203\r\n4,5,6 - #040506\r\n'
e2e_open_program
xdotool key --window "$main" ctrl+z
if wait_for_named "History"; then
    history=$window
    eval "$(xdotool getwindowgeometry --shell "$history")"
    # The first step of the list, below the title bar.
    xdotool mousemove $((X + 40)) $((Y + 28)) click 1
    sleep 0.3
    xdotool key Delete
    [ "$(shown_title "$history")" = "History" ] || fail "History is titled '$(shown_title "$history")'"
    if wait_for_named 'Remove\?'; then
        [ "$(shown_title "$window")" = "Remove?" ] || fail "the question is titled '$(shown_title "$window")'"
        xdotool key Escape
        sleep 0.5
        [ "$(active_name)" = "History" ] || fail "after the question the keyboard is in '$(active_name)', not History"
    else
        fail "no question box captioned exactly 'Remove?' ($(xdotool search --onlyvisible --name 'Remove' getwindowname 2>/dev/null || true))"
    fi

    # ---- a double click on a title bar rolls the window up and back down:
    # the window manager must not take the first click for a move
    height_of() { eval "$(xdotool getwindowgeometry --shell "$1")"; echo "$HEIGHT"; }
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove $((X + 200)) $((Y + 9)) click --repeat 2 --delay 80 1
    sleep 0.5
    [ "$(height_of "$main")" = 20 ] || fail "a double click on the title bar left the main window $(height_of "$main") high"
    [ "$(height_of "$history")" = 20 ] || fail "super-minimize left History $(height_of "$history") high"
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove $((X + 200)) $((Y + 9)) click --repeat 2 --delay 80 1
    sleep 0.5
    [ "$(height_of "$main")" = 457 ] || fail "a second double click left the main window $(height_of "$main") high"
    eval "$(xdotool getwindowgeometry --shell "$history")"
    xdotool mousemove $((X + 40)) $((Y + 9)) click --repeat 2 --delay 80 1
    sleep 0.5
    [ "$(height_of "$history")" = 20 ] || fail "a double click on History's title bar left it $(height_of "$history") high"

    # ---- minimise with "_" in the main window's title bar, then restore
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove $((X + 485)) $((Y + 9)) click 1
    sleep 0.5
    xdotool search --onlyvisible --name '^History$' >/dev/null 2>&1 && fail "History stayed on the screen after minimise"
    xdotool windowactivate "$main" 2>/dev/null || true
    wait_for_named "History" || fail "History did not come back with the main window"
else
    fail "Ctrl+Z did not show History"
fi
kill -TERM "$pid"
wait_for_exit || fail "the program did not end on SIGTERM"

# ---- a saved place out of reach, on a screen scaled by 2: the title bar is
# pulled back onto the screen (X reports device pixels)
for place in "-3000 30" "1024 700" "400 300"; do
    prepare '1,2,3 - #010203\r\n'
    read -r left top <<<"$place"
    printf 'program=tessaro\r\nfirstrun=0\r\n1.left=%s\r\n1.top=%s\r\n' "$left" "$top" >"$work/prog/TD/set.set"
    QT_SCALE_FACTOR=2 e2e_start_program
    if wait_for_named "KT Tessaro"; then
        sleep 0.3
        eval "$(xdotool getwindowgeometry --shell "$window")"
        # 100 logical pixels of the 19-pixel title bar, in device pixels
        { [ "$X" -ge -$((WIDTH - 200)) ] && [ $((X + 200)) -le 1024 ] && [ "$Y" -ge 0 ] && [ $((Y + 38)) -le 768 ]; } ||
            fail "1.left=$left 1.top=$top at scale 2 put the window at $X,$Y (${WIDTH}x$HEIGHT)"
    else
        fail "1.left=$left 1.top=$top at scale 2: no main window"
    fi
    kill -TERM "$pid"
    wait_for_exit || fail "the program did not end on SIGTERM"
done

[ $status -eq 0 ] && echo "ok: window manager session"
exit $status
