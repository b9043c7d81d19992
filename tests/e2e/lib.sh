# Shared set-up of the whole-program tests: a virtual X screen with a real
# window manager, a portable copy of the program, and helpers to wait for
# its window, to wait for it to end and to take screenshots.
#
# Use from a test script:
#     set -euo pipefail
#     source "$(dirname "$0")/lib.sh"
#     e2e_begin "$0" "$@"      # re-runs the script under Xvfb with openbox
#     app=$1
#     e2e_portable_copy "$app" # $prog: the program beside its own TD/
#     e2e_open_program         # $pid; $main, $x, $y: the main window, active
#     ...
#     [ "$x" -gt 0 ] || fail "..."   # a failed check: the script goes on
#     exit $status
#
# e2e_open_program is e2e_start_program and wait_for_window with the steps
# every test takes around them; a test of the start-up itself uses those two.
#
# Screenshots: `e2e_screenshot NAME` saves NAME.png into $TESSARO_E2E_SHOTS
# when that variable names a folder (otherwise into the scratch folder),
# read from the screen by the screen_probe helper in $TESSARO_SCREEN_PROBE.
#
# Drags under a window manager: Qt's drag and drop over X (XDND) follows
# real pointer motion. A drag begins only once the pointer has moved past
# the drag distance with the button held, and the drop lands where the last
# motion that Qt saw left the pointer. `e2e_drag` therefore presses, moves
# in several small steps with short pauses (so each motion arrives as its
# own event after the drag has started), rests on the target and releases.

# Runs the calling script again on a virtual X screen with openbox (see
# tests/support/with_window_manager.sh), then (inside) prepares the scratch
# folder and the environment.
e2e_begin() {
    local script=$1
    shift
    if [ -z "${TESSARO_IN_XVFB:-}" ]; then
        export TESSARO_IN_XVFB=1
        exec "$(dirname "${BASH_SOURCE[0]}")/../support/with_window_manager.sh" "$script" "$@"
    fi
    work=$(mktemp -d)
    pid=""
    status=0
    exit_commands=()
    trap e2e_end EXIT
    e2e_report_unexpected_ends
    export HOME=$work XDG_DATA_HOME=$work/share XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
}

# Under `set -e` a command that fails outside a check ends the script at
# once, with nothing said: this says which command and line it was.
e2e_report_unexpected_ends() {
    trap 'e2e_unexpected_end $? $LINENO "$BASH_COMMAND"' ERR
}
e2e_unexpected_end() {  # STATUS LINE COMMAND
    [[ $- == *e* ]] && echo "FAIL: line $2: \"$3\" ended the script with status $1"
    return 0
}

# A failed check: said at once, and the script ends with status 1 (once
# it reaches `exit $status`).
fail() {
    echo "FAIL: $*"
    status=1
}

# Runs a command when the script ends, after the program is gone and before
# the scratch folder is removed (for example to unmount something in it).
e2e_at_exit() {
    exit_commands+=("$1")
}

# The program is killed outright: a test that ends early has nothing more
# to check. Nothing here may stop the clean-up half way (errexit is on).
e2e_end() {
    if [ -n "$pid" ]; then
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    local command
    for command in "${exit_commands[@]}"; do
        eval "$command" || true
    done
    rm -rf "$work"
}

# A portable copy: the executable beside its own writable data folders, so
# nothing of earlier runs (history, settings) changes what the test sees.
# The metafile decoders the program starts go beside it too.
e2e_portable_copy() {
    prog=$work/prog
    mkdir -p "$prog/TD" "$prog/CLLs" "$prog/TLs" "$prog/CWSs" "$prog/help"
    cp "$1" "$prog/kt-tessaro"
    local decoder
    for decoder in tessaro-wmf-decoder tessaro-emf-decoder; do
        if [ -x "$(dirname "$1")/$decoder" ]; then cp "$(dirname "$1")/$decoder" "$prog/"; fi
    done
}

e2e_start_program() {
    "$prog/kt-tessaro" "$@" &
    pid=$!
}

