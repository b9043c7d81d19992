# Shared set-up of the whole-program tests in a headless sway session: the
# session itself (run_in_sway.sh), real pointer and keyboard input
# (wl_input.py), windows found through sway, screenshots and pixels (grim)
# and the clipboard (wl-paste).
#
# Use from a test script:
#     set -euo pipefail
#     source "$(dirname "$0")/lib.sh"
#     wl_begin "$0" "$@"        # re-runs the script inside a sway session
#     app=$1
#     e2e_portable_copy "$app"  # $prog: the program beside its own TD/
#     wl_open_program native    # or xwayland; $pid; $x $y $w $h: main window
#     wl_key ctrl+z             # real keys and pointer
#     [ "$x" -gt 0 ] || fail "..."
#     exit $status
#
# Coordinates are layout pixels of the single 1920 x 1080 output. The
# wallpaper is known (wl_wallpaper_color). sway draws its software cursor
# into screenshots: read pixels away from the pointer.

wl_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# e2e_portable_copy, fail, e2e_at_exit, e2e_end and wait_for_exit come from
# the X11 tests' library.
# shellcheck source=../e2e/lib.sh
source "$wl_here/../e2e/lib.sh"

# Runs the calling script again inside a headless sway session (see
# run_in_sway.sh), then (inside) prepares a scratch folder and starts the
# input client.
wl_begin() {
    local script=$1
    shift
    if [ -z "${TESSARO_IN_SWAY:-}" ]; then
        exec "$wl_here/run_in_sway.sh" "$script" "$@"
    fi
    work=$(mktemp -d)
    pid=""
    status=0
    exit_commands=()
    trap e2e_end EXIT
    e2e_report_unexpected_ends
    export XDG_DATA_HOME=$work/share XDG_CONFIG_HOME=$work/config
    mkfifo "$work/input.in" "$work/input.out"
    python3 "$wl_here/wl_input.py" --serve "$work/input.in" "$work/input.out" 2>"$work/input.log" &
    wl_input_pid=$!
    exec {wl_input_commands}>"$work/input.in" {wl_input_replies}<"$work/input.out"
    e2e_at_exit wl_end_input
}

# Closing its command pipe ends the input client.
wl_end_input() {
    exec {wl_input_commands}>&- {wl_input_replies}<&- 2>/dev/null || true
    wait "$wl_input_pid" 2>/dev/null || true
}

# wl_input COMMAND...: each a line for wl_input.py ("move 10 20", "click",
# "key ctrl+z", "type #ff0000"), done in turn; returns once the compositor
# has taken each. A refused command ends the test.
wl_input() {
    local command reply
    for command in "$@"; do
        echo "$command" >&"$wl_input_commands"
        if ! read -r -t 15 reply <&"$wl_input_replies" || [ "$reply" != ok ]; then
            echo "FAIL: input \"$command\": ${reply:-no answer}"
            cat "$work/input.log"
            exit 1
        fi
    done
}

wl_move() { wl_input "move $1 $2"; }
# The pointer comes to rest on the point first: an X11 client (through
# XWayland) that sees the press right on entering a button ignores it.
wl_click() {  # X Y [BUTTON]
    wl_input "move $(($1 - 2)) $2" "sleep 0.1" "move $1 $2" "sleep 0.15" "click ${3:-left}"
}
wl_key() {  # COMBO...   e.g. F5 ctrl+z Escape
    local combo
    for combo in "$@"; do
        wl_input "key $combo"
        sleep 0.1
    done
}
wl_type() { wl_input "type $1"; }

# A left-button drag with the pointer, in small steps so that the program
# sees the drag begin past the drag distance and the drop on the target.
wl_drag() {  # FROM_X FROM_Y TO_X TO_Y
    local x0=$1 y0=$2 x1=$3 y1=$4 i steps=8
    wl_input "move $x0 $y0" "sleep 0.05" "down" "sleep 0.05" "move $((x0 + 6)) $((y0 + 6))" "sleep 0.1"
    for i in $(seq 1 $steps); do
        wl_input "move $((x0 + (x1 - x0) * i / steps)) $((y0 + (y1 - y0) * i / steps))" "sleep 0.03"
    done
    wl_input "move $((x1 + 1)) $y1" "sleep 0.05" "move $x1 $y1" "sleep 0.15" "up" "sleep 0.15"
}

