#!/usr/bin/env bash
# The main colour update cycle from a build folder that `make bench` has
# already built: processor time per cycle (Google Benchmark, median of 9
# runs), then the instructions of one cycle counted by callgrind, which stay
# the same however busy the machine is. The cycle is what the running program
# does: the new colour set, then the event loop's turn, in which Qt repaints
# the widgets that changed. Beside it, the same change with the whole window
# repainted, and the six sliders alone.
#
#   scripts/bench_repaint.sh [BUILD_DIR]
#
# Environment: BENCH_CYCLES (cycles counted under callgrind, default 50).
set -euo pipefail

build=${1:-build}
exe=$build/bin/bench_main_window
cycles=${BENCH_CYCLES:-50}

if [[ ! -x $exe ]]; then
    echo "bench_repaint.sh: $exe is missing (configure with -DTESSARO_BENCHMARKS=ON and build)" >&2
    exit 1
fi

echo "== Main colour change with repaint: processor time (median of 9) =="
QT_QPA_PLATFORM=offscreen "$exe" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
    2>/dev/null | grep -E '^Benchmark|_median'

if ! command -v valgrind >/dev/null; then
    echo "bench_repaint.sh: valgrind is missing; no instruction count" >&2
    exit 0
fi
echo "== Main colour change with repaint: instructions of one cycle (callgrind, $cycles cycles) =="
tmp=$(mktemp -d "${TMPDIR:-/tmp}/tessaro-repaint.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
# count_cycle LABEL [VAR=VALUE...]: the instructions of one cycle.
count_cycle() {
    local label=$1
    shift
    env "$@" TESSARO_BENCH_CYCLES="$cycles" QT_QPA_PLATFORM=offscreen \
        valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$tmp/callgrind.out" \
        "$exe" >"$tmp/stdout" 2>"$tmp/stderr"
    local total
    total=$(sed -n 's/.*Collected : *\([0-9]*\).*/\1/p' "$tmp/stderr")
    if [[ -z $total ]]; then
        echo "bench_repaint.sh: callgrind gave no count:" >&2
        cat "$tmp/stderr" >&2
        exit 1
    fi
    printf '%-58s %10s\n' "$label" "$((total / cycles))"
}
count_cycle "instructions per cycle (the widgets it changed repainted):"
count_cycle "instructions per cycle (the whole window repainted):" TESSARO_BENCH_WHOLE_WINDOW=1
echo "(target: <= 4 M instructions and <= 400 us processor time per cycle)"