# The opening of a test: the program in $prog started with ARGS, its main
# window mapped and the splash gone, a moment for the first paint, and the
# main window made active. Sets $pid, $main (and $window), $x and $y (the
# client area's screen origin). A program that shows no main window ends
# the test.
e2e_open_program() {  # [ARGS...]
    e2e_start_program "$@"
    wait_for_window || { echo "FAIL: the main window did not appear"; exit 1; }
    main=$window
    sleep 0.5
    xdotool windowactivate --sync "$main" 2>/dev/null || true
}

# Sets $window to the first mapped window whose whole name is NAME (a
# regular expression). Only mapped windows count: hidden helper windows may
# carry the program's name too.
wait_for_named() {  # NAME
    for _ in $(seq 1 300); do
        window=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$window" ] && return 0
        sleep 0.1
    done
    return 1
}

# Sets $box to a mapped window of the program, other than the main window
# $main, named "KT Tessaro" (a message box); waits up to TENTHS tenths of a
# second. Returns 1 when none appeared.
wait_for_message_box() {  # TENTHS
    local candidate
    box=""
    for _ in $(seq 1 "$1"); do
        for candidate in $(xdotool search --onlyvisible --pid "$pid" --name '^KT Tessaro$' 2>/dev/null); do
            [ "$candidate" != "$main" ] && box=$candidate
        done
        [ -n "$box" ] && return 0
        sleep 0.1
    done
    return 1
}

# Sets $window, $x and $y (the client area's screen origin) once the main
# window is mapped.
wait_for_window() {
    local info
    wait_for_named "KT Tessaro" || return 1
    wait_for_splash_gone || return 1
    for _ in $(seq 1 50); do
        if info=$(xwininfo -id "$window" 2>/dev/null); then
            x=$(awk -F: '/Absolute upper-left X/ {gsub(/ /, "", $2); print $2}' <<<"$info")
            y=$(awk -F: '/Absolute upper-left Y/ {gsub(/ /, "", $2); print $2}' <<<"$info")
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# The client area's screen origin of window ID, as "X Y".
window_origin_of() {
    xwininfo -id "$1" | awk -F: '/Absolute upper-left X/ {gsub(/ /, "", $2); x = $2}
                                  /Absolute upper-left Y/ {gsub(/ /, "", $2); print x, $2}'
}

# The start-up splash covers the middle of the screen until half a second
# after the main window is ready.
wait_for_splash_gone() {
    for _ in $(seq 1 100); do
        xdotool search --onlyvisible --name "^Starting KT Tessaro\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

wait_for_exit() {
    for _ in $(seq 1 300); do
        kill -0 "$pid" 2>/dev/null || { wait "$pid" || true; pid=""; return 0; }
        sleep 0.1
    done
    return 1
}

# e2e_drag FROM_X FROM_Y TO_X TO_Y [PAUSE_AT_TARGET_COMMAND...]: a left-button
# drag with the real pointer, in screen coordinates. An optional command
# runs while the pointer rests on the target with the button still down.
e2e_drag() {
    local x0=$1 y0=$2 x1=$3 y1=$4
    shift 4
    xdotool mousemove "$x0" "$y0"
    sleep 0.05
    xdotool mousedown 1
    sleep 0.05
    # Past the drag distance first, so the drag starts near the source.
    xdotool mousemove $((x0 + 6)) $((y0 + 6))
    sleep 0.1
    local steps=6 i
    for i in $(seq 1 $steps); do
        xdotool mousemove $((x0 + (x1 - x0) * i / steps)) $((y0 + (y1 - y0) * i / steps))
        sleep 0.03
    done
    # Two small moves on the target: the drop lands on the last one seen.
    xdotool mousemove $((x1 + 1)) "$y1"
    sleep 0.05
    xdotool mousemove "$x1" "$y1"
    sleep 0.1
    if [ $# -gt 0 ]; then "$@"; fi
    xdotool mouseup 1
    sleep 0.15
}

# Saves the whole screen as NAME.png.
e2e_screenshot() {
    local folder=${TESSARO_E2E_SHOTS:-$work}
    "$TESSARO_SCREEN_PROBE" --save "$folder/$1.png"
}
