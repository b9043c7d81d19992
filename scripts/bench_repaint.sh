#!/usr/bin/env bash
# The main colour update cycle from a build folder that `make bench` has
# already built: processor time per cycle (Google Benchmark, median of 9
# runs) for the whole window and for its six sliders alone, then the
# instructions of one cycle counted by callgrind, which stay the same however
# busy the machine is.
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
TESSARO_BENCH_CYCLES=$cycles QT_QPA_PLATFORM=offscreen \
    valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$tmp/callgrind.out" \
    "$exe" >"$tmp/stdout" 2>"$tmp/stderr"
total=$(sed -n 's/.*Collected : *\([0-9]*\).*/\1/p' "$tmp/stderr")
if [[ -z $total ]]; then
    echo "bench_repaint.sh: callgrind gave no count:" >&2
    cat "$tmp/stderr" >&2
    exit 1
fi
echo "instructions per cycle: $((total / cycles))"