# The windows sway shows, one a line: X Y WIDTH HEIGHT SHELL FOCUSED TITLE
# (see sway_windows.py; SHELL is xdg_shell for native windows, xwayland
# for X11 ones).
wl_windows() {
    swaymsg -t get_tree | python3 "$wl_here/sway_windows.py"
}

# Sets $x $y $w $h (the client area) and $shell of the first window whose
# whole title is TITLE (a regular expression); waits up to 15 s.
wait_for_wl_window() {  # TITLE
    local line
    for _ in $(seq 1 150); do
        line=$(wl_windows | awk -v re="^$1\$" '{t = $0; for (i = 1; i <= 6; i++) sub(/^[^ ]+ /, "", t)} t ~ re {print; exit}')
        if [ -n "$line" ]; then
            read -r x y w h shell _ _ <<<"$line"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Waits until no window's whole title is TITLE (up to 10 s).
wait_for_wl_window_gone() {  # TITLE
    for _ in $(seq 1 100); do
        wl_windows | awk -v re="^$1\$" '{t = $0; for (i = 1; i <= 6; i++) sub(/^[^ ]+ /, "", t)} t ~ re {f = 1} END {exit !f}' ||
            return 0
        sleep 0.1
    done
    return 1
}

# The title of the window with the keyboard focus.
wl_focused_title() {
    wl_windows | awk '$6 == 1 {for (i = 1; i <= 6; i++) sub(/^[^ ]+ /, ""); print; exit}'
}

# Starts the program in $prog with ARGS natively (Qt's wayland platform)
# or as the program chooses in a session with XWayland (xwayland), waits
# for its main window and the splash to go, and clicks on the main
# window's client area so it has the keyboard. Sets $pid, $x $y $w $h and
# $shell of the main window.
wl_open_program() {  # native|xwayland [ARGS...]
    local mode=$1
    shift
    case $mode in
        native) QT_QPA_PLATFORM=wayland "$prog/kt-tessaro" "$@" 2>>"$work/program.log" & ;;
        xwayland) "$prog/kt-tessaro" "$@" 2>>"$work/program.log" & ;;
        *) echo "wl_open_program: native or xwayland, not $mode" >&2; exit 2 ;;
    esac
    pid=$!
    wait_for_wl_window "KT Tessaro" || { echo "FAIL: the main window did not appear"; cat "$work/program.log"; exit 1; }
    wait_for_wl_window_gone "Starting KT Tessaro" || true
    sleep 0.7
    wait_for_wl_window "KT Tessaro"
}

# "#rrggbb" of the screen pixel at X Y.
wl_pixel() {  # X Y
    printf '#%s\n' "$(grim -t ppm -g "$1,$2 1x1" - | tail -c 3 | od -An -tx1 | tr -d ' \n')"
}

# "#rrggbb" that the wallpaper shows at X Y (four columns, two rows; the
# colours of wallpaper.py).
wl_wallpaper_color() {  # X Y
    local colours=(c81e32 1e8c46 2846b4 f0c828 8c3ca0 28b4b4 f07828 5a3c1e)
    echo "#${colours[$(( ($2 >= 540 ? 4 : 0) + $1 * 4 / 1920 ))]}"
}

# Saves the whole screen as NAME.png in $TESSARO_E2E_SHOTS when that names
# a folder (the sway session's user must be able to write there),
# otherwise in the scratch folder.
wl_screenshot() {  # NAME
    grim "${TESSARO_E2E_SHOTS:-$work}/$1.png"
}

# The clipboard's text (empty when there is none).
wl_clipboard() {
    timeout 5 wl-paste --no-newline 2>/dev/null || true
}
