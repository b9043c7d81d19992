#!/usr/bin/env bash
# Every built-in layout with a WMF or EMF picture, chosen with the real
# pointer and keyboard in the Test Color window (F7): the program stays
# alive and the picture's own colours are on the screen where the layout
# puts it. The layouts are found in the list by typing their names, which
# selects and scrolls to them; the highlighted row is then clicked.
# Usage: metafile_layouts_test.sh KT_TESSARO
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1

e2e_portable_copy "$app"
cp -r "$(dirname "$app")/TLs/." "$prog/TLs/"

# name|document width|picture|box left top width height|stretched (else centred)
layouts=(
    "Logo 02.sts|526|star|440 276 64 64|1"
    "Test Layout 14.sts|526|star|440 276 64 64|1"
    "Test Layout 22.sts|526|star|440 276 64 64|1"
    "Test Layout 30.sts|526|star|440 276 64 64|1"
    "Demo Layout 3.sts|526|ribbon|376 262 60 60|0"
    "Page 02.sts|526|ribbon|442 12 72 72|1"
    "Page 05.sts|425|ribbon|341 12 72 72|1"
    "Page 08.sts|768|ribbon|684 12 72 72|1"
    "Page 11.sts|640|ribbon|556 12 72 72|1"
    "Test Layout 9.sts|425|ribbon|341 12 72 72|1"
    "Test Layout 25.sts|425|ribbon|341 12 72 72|1"
)
# picture: its size, then points of it (in its own pixels) with their colour.
declare -A picture_size=([star]="96 96" [ribbon]="159 59")
declare -A picture_points=(
    [star]="48 50 FFB703 48 88 A8DADC"
    [ribbon]="80 25 81B29A 40 25 F2CC8F"
)

near() {  # #RRGGBB RRGGBB: each channel within 8
    local a=${1#\#} b=$2 i
    for i in 0 2 4; do
        local d=$((16#${a:i:2} - 16#${b:i:2}))
        [ ${d#-} -le 8 ] || return 1
    done
}

e2e_open_program
xdotool key --window "$main" F7
wait_for_named "Test Color" || { echo "FAIL: F7 did not open the Test Color window"; exit 1; }
test_window=$window
sleep 0.5
xdotool windowmove --sync "$test_window" 10 10 2>/dev/null || xdotool windowmove "$test_window" 10 10
sleep 0.3
read -r tx ty < <(window_origin_of "$test_window")

# The main window goes to the screen's corner, clear of the documents.
xdotool windowmove "$main" 990 740 2>/dev/null || true
sleep 0.3

# Clicks the list's highlighted row, found as the first row that is not
# white at the list's left edge (the list stands right of the document, so
# its place follows the loaded layout's width).
click_highlighted_row() {  # DOCUMENT_WIDTH
    local list_x=$((tx + 8 + $1 + 6)) ys=() args=() column i y
    for y in $(seq $((ty + 43)) $((ty + 400))); do ys+=("$y"); args+=($((list_x + 3)) "$y"); done
    mapfile -t column < <("$TESSARO_SCREEN_PROBE" "${args[@]}")
    for i in "${!column[@]}"; do
        if [ "${column[$i]}" != "#FFFFFF" ]; then
            xdotool mousemove $((list_x + 40)) $((ys[i] + 6)) click 1
            return 0
        fi
    done
    return 1
}

# The first layout (425 wide) is loaded and highlighted when the window opens.
width=425
for entry in "${layouts[@]}"; do
    IFS='|' read -r name doc_width picture box stretch <<<"$entry"
    # A click on the loaded layout's row gives the list the keyboard (and
    # loads that layout again); its name typed after End loads each entry
    # the type-ahead reaches, the wanted one last.
    click_highlighted_row "$width" || { fail "before $name: no highlighted row in the list"; break; }
    sleep 0.4
    xdotool key End
    sleep 0.2
    xdotool type --delay 30 "$name"
    sleep 1.5
    width=$doc_width
    kill -0 "$pid" 2>/dev/null || { echo "FAIL: the program ended after choosing $name"; pid=""; exit 1; }

    read -r left top box_w box_h <<<"$box"
    read -r pw ph <<<"${picture_size[$picture]}"
    read -ra points <<<"${picture_points[$picture]}"
    for ((i = 0; i < ${#points[@]}; i += 3)); do
        px=${points[i]} py=${points[i + 1]} color=${points[i + 2]}
        if [ "$stretch" = 1 ]; then
            sx=$((left + px * box_w / pw)) sy=$((top + py * box_h / ph))
        else
            sx=$((left + box_w / 2 - pw / 2 + px)) sy=$((top + box_h / 2 - ph / 2 + py))
        fi
        # Cut off by the box: nothing to see there.
        [ "$sx" -ge "$left" ] && [ "$sx" -lt $((left + box_w)) ] || continue
        shown=$("$TESSARO_SCREEN_PROBE" $((tx + 8 + sx)) $((ty + 40 + sy)))
        near "$shown" "$color" || fail "$name: the picture shows $shown at ($sx, $sy), expected #$color"
    done
    e2e_screenshot "metafile_${name// /_}"
    echo "ok: $name"
done

kill -0 "$pid" 2>/dev/null || fail "the program is gone"
exit $status
