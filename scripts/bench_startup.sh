#!/usr/bin/env bash
# The whole program's start-up and exit, as its user sees them: kt-tessaro
# launched on a virtual X screen (Xvfb, no window manager) from a portable
# copy whose TD/history.cl2 holds 0, 100,000 and 1,000,000 steps. For each,
# the median of the runs of: launch to the first mapped window, and SIGTERM
# to the end of the process (the shutdown saves the history and settings,
# each save flushed to the disk). The empty history is the peer of the long
# ones; a start-up linear in the steps costs ten times as much extra for
# 1,000,000 steps as for 100,000.
#
#   scripts/bench_startup.sh [BUILD_DIR]
#
# Then, side by side with gpick (a GTK colour picker) under openbox: launch
# to the main window mapped (our splash comes first), with an empty and a
# 100,000-step history, the two programs taking turns, and the resident
# memory after start with the empty history. gpick is installed here when
# it is missing and apt-get can (it is needed by this comparison only).
#
# Environment: BENCH_RUNS (runs per history, the median counts; default 9),
# BENCH_SETTLE_MS (the wait between the mapped window and SIGTERM; default
# 500), BENCH_STARTUP_PARTS (which parts run, of "own peer callgrind";
# default all). The runs of the three histories take turns, so that other
# work on the machine weighs on all three alike. One run of each comes
# first, uncounted: it registers the file type (a first run) and fills the
# disk cache.
set -euo pipefail

build=${1:-build}
bin=$build/bin
runs=${BENCH_RUNS:-9}
settle=${BENCH_SETTLE_MS:-500}
sizes=(0 100000 1000000)
parts=" ${BENCH_STARTUP_PARTS:-own peer callgrind} "

for exe in kt-tessaro bench_launch_timer; do
    if [[ ! -x $bin/$exe ]]; then
        echo "bench_startup.sh: $bin/$exe is missing (configure with -DTESSARO_BENCHMARKS=ON and build)" >&2
        exit 1
    fi
done
command -v Xvfb >/dev/null || { echo "bench_startup.sh: Xvfb is missing" >&2; exit 1; }

source "$(dirname "$0")/bench_xvfb.sh"
start_bench_xvfb bench_startup 1024x768
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# Nothing of the user's own desktop set-up takes part.
export HOME=$tmp/home XDG_DATA_HOME=$tmp/home/share XDG_CONFIG_HOME=$tmp/home/config XDG_RUNTIME_DIR=$tmp/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# A portable copy per history: the executable beside its own data folders.
for steps in "${sizes[@]}"; do
    prog=$tmp/prog-$steps
    mkdir -p "$prog/TD" "$prog/CLLs" "$prog/TLs" "$prog/CWSs" "$prog/help"
    cp "$bin/kt-tessaro" "$prog/"
    # Steps in the history file's own form, "R,G,B - #RRGGBB" with CR LF.
    awk -v n="$steps" 'BEGIN {
        for (i = 0; i < n; ++i) {
            r = i % 256; g = int(i / 256) % 256; b = (i * 7) % 256
            printf "%d,%d,%d - #%02X%02X%02X\r\n", r, g, b, r, g, b
        }
    }' >"$prog/TD/history.cl2"
done

# run_once STEPS: prints "launch_ms exit_ms launch_cpu_ms exit_cpu_ms" of one run.
run_once() {
    "$bin/bench_launch_timer" --settle "$settle" "$tmp/prog-$1/kt-tessaro"
}

# median FILE COLUMN
median() {
    sort -n -k "$2,$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END {
        printf "%.1f", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else printf "n/a" }'
}

