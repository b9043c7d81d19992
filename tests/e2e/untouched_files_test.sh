#!/usr/bin/env bash
# Runs that change nothing leave the settings and history files alone: after
# a first run has written set.set, a run that opens no tool window writes it
# again byte for byte, and the history file keeps its bytes and its time. A
# run that opens a tool window by its key (F7) and picks a new main colour
# (Ctrl+W, Make Websafe) writes both.
# Usage: untouched_files_test.sh KT_TESSARO
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1

e2e_portable_copy "$app"
td=$prog/TD
for i in $(seq 1 100); do printf '%d,%d,%d - #%02X%02X%02X\r\n' $i $i $i $i $i $i; done >"$td/history.cl2"
touch -d '2001-02-03 04:05:06' "$td/history.cl2"
cp -p "$td/history.cl2" "$work/history.before"

# run_and_close [KEY...]: starts the program, presses the keys in the main
# window and closes it with its close button.
run_and_close() {
    e2e_start_program
    wait_for_window || { echo "FAIL: the main window did not appear"; exit 1; }
    sleep 0.3
    local key
    for key in "$@"; do
        xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window" 2>/dev/null || true
        xdotool key --window "$window" "$key"
        sleep 0.5
    done
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    # The close button is the last of the title bar's buttons, at its right end.
    xdotool mousemove $((x + 502)) $((y + 9)) click 1
    wait_for_exit || fail "the program did not end after the close button"
}

run_and_close
[ -s "$td/set.set" ] || { echo "FAIL: the first run wrote no set.set"; exit 1; }
cp -p "$td/set.set" "$work/set.before"
sleep 1.1  # a rewrite would show in the file's time

run_and_close
cmp -s "$td/set.set" "$work/set.before" ||
    fail "set.set changed in a run that opened nothing: $(diff <(tr -d '\r' <"$work/set.before") <(tr -d '\r' <"$td/set.set") | tr '\n' ' ')"
cmp -s "$td/history.cl2" "$work/history.before" || fail "history.cl2 changed in a run that changed nothing"
[ "$(stat -c %Y "$td/history.cl2")" = "$(stat -c %Y "$work/history.before")" ] ||
    fail "history.cl2 was written again in a run that changed nothing"

run_and_close F7 ctrl+w
grep -q $'^shp.left=' "$td/set.set" || fail "the Test Color window opened by F7 wrote no place: $(tr -d '\r' <"$td/set.set" | tr '\n' ' ')"
# 100,100,100 made websafe is 102,102,102: a new newest step.
[ "$(tail -n 1 "$td/history.cl2")" = $'102,102,102 - #666666\r' ] ||
    fail "history.cl2 ends: $(tail -n 1 "$td/history.cl2" | od -c | head -2)"
[ "$(head -c 100 "$td/history.cl2")" = "$(head -c 100 "$work/history.before")" ] || fail "history.cl2 lost its first steps"

exit $status
