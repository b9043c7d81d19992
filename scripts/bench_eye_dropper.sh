#!/usr/bin/env bash
# The eye dropper from a build folder that `make bench` has already built:
# one magnifier tick over a 3840 x 2160 frozen screenshot in processor time
# (target: well under 5 ms, so the 50 ms tick never stutters), and the frozen
# screenshot itself taken from a 3840 x 2160 X screen (Xvfb).
#
#   scripts/bench_eye_dropper.sh [BUILD_DIR]
set -euo pipefail

build=${1:-build}
exe=$build/bin/bench_eye_dropper
if [[ ! -x $exe ]]; then
    echo "bench_eye_dropper.sh: $exe is missing (configure with -DTESSARO_BENCHMARKS=ON and build)" >&2
    exit 1
fi

tmp=$(mktemp -d "${TMPDIR:-/tmp}/tessaro-eye.XXXXXX")
xvfb_pid=""
cleanup() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 3840x2160x24 -noreset -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 1 100); do
    [[ -s $tmp/display ]] && break
    sleep 0.05
done
if [[ ! -s $tmp/display ]]; then
    echo "bench_eye_dropper.sh: Xvfb did not start" >&2
    exit 1
fi

echo "== Eye dropper: one tick (zoom 1..4, grid, 5x5) and the frozen 3840 x 2160 screenshot, processor time"
DISPLAY=":$(head -n 1 "$tmp/display")" QT_QPA_PLATFORM=xcb "$exe" --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true 2>/dev/null | grep -E '^Benchmark|_median'
