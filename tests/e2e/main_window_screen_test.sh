#!/usr/bin/env bash
# Starts kt-tessaro on a virtual X screen as a user would, grabs the screen
# and checks the main swatch's and a wheel swatch's colours.
# Usage: main_window_screen_test.sh KT_TESSARO SCREEN_PROBE TESSARO_CLI
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1 probe=$2 cli=$3

e2e_portable_copy "$app"
e2e_open_program

# The main swatch is 60 x 60 at 71,144; wheel swatch 6 (Shape8) is 25 x 25 at 87,215.
expected_main="#7FD46E"
expected_wheel6=$("$cli" derive 7FD46E | awk '/^wheel/ {print $8}')
mapfile -t got < <("$probe" $((x + 101)) $((y + 174)) $((x + 99)) $((y + 227)))
check() {
    if [ "$2" = "$3" ]; then echo "ok: $1 $2"; else echo "FAIL: $1 is $2, expected $3"; status=1; fi
}
check "main swatch" "${got[0]}" "$expected_main"
check "wheel swatch +180" "${got[1]}" "$expected_wheel6"
exit $status
