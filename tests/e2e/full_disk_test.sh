#!/usr/bin/env bash
# A full disk at shutdown: the program's data folder is a tiny tmpfs that
# fills up while the program runs. The Import Colors window has found two
# colours on the clipboard ("From Clipboard"). Closing the program must
# report the found colours, the history file and the settings file as not
# saved, and leave all three files as they were. Mounting needs root (or
# CAP_SYS_ADMIN): without it the test is skipped (status 77).
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
printf '#112233\r\n#445566\r\n#778899\r\n' >"$td/lastimported.txt"
cp "$td/set.set" "$work/set.set.before"
cp "$td/history.cl2" "$work/history.cl2.before"
cp "$td/lastimported.txt" "$work/lastimported.txt.before"

# Prints a shown window of the program other than the main window and the
# Import Colors window: a message box.
find_box() {
    for _ in $(seq 1 50); do
        for candidate in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
            if [ "$candidate" != "$window" ] && [ "$candidate" != "${import:-}" ] && xwininfo -id "$candidate" 2>/dev/null | grep -q 'Map State: IsViewable'; then
                echo "$candidate"
                return 0
            fi
        done
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

e2e_open_program
# A new main colour (Make Websafe), so that the history has a step to write.
xdotool key --window "$main" ctrl+w
sleep 0.3

# Two colours found on the clipboard: Ctrl+I opens the Import Colors
# window, whose "From Clipboard" button is at (8, 252) .. (168, 276).
printf '#FF8000 #0080FF' | xclip -quiet -selection clipboard >/dev/null 2>&1 &
clip_pid=$!
e2e_at_exit "kill $clip_pid 2>/dev/null"
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key --window "$main" ctrl+i
if wait_for_named "Import Colors"; then
    import=$window
    xdotool windowmove --sync "$import" 0 0 2>/dev/null || xdotool windowmove "$import" 0 0
    sleep 0.3
    read -r ix iy < <(window_origin_of "$import")
    xdotool mousemove $((ix + 88)) $((iy + 264)) click 1
    found=""
    for _ in $(seq 1 30); do
        found=$("$TESSARO_SCREEN_PROBE" $((ix + 185)) $((iy + 50)))
        [ "$found" = "#FF8000" ] && break
        sleep 0.1
    done
    [ "$found" = "#FF8000" ] || fail "the first found colour shows $found after From Clipboard"
else
    fail "Ctrl+I showed no Import Colors window"
fi
window=$main

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
    e2e_screenshot "full_disk_box_$boxes"
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
# One box each for the found colours, the history file and the settings file.
[ $boxes -eq 3 ] || fail "$boxes message boxes were shown, expected 3"

cmp -s "$td/history.cl2" "$work/history.cl2.before" ||
    fail "history.cl2 changed: $(wc -c <"$td/history.cl2") bytes"
cmp -s "$td/set.set" "$work/set.set.before" || fail "set.set changed: $(wc -c <"$td/set.set") bytes"
cmp -s "$td/lastimported.txt" "$work/lastimported.txt.before" ||
    fail "lastimported.txt changed: $(wc -c <"$td/lastimported.txt") bytes"
left=$(find "$td" -mindepth 1 ! -name filler ! -name set.set ! -name history.cl2 ! -name lastimported.txt)
[ -z "$left" ] || fail "files left behind: $left"

[ $status -eq 0 ] && echo "ok: full disk at shutdown"
exit $status
