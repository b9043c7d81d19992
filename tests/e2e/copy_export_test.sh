#!/usr/bin/env bash
# Copy and export with the real pointer and keyboard: Ctrl+C copies the main
# colour's hex; F5 opens the Copy/Export Center, where the "Color Wheel"
# source and the "Value" format are picked and Enter copies; the Copy icon's
# right-click menu copies the VB notation; F10 exports the list as a GIMP
# palette through its save dialog; Ctrl+P takes the CSS colours of a text.
# In the Center's Columns box Ctrl+A selects the box's text.
# Each clipboard is read back by xclip.
# Usage: copy_export_test.sh KT_TESSARO TESSARO_CLI
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1 cli=$2

clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }

e2e_portable_copy "$app"
main_hex=7FD46E
wheel=$("$cli" derive $main_hex | awk '$1 == "wheel" {for (i = 2; i <= NF; i++) print substr($i, 2)}')

e2e_open_program
mx=$x my=$y

# ---- Ctrl+C: "&HTML Style Hex" of the main colour
xdotool key --window "$main" ctrl+c
sleep 0.3
[ "$(clipboard)" = "$main_hex" ] || fail "Ctrl+C copied '$(clipboard)', expected $main_hex"

# ---- F5: the Center; Color Wheel, Value, Enter
xdotool key F5
wait_for_named "Copy/Export Center" || { echo "FAIL: F5 opened no Copy/Export Center"; exit 1; }
center=$window
info=$(xwininfo -id "$center")
cx=$(awk -F: '/Absolute upper-left X/ {gsub(/ /, "", $2); print $2}' <<<"$info")
cy=$(awk -F: '/Absolute upper-left Y/ {gsub(/ /, "", $2); print $2}' <<<"$info")
sleep 0.3
height=$(xwininfo -id "$center" | awk -F: '/Height/ {gsub(/ /, "", $2); print $2}')
[ "$height" = 191 ] || fail "without the preview the Center is $height high, expected 191"
# The Preview button (the third under the Source list) shows the preview.
xdotool mousemove $((cx + 68)) $((cy + 174)) click 1
sleep 0.4
e2e_screenshot copy_center_preview
height=$(xwininfo -id "$center" | awk -F: '/Height/ {gsub(/ /, "", $2); print $2}')
[ "$height" = 453 ] || fail "with the preview the Center is $height high, expected 453"
# The source list's fourth row: "Color Wheel" (rows 13 pixels apart).
xdotool mousemove $((cx + 40)) $((cy + 82)) click 1
sleep 0.4
e2e_screenshot copy_center_swatches
# The format list's fifth row: "Value" (the list beside the Source list).
xdotool mousemove $((cx + 180)) $((cy + 96)) click 1
sleep 0.4
# The Value page's "oklch()" box: third column, first row.
xdotool mousemove $((cx + 522)) $((cy + 47)) click 1
sleep 0.4
e2e_screenshot copy_center_value
xdotool key Return
sleep 0.5
xdotool search --onlyvisible --name "^Copy/Export Center\$" >/dev/null 2>&1 && fail "Copy Now did not close the Center"
expected=$(for w in $wheel; do
    printf '%s\r\n%s\r\n\r\n' "$w" "$("$cli" css "$w" | sed -n 's/^oklch //p')"
done)
actual=$(clipboard)
[ "$actual" = "$expected" ] || fail "the Center copied '$(printf '%s' "$actual" | od -c | head -4)'"

# ---- F5 again: the Center kept its choices; Swatches as "WMF" puts an
# enhanced metafile and SVG on the clipboard
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key F5
wait_for_named "Copy/Export Center" || fail "F5 did not open the Center again"
sleep 0.3
xdotool mousemove $((cx + 180)) $((cy + 44)) click 1
sleep 0.3
xdotool mousemove $((cx + 368)) $((cy + 47)) click 1
sleep 0.3
e2e_screenshot copy_center_metafile
xdotool key Return
sleep 0.5
targets=$(xclip -o -selection clipboard -t TARGETS 2>/dev/null || true)
for type in image/emf image/x-emf image/svg+xml image/png; do
    grep -qx "$type" <<<"$targets" || fail "the metafile copy offers no $type (offers: $(tr '\n' ' ' <<<"$targets"))"
done
[ "$(xclip -o -selection clipboard -t image/x-emf 2>/dev/null | head -c 44 | tail -c 4)" = " EMF" ] ||
    fail "the clipboard's EMF has no EMF signature"
xclip -o -selection clipboard -t image/svg+xml 2>/dev/null | grep -q "<title>Color Swatches</title>" ||
    fail "the clipboard's SVG has no title"

# ---- F5 once more: in the Columns box Ctrl+A selects the box's text (it
# does not add the main colour to the list), so typing 6 makes six
# columns: the twelve wheel colours copy as a picture 6 x 23 wide.
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key F5
wait_for_named "Copy/Export Center" || fail "F5 did not open the Center a third time"
sleep 0.3
xdotool mousemove $((cx + 40)) $((cy + 82)) click 1
sleep 0.3
xdotool mousemove $((cx + 427)) $((cy + 96)) click 1
sleep 0.2
xdotool key ctrl+a
xdotool type 6
sleep 0.3
e2e_screenshot copy_center_columns
xdotool key Return
sleep 0.5
width=$(xclip -o -selection clipboard -t image/png 2>/dev/null | od -An -tu1 -j16 -N4 | awk '{print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4}')
[ "$width" = 138 ] || fail "after Ctrl+A and 6 in Columns the swatches are $width wide, expected 138"

# ---- the Copy icon's right-click menu: "V&B Hex"
xdotool mousemove $((mx + 64)) $((my + 39)) click 3
sleep 0.5
xdotool key b
sleep 0.3
[ "$(clipboard)" = "&H6ED47F" ] || fail "the Copy menu's VB Hex copied '$(clipboard)'"

# ---- F10: the export menu, "Export as GPL", its save dialog
palette=$work/mine.gpl
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key --window "$main" ctrl+a
sleep 0.2
xdotool key F10
sleep 0.5
xdotool key g
if wait_for_named "Export Color List"; then
    sleep 0.3
    xdotool type --delay 20 "$palette"
    xdotool key Return
    for _ in $(seq 1 50); do [ -f "$palette" ] && break; sleep 0.1; done
else
    fail "Export as GPL showed no save dialog"
fi
[ "$("$cli" convert "$palette" "$work/back.cll" && tr -d '\r' <"$work/back.cll")" = "#$main_hex" ] ||
    fail "the exported palette holds '$(cat "$palette" 2>/dev/null)'"

# ---- Ctrl+P with CSS text the program's own paste rules find nothing in:
# each CSS colour is taken, gamut-mapped; Ctrl+C shows the last one.
printf 'a { color: oklch(70%% 0.3 30); border-color: rebeccapurple }' | xclip -selection clipboard
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key --window "$main" ctrl+p
sleep 0.5
xdotool key --window "$main" ctrl+c
sleep 0.3
[ "$(clipboard)" = "663399" ] || fail "pasting CSS colours left the main colour at '$(clipboard)', expected 663399"

[ $status -eq 0 ] && echo "PASS: Ctrl+C, the Center (Color Wheel, Value with oklch()), the Copy menu, the GPL export and a CSS paste"
exit $status
