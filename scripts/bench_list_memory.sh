#!/usr/bin/env bash
# The whole program's peak memory while it holds a colour list of 1,000,000
# entries: kt-tessaro opens the list named on its command line on a virtual
# X screen (Xvfb), and once its window is mapped the kernel's high-water mark
# of its resident memory (VmHWM) is read. The same run without a list is the
# peer.
#
#   scripts/bench_list_memory.sh [BUILD_DIR]
#
# Environment: BENCH_LIST_ENTRIES (default 1000000).
set -euo pipefail

build=${1:-build}
bin=$build/bin
entries=${BENCH_LIST_ENTRIES:-1000000}
[[ -x $bin/kt-tessaro ]] || { echo "bench_list_memory.sh: $bin/kt-tessaro is missing" >&2; exit 1; }

if [[ -z ${TESSARO_IN_XVFB:-} ]]; then
    export TESSARO_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi
unset QT_QPA_PLATFORM

tmp=$(mktemp -d "${TMPDIR:-/tmp}/tessaro-listmem.XXXXXX")
pid=""
cleanup() {
    [[ -n $pid ]] && kill -KILL "$pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

# A portable copy that is past its first run.
mkdir -p "$tmp/prog/TD" "$tmp/prog/CLLs" "$tmp/prog/TLs" "$tmp/prog/CWSs" "$tmp/prog/help"
cp "$bin/kt-tessaro" "$tmp/prog/"
printf 'program=tessaro\r\nfirstrun=0\r\n1.left=10\r\n1.top=10\r\n' >"$tmp/prog/TD/set.set"
awk -v n="$entries" 'BEGIN { for (i = 0; i < n; i++) printf "#%06X\r\n", (i * 2654435761) % 16777216 }' >"$tmp/list.cll"
export HOME=$tmp XDG_DATA_HOME=$tmp/share

# Peak resident memory in MiB of a run with the given arguments, read once
# its window is mapped.
peak_mib() {
    "$tmp/prog/kt-tessaro" "$@" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 1 600); do
        xdotool search --onlyvisible --pid "$pid" --name "^KT Tessaro$" >/dev/null 2>&1 && break
        sleep 0.05
    done
    sleep 0.5
    local kib
    kib=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
    pid=""
    awk -v k="$kib" 'BEGIN { printf "%.1f", k / 1024 }'
}

echo "== Peak memory of the program (VmHWM once the window is mapped)"
printf '%-34s %10s\n' "run" "MiB"
printf '%-34s %10s\n' "no list (peer)" "$(peak_mib)"
printf '%-34s %10s\n' "list of $entries entries" "$(peak_mib "$tmp/list.cll")"
echo "(target: under 150 MB for the whole program holding 1,000,000 entries)"