# The gpick comparison, under openbox like a desktop.
peer_comparison() {
    if ! command -v gpick >/dev/null; then
        if [[ $(id -u) == 0 ]] && command -v apt-get >/dev/null; then
            DEBIAN_FRONTEND=noninteractive apt-get install -y -qq gpick >/dev/null || true
        fi
        command -v gpick >/dev/null || { echo "bench_startup.sh: gpick is missing; no side-by-side comparison" >&2; return 0; }
    fi
    command -v openbox >/dev/null || { echo "bench_startup.sh: openbox is missing; no side-by-side comparison" >&2; return 0; }
    openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
    local wm_pid=$!
    for _ in $(seq 1 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
    local peer_sizes=(0 100000) steps run
    # One uncounted run of each first (gpick writes its first configuration).
    for steps in "${peer_sizes[@]}"; do
        "$bin/bench_launch_timer" --maps 2 "$tmp/prog-$steps/kt-tessaro" >/dev/null
        "$bin/bench_launch_timer" gpick >/dev/null
    done
    for ((run = 0; run < runs; ++run)); do
        for steps in "${peer_sizes[@]}"; do
            "$bin/bench_launch_timer" --settle "$settle" --maps 2 "$tmp/prog-$steps/kt-tessaro" >>"$tmp/ours-$steps"
            "$bin/bench_launch_timer" --settle "$settle" gpick >>"$tmp/gpick-$steps"
        done
    done
    kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null || true

    echo
    echo "== Side by side with gpick (Xvfb + openbox, alternating, median of $runs): launch to the main window mapped"
    # The wall ratio is the target; the processor time ratio is steadier on
    # a busy machine.
    local row='%-14s %10s %12s %10s %12s %8s %10s\n'
    # shellcheck disable=SC2059
    printf "$row" "history steps" "ours ms" "ours cpu ms" "gpick ms" "gpick cpu ms" "ratio" "cpu ratio"
    for steps in "${peer_sizes[@]}"; do
        # gpick reads none of our history: its two rows are two samples of one start.
        local ours gpick ours_cpu gpick_cpu
        ours=$(median "$tmp/ours-$steps" 1)
        gpick=$(median "$tmp/gpick-$steps" 1)
        ours_cpu=$(median "$tmp/ours-$steps" 3)
        gpick_cpu=$(median "$tmp/gpick-$steps" 3)
        # shellcheck disable=SC2059
        printf "$row" "$steps" "$ours" "$ours_cpu" "$gpick" "$gpick_cpu" "$(ratio "$ours" "$gpick")" \
            "$(ratio "$ours_cpu" "$gpick_cpu")"
    done
    printf 'resident memory after start, empty history: ours %s MB, gpick %s MB\n' \
        "$(median "$tmp/ours-0" 5 | awk '{ printf "%.1f", $1 / 1024 }')" \
        "$(median "$tmp/gpick-0" 5 | awk '{ printf "%.1f", $1 / 1024 }')"
    echo "(targets: main window <= 0.5x gpick with both histories; resident memory <= 35 MB)"
}

if [[ $parts == *" own "* ]]; then
    for steps in "${sizes[@]}"; do
        run_once "$steps" >/dev/null
    done
    for ((run = 0; run < runs; ++run)); do
        for steps in "${sizes[@]}"; do
            run_once "$steps" >>"$tmp/times-$steps"
        done
    done

    echo "== Whole program: start-up to the mapped window and exit after SIGTERM (Xvfb, median of $runs)"
    echo "(wall ms as the user waits; cpu ms the program's own processor time in that part, steady on a busy machine)"
    row='%-18s %10s %10s %9s %9s %12s %12s\n'
    # shellcheck disable=SC2059
    printf "$row" "history steps" "launch ms" "cpu ms" "exit ms" "cpu ms" "launch/peer" "exit/peer"
    declare -A launch exit_time launch_cpu exit_cpu
    for steps in "${sizes[@]}"; do
        launch[$steps]=$(median "$tmp/times-$steps" 1)
        exit_time[$steps]=$(median "$tmp/times-$steps" 2)
        launch_cpu[$steps]=$(median "$tmp/times-$steps" 3)
        exit_cpu[$steps]=$(median "$tmp/times-$steps" 4)
    done
    for steps in "${sizes[@]}"; do
        # shellcheck disable=SC2059
        printf "$row" "$steps$([[ $steps == 0 ]] && echo ' (peer)')" "${launch[$steps]}" "${launch_cpu[$steps]}" \
            "${exit_time[$steps]}" "${exit_cpu[$steps]}" "$(ratio "${launch[$steps]}" "${launch[0]}")" \
            "$(ratio "${exit_time[$steps]}" "${exit_time[0]}")"
    done
    # linearity NAME ARRAY: extra for 1,000,000 steps over extra for 100,000.
    linearity() {
        local -n values=$2
        awk -v name="$1" -v a="${values[0]}" -v b="${values[100000]}" -v c="${values[1000000]}" 'BEGIN {
            printf "  %-12s %s\n", name, (b - a > 0 ? sprintf("%.1f", (c - a) / (b - a)) : "n/a") }'
    }
    echo "extra for 1,000,000 steps / extra for 100,000 (10 when linear, less when a fixed cost dominates):"
    linearity "launch wall" launch
    linearity "launch cpu" launch_cpu
    linearity "exit wall" exit_time
    linearity "exit cpu" exit_cpu
    echo "(targets with 100,000 steps: launch <= 45 ms, exit <= 12 ms)"
fi

if [[ $parts == *" peer "* ]]; then
    peer_comparison
fi

if [[ $parts != *" callgrind "* ]]; then
    exit 0
fi
if ! command -v valgrind >/dev/null; then
    echo "bench_startup.sh: valgrind is missing; no instruction count" >&2
    exit 0
fi
# Everything before the shutdown is counted: the start-up, the first paint
# and the idle event loop until the signal (a few text cursor blinks).
echo
echo "== Start-up: instructions to the first paint (callgrind), empty history and 100,000 steps"
for steps in 0 100000; do
    "$bin/bench_launch_timer" --settle 3000 valgrind --tool=callgrind --dump-before='*ProgramSession::Shutdown*' \
        --callgrind-out-file="$tmp/callgrind-$steps.out" "$tmp/prog-$steps/kt-tessaro" >/dev/null 2>"$tmp/valgrind.log" ||
        { echo "bench_startup.sh: the run under callgrind failed:" >&2; cat "$tmp/valgrind.log" >&2; exit 1; }
    startup=$(sed -n 's/^summary: *//p' "$tmp/callgrind-$steps.out.1")
    printf '%-18s %14s instructions\n' "$steps steps" "$startup"
done
