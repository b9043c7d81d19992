#!/usr/bin/env bash
# Starts the program from a build folder; without a display, says how to
# run it headless.
set -euo pipefail
build=${1:-build}
program="$build/bin/kt-tessaro"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found. To run KT Tessaro headless, start it under Xvfb:" >&2
    echo "    xvfb-run -a $program" >&2
    exit 1
fi
exec "$program"
