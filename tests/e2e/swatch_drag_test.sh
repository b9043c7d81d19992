#!/usr/bin/env bash
# Drags every swatch of the main window onto the main swatch with the real
# pointer: each of the 41 wheel, harmony and quick variation swatches makes
# its colour the main colour and records one history step; the main swatch
# dropped on itself changes nothing. The history file left at the close
# button is read back.
# Usage: swatch_drag_test.sh KT_TESSARO TESSARO_CLI
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$0" "$@"
app=$1 cli=$2

e2e_portable_copy "$app"
e2e_open_program

# Swatch centres in the client area: "group index x y", where group is the
# line of `tessaro-cli derive` that holds the swatch's colour.
swatches=()
wheel_places=(88,108 116,113 136,134 141,161 136,189 115,210 87,215 59,210 39,189 34,161 39,134 60,113)
for k in "${!wheel_places[@]}"; do
    IFS=, read -r px py <<<"${wheel_places[$k]}"
    swatches+=("wheel $k $((px + 12)) $((py + 12))")
done
harmony_rows=(analogous:98:3 complements:136:2 splitcomplements:174:3 triad:212:3 tetrad:250:4 square:288:4)
for row in "${harmony_rows[@]}"; do
    IFS=: read -r name top count <<<"$row"
    for ((i = 0; i < count; i++)); do
        swatches+=("$name $i $((212 + 22 * i + 10)) $((top + 10))")
    done
done
for i in $(seq 0 9); do
    swatches+=("variations $i $((212 + 22 * (i % 5) + 10)) $(((i < 5 ? 335 : 357) + 10))")
done
main_x=$((x + 101)) main_y=$((y + 174))

# The history step text of a colour given as RRGGBB.
step_text() {
    printf '%d,%d,%d - #%s' "0x${1:0:2}" "0x${1:2:2}" "0x${1:4:2}" "$1"
}

# The main swatch dropped on itself is refused.
e2e_drag $((main_x - 15)) $((main_y - 15)) $((main_x + 10)) $((main_y + 10))

current=7FD46E
expected=()
first=1
for swatch in "${swatches[@]}"; do
    read -r group index sx sy <<<"$swatch"
    colour=$("$cli" derive "$current" | awk -v g="$group" -v i="$index" '$1 == g {print substr($(i + 2), 2)}')
    if [ $first -eq 1 ]; then
        # One screenshot with the pointer resting on the main swatch.
        e2e_drag $((x + sx)) $((y + sy)) "$main_x" "$main_y" e2e_screenshot swatch_drag_over_main_swatch
        first=0
    else
        e2e_drag $((x + sx)) $((y + sy)) "$main_x" "$main_y"
    fi
    expected+=("$(step_text "$colour")")
    current=$colour
done

shown=$("$TESSARO_SCREEN_PROBE" "$main_x" "$main_y")
[ "$shown" = "#$current" ] || fail "the main swatch shows $shown, expected #$current"

# The close button is the last of the title bar's buttons, at its right end.
xdotool mousemove $((x + 502)) $((y + 9)) click 1
wait_for_exit || fail "the program did not end after the close button"

mapfile -t got < <(tr -d '\r' <"$prog/TD/history.cl2")
[ ${#got[@]} -eq ${#expected[@]} ] || fail "history.cl2 holds ${#got[@]} steps, expected ${#expected[@]}"
for i in "${!expected[@]}"; do
    if [ "${got[$i]:-}" != "${expected[$i]}" ]; then
        read -r group index _ <<<"${swatches[$i]}"
        fail "step $((i + 1)) (dragged from $group $index) is '${got[$i]:-}', expected '${expected[$i]}'"
        break
    fi
done

[ $status -eq 0 ] && echo "ok: ${#expected[@]} swatches dragged onto the main swatch"
exit $status
