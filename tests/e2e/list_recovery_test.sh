#!/usr/bin/env bash
# A crash does not lose the colour list: a wheel swatch dragged onto the
# list, a moment's wait, then the program killed outright (SIGKILL, as a
# crash or a power loss ends it). The next start asks "Restore?"; Yes
# brings the colour back, still unsaved, and after the close question
# answered No no recovery file is left.
# Usage: list_recovery_test.sh KT_TESSARO TESSARO_CLI
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1 cli=$2

# The first entry's swatch in the list (Big style), in screen coordinates.
first_entry_colour() {
    "$TESSARO_SCREEN_PROBE" $((x + 343)) $((y + 100))
}

e2e_portable_copy "$app"
recovery=$prog/TD/colorlist.recover
wheel=$("$cli" derive 7FD46E | awk '$1 == "wheel" {print substr($2, 2)}')

e2e_open_program
e2e_drag $((x + 100)) $((y + 120)) $((x + 400)) $((y + 200))
sleep 0.3
[ "$(first_entry_colour)" = "#$wheel" ] || fail "the list shows $(first_entry_colour) after the drop, expected #$wheel"
for _ in $(seq 1 50); do [ -f "$recovery" ] && break; sleep 0.1; done
[ -f "$recovery" ] || fail "no recovery file 5 s after the change"

kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
pid=""

e2e_start_program
if wait_for_named 'Restore\?'; then
    sleep 0.3
    e2e_screenshot list_recovery_offer
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    xdotool key y
else
    fail "the next start offered nothing"
fi
wait_for_window || { echo "FAIL: the main window did not appear after the offer"; exit 1; }
main=$window
sleep 0.5
[ "$(first_entry_colour)" = "#$wheel" ] || fail "after the restore the list shows $(first_entry_colour), expected #$wheel"
e2e_screenshot list_recovery_restored

# Restored and unsaved: the close button asks; No ends without saving.
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool mousemove $((x + 502)) $((y + 9)) click 1
if wait_for_named 'Save\?'; then
    sleep 0.3
    xdotool key n
else
    fail "the restored list was not unsaved: no close question"
fi
wait_for_exit || fail "the program did not end after the close question"
[ ! -e "$recovery" ] || fail "the recovery file was left after the close question"

[ $status -eq 0 ] && echo "PASS: the list entry made before SIGKILL was offered and restored at the next start"
exit $status
