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

source "$(dirname "$0")/bench_xvfb.sh"
start_bench_xvfb bench_eye_dropper 3840x2160

echo "== Eye dropper: one tick (zoom 1..4, grid, 5x5) and the frozen 3840 x 2160 screenshot, processor time"
QT_QPA_PLATFORM=xcb "$exe" --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true 2>/dev/null | grep -E '^Benchmark|_median'
