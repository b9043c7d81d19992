#!/usr/bin/env bash
# A question box takes the keyboard when it appears, even while another of
# the program's windows held it: with the Import Colors window open and the
# colour list changed, the main window's close button asks "Save?", and a
# plain "n" typed on the keyboard (sent to no window in particular) answers
# No, so the program ends.
# Usage: question_focus_test.sh KT_TESSARO
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1

e2e_portable_copy "$app"
e2e_open_program

# Keys through the real keyboard (no --window): xdotool sends the keys of a
# "--window" combination to a window that has lost the focus meanwhile as
# synthetic events, so Ctrl+I, which moves the focus to the new window,
# would leave Ctrl held down on the X server.
xdotool key ctrl+a
xdotool key ctrl+i
wait_for_named "Import Colors" || { echo "FAIL: Ctrl+I showed no Import Colors window"; exit 1; }
sleep 0.3

xdotool mousemove $((x + 502)) $((y + 9)) click 1
wait_for_named 'Save\?' || { e2e_screenshot question_focus_no_question; echo "FAIL: no question about the changed list"; exit 1; }
sleep 0.3
e2e_screenshot question_focus_asked
xdotool key n
wait_for_exit || { e2e_screenshot question_focus_not_answered; echo "FAIL: \"n\" did not answer the question"; exit 1; }
echo "PASS: the close question took the keyboard and \"n\" answered it"
