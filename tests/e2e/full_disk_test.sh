#!/usr/bin/env bash
# A full disk at shutdown: the program's data folder is a tiny tmpfs that
# fills up while the program runs. Closing the program must report both the
# history file and the settings file as not saved, and leave both as they
# were. Mounting needs root (or CAP_SYS_ADMIN): without it the test is
# skipped (status 77).
# Usage: full_disk_test.sh KT_TESSARO
set -euo pipefail
source "$(dirname "$0")/lib.sh"
app=$1

if [ -z "${TESSARO_IN_XVFB:-}" ]; then
    probe=$(mktemp -d)
    if ! mount -t tmpfs -o size=64k tmpfs "$probe" 2>/dev/null; then
        rmdir "$probe"
        echo "skipped: this machine does not allow mounting a tmpfs (needs root or CAP_SYS_ADMIN)"
        exit 77
    fi
    umount "$probe"
    rmdir "$probe"
fi
e2e_begin "$0" "$@"

# A portable copy whose TD/ is the tmpfs.
e2e_portable_copy "$app"
td=$prog/TD
mount -t tmpfs -o size=64k tmpfs "$td"
e2e_at_exit 'mountpoint -q "$td" && umount "$td"'
printf 'program=tessaro\r\nfirstrun=0\r\n1.left=40\r\n1.top=30\r\nhist.autofade=0\r\nzoom=3\r\n' >"$td/set.set"
for i in $(seq 1 40); do printf '%d,%d,%d - #%02X%02X%02X\r\n' $i $i $i $i $i $i; done >"$td/history.cl2"
cp "$td/set.set" "$work/set.set.before"
cp "$td/history.cl2" "$work/history.cl2.before"

status=0
fail() { echo "FAIL: $*"; status=1; }

# Prints a shown window of the program other than the main window: a
# message box.
find_box() {
    for _ in $(seq 1 50); do
        for candidate in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
            if [ "$candidate" != "$window" ] && xwininfo -id "$candidate" 2>/dev/null | grep -q 'Map State: IsViewable'; then
                echo "$candidate"
                return 0
            fi
        done
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

e2e_start_program
wait_for_window || { echo "FAIL: the main window did not appear"; exit 1; }
sleep 0.5
# A new main colour (Make Websafe), so that the history has a step to write.
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --window "$window" ctrl+w
sleep 0.3

# The disk fills up.
dd if=/dev/zero of="$td/filler" bs=1k 2>/dev/null || true
[ "$(df --output=avail "$td" | tail -n 1 | tr -d ' ')" = 0 ] || fail "the tmpfs is not full: $(df "$td" | tail -n 1)"

# The close button is the last of the title bar's buttons, at its right end.
xdotool mousemove $((x + 502)) $((y + 9)) click 1
boxes=0
while box=$(find_box); do
    boxes=$((boxes + 1))
    [ $boxes -le 4 ] || break
    xdotool windowactivate --sync "$box" 2>/dev/null || xdotool windowfocus --sync "$box" 2>/dev/null || true
    echo "message box $boxes: window $box \"$(xdotool getwindowname "$box" 2>/dev/null)\""
    xdotool key Return 2>/dev/null || true
    # Wait until the box is gone before looking for the next one.
    for _ in $(seq 1 30); do
        xwininfo -id "$box" 2>/dev/null | grep -q 'Map State: IsViewable' || break
        sleep 0.1
    done
done
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
    fail "the program did not end after the close button and $boxes message boxes"
else
    wait "$pid" || true
    pid=""
fi
# One box for the history file, one for the settings file.
[ $boxes -eq 2 ] || fail "$boxes message boxes were shown, expected 2"

cmp -s "$td/history.cl2" "$work/history.cl2.before" ||
    fail "history.cl2 changed: $(wc -c <"$td/history.cl2") bytes"
cmp -s "$td/set.set" "$work/set.set.before" || fail "set.set changed: $(wc -c <"$td/set.set") bytes"
# The import window's found list is empty: its lastimported.txt needs no
# room and is written whole.
[ ! -s "$td/lastimported.txt" ] || fail "lastimported.txt holds $(wc -c <"$td/lastimported.txt") bytes"
left=$(find "$td" -mindepth 1 ! -name filler ! -name set.set ! -name history.cl2 ! -name lastimported.txt)
[ -z "$left" ] || fail "files left behind: $left"

[ $status -eq 0 ] && echo "ok: full disk at shutdown"
exit $status
