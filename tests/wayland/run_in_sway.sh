#!/usr/bin/env bash
# Runs COMMAND [ARG...] inside a headless sway session with XWayland, a
# session D-Bus, PipeWire and the desktop portal (activated on demand), and
# returns its status. Status 77 (a skipped test) only when sway cannot
# start on this machine at all.
#
# Usage: run_in_sway.sh COMMAND [ARG...]
#
# sway refuses to run as root: run as root, the whole session (COMMAND
# too) runs as an unprivileged user (TESSARO_WL_USER, default nobody) in a
# private scratch folder it owns. Arguments that name files that user
# cannot read (a build tree under /root, say) are copied into the scratch
# folder together with the program files beside them.
#
# Inside COMMAND: WAYLAND_DISPLAY, DISPLAY (XWayland), SWAYSOCK,
# XDG_RUNTIME_DIR, HOME and TMPDIR are set; TESSARO_WL_SESSION names the
# scratch folder; TESSARO_WL_WALLPAPER the wallpaper (see wallpaper.py).
# The whole session is bounded by TESSARO_WL_TIMEOUT seconds (default 170)
# and every process of it is ended when it is over, also after a failure.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Every process of a session carries TESSARO_WL_SESSION=<its folder> in its
# environment (sway passes it on to what it starts, dbus-daemon to what it
# activates), which finds them all at the end.
end_session_processes() {  # FOLDER
    local file proc
    for _ in 1 2; do
        for file in $(grep -lzxF "TESSARO_WL_SESSION=$1" /proc/[0-9]*/environ 2>/dev/null); do
            proc=${file#/proc/}
            proc=${proc%/environ}
            [ "$proc" = $$ ] || kill -KILL "$proc" 2>/dev/null || true
        done
        sleep 0.1
    done
}

# Inside the session bus, as the unprivileged user: sway, then COMMAND.
inside_session() {
    local session=$TESSARO_WL_SESSION
    export XDG_CURRENT_DESKTOP=sway XDG_SESSION_TYPE=wayland
    export WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman
    export TESSARO_WL_WALLPAPER=$session/wallpaper.png
    unset WAYLAND_DISPLAY DISPLAY SWAYSOCK QT_QPA_PLATFORM
    python3 "$here/wallpaper.py" "$TESSARO_WL_WALLPAPER" 1920 1080

    # Run by sway once it is up: the session's addresses for the portal's
    # D-Bus activation, PipeWire (the wlr portal needs it), then the
    # addresses for COMMAND.
    cat >"$session/init.sh" <<INIT
#!/bin/sh
dbus-update-activation-environment WAYLAND_DISPLAY DISPLAY SWAYSOCK XDG_RUNTIME_DIR \
    XDG_CURRENT_DESKTOP=sway XDG_SESSION_TYPE=wayland TESSARO_WL_SESSION
pipewire >"$session/pipewire.log" 2>&1 &
for i in \$(seq 1 50); do [ -S "\$XDG_RUNTIME_DIR/pipewire-0" ] && break; sleep 0.1; done
{ echo "export WAYLAND_DISPLAY='\$WAYLAND_DISPLAY'"
  echo "export DISPLAY='\$DISPLAY'"
  echo "export SWAYSOCK='\$SWAYSOCK'"; } >"$session/addresses.tmp"
mv "$session/addresses.tmp" "$session/addresses"
INIT
    chmod +x "$session/init.sh"
    cat >"$session/sway.config" <<CONFIG
output HEADLESS-1 mode 1920x1080 position 0 0 bg $TESSARO_WL_WALLPAPER stretch
xwayland force
floating_minimum_size -1 x -1
for_window [app_id=".*"] floating enable
for_window [class=".*"] floating enable
exec $session/init.sh
CONFIG

    sway --config "$session/sway.config" >"$session/sway.log" 2>&1 &
    local sway_pid=$!
    for _ in $(seq 1 150); do
        [ -s "$session/addresses" ] && break
        kill -0 "$sway_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -s "$session/addresses" ]; then
        echo "SKIP: sway cannot start a headless session on this machine:"
        tail -n 20 "$session/sway.log"
        kill "$sway_pid" 2>/dev/null || true
        return 77
    fi
    # shellcheck disable=SC1091
    source "$session/addresses"
    # XWayland takes connections once its socket exists.
    for _ in $(seq 1 50); do
        [ -S "/tmp/.X11-unix/X${DISPLAY#:}" ] && break
        sleep 0.1
    done
    local status=0
    TESSARO_IN_SWAY=1 "$@" || status=$?
    swaymsg exit >/dev/null 2>&1 || kill "$sway_pid" 2>/dev/null || true
    wait "$sway_pid" 2>/dev/null || true
    return $status
}

if [ "${1:-}" = "--inside" ]; then
    shift
    inside_session "$@"
    exit $?
fi

[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARG...]" >&2; exit 2; }
command -v sway >/dev/null || { echo "SKIP: sway is not installed (scripts/install-deps.sh installs it)"; exit 77; }

session=$(mktemp -d "${TMPDIR:-/tmp}/tessaro-sway.XXXXXX")
chmod 755 "$session"
# The session's own home and runtime folders, for the session bus and all
# it starts too.
session_env=(TESSARO_WL_SESSION="$session" HOME="$session/home" TMPDIR="$session/tmp"
             XDG_RUNTIME_DIR="$session/run" XDG_CONFIG_HOME="$session/home/.config"
             XDG_DATA_HOME="$session/home/.local/share" XDG_CACHE_HOME="$session/home/.cache")
mkdir -p "$session/home/.config" "$session/home/.local/share" "$session/home/.cache" "$session/tmp" "$session/run"
chmod 700 "$session/run"
cleanup() {
    end_session_processes "$session"
    rm -rf "$session"
}
trap cleanup EXIT

as_user=()
runner=$here/run_in_sway.sh
args=("$@")
if [ "$(id -u)" -eq 0 ]; then
    user=${TESSARO_WL_USER:-nobody}
    uid=$(id -u "$user") && gid=$(id -g "$user") || { echo "FAIL: no user $user to run sway as"; exit 1; }
    as_user=(setpriv --reuid="$uid" --regid="$gid" --clear-groups --)
    readable() { "${as_user[@]}" test -r "$1"; }
    # The harness, and files named on the command line, where the user
    # cannot read them where they are.
    if ! readable "$runner"; then
        mkdir -p "$session/harness"
        cp -r "$here" "$session/harness/wayland"
        cp -r "$here/../e2e" "$session/harness/e2e"
        runner=$session/harness/wayland/run_in_sway.sh
    fi
    for i in "${!args[@]}"; do
        arg=${args[$i]}
        if [ -f "$arg" ] && ! readable "$arg"; then
            if [ "$i" -eq 0 ] && [ "$(dirname "$arg")" = "$here" ]; then
                args[$i]=$(dirname "$runner")/$(basename "$arg")
                continue
            fi
            copy=$session/files/$i
            mkdir -p "$copy"
            cp "$arg" "$copy/"
            find "$(dirname "$arg")" -maxdepth 1 -type f -perm -u+x \( -name 'kt-*' -o -name 'tessaro-*' \) \
                -exec cp -n {} "$copy/" \;
            args[$i]=$copy/$(basename "$arg")
        fi
    done
    chown -R "$uid:$gid" "$session"
fi
chmod 700 "$session" 2>/dev/null || true
[ "$(id -u)" -ne 0 ] || chown "$uid:$gid" "$session"

status=0
timeout --kill-after=5 "${TESSARO_WL_TIMEOUT:-170}" \
    "${as_user[@]}" env "${session_env[@]}" \
    dbus-run-session -- "$runner" --inside "${args[@]}" || status=$?
[ $status -ne 124 ] || echo "FAIL: the sway session did not end within ${TESSARO_WL_TIMEOUT:-170} s"
exit $status
