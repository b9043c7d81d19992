#!/usr/bin/env bash
# Benchmarks from a build folder that `make bench` has already built: the
# engine benchmarks (Google Benchmark), then tessaro-cli's scanners against
# grep over one generated text, a large text for the scanners' memory, and
# how the scanners' time grows with the text.
#
#   scripts/bench.sh [BUILD_DIR]
#
# Environment: BENCH_SIZE (bytes of the text, default 50000000), BENCH_SEED
# (default 1), BENCH_REPEAT (runs per timing, the median counts; default 5),
# BENCH_LARGE_SIZE (bytes of the large text, default 1000000000; 0 skips
# it), BENCH_ENGINE_ARGS (extra bench_engine options, e.g.
# --benchmark_filter=Scan). MB are 10^6 bytes here; Google Benchmark's own
# bytes_per_second column counts in 2^20 bytes.
#
# Each whole-program figure is given twice: by wall-clock time, and by
# processor time (user + system), which stays steady when other work shares
# the machine. Processor times and peak memory (maximum resident set size)
# need GNU time (/usr/bin/time, Debian package "time").
set -euo pipefail

build=${1:-build}
bin=$build/bin
size=${BENCH_SIZE:-50000000}
seed=${BENCH_SEED:-1}
repeat=${BENCH_REPEAT:-5}
large=${BENCH_LARGE_SIZE:-1000000000}

for exe in bench_engine bench_make_text tessaro-cli; do
    if [[ ! -x $bin/$exe ]]; then
        echo "bench.sh: $bin/$exe is missing (configure with -DTESSARO_BENCHMARKS=ON and build)" >&2
        exit 1
    fi
done

timer=""
[[ -x /usr/bin/time ]] && timer=/usr/bin/time

tmp=$(mktemp -d "${TMPDIR:-/tmp}/tessaro-bench.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

# median_seconds OUTFILE COMMAND...: runs COMMAND $repeat times with its
# standard output in OUTFILE and prints the median wall-clock time and the
# median processor time in seconds (0 without GNU time). A failing command
# stops the script.
median_seconds() {
    local out=$1
    shift
    local walls=() cpus=() start end status
    for ((run = 0; run < repeat; ++run)); do
        status=0
        start=$(date +%s%N)
        if [[ -n $timer ]]; then
            "$timer" -f '%U %S' -o "$tmp/cpu" "$@" >"$out" 2>"$tmp/stderr" || status=$?
        else
            echo "0 0" >"$tmp/cpu"
            "$@" >"$out" 2>"$tmp/stderr" || status=$?
        fi
        end=$(date +%s%N)
        if ((status != 0)); then
            echo "bench.sh: '$*' failed with status $status:" >&2
            cat "$tmp/stderr" >&2
            exit 1
        fi
        walls+=("$((end - start))")
        cpus+=("$(awk 'NF == 2 { printf "%d", ($1 + $2) * 1000 }' "$tmp/cpu")")
    done
    local wall cpu
    wall=$(printf '%s\n' "${walls[@]}" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
    cpu=$(printf '%s\n' "${cpus[@]}" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
    awk -v ns="$wall" -v ms="$cpu" 'BEGIN { printf "%.3f %.3f\n", ns / 1e9, ms / 1e3 }'
}

mb_per_s() {
    awk -v bytes="$1" -v s="$2" 'BEGIN { if (s > 0) printf "%.1f", bytes / 1e6 / s; else printf "n/a" }'
}

# peak_kb COMMAND...: the command's maximum resident set size in KiB (as
# GNU time's -v reports it), or nothing without GNU time.
peak_kb() {
    if [[ -n $timer ]]; then
        "$timer" -f %M -o "$tmp/rss" "$@" >/dev/null 2>&1 || true
        cat "$tmp/rss"
    fi
}

# ratio A B: A / B with two decimals, or n/a.
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (a != "n/a" && b != "n/a" && b > 0) printf "%.2f", a / b; else printf "n/a" }'
}

# rss_text KIB BYTES: "N MB (R x the text)".
rss_text() {
    if [[ -z $1 ]]; then
        echo "n/a"
    else
        awk -v kb="$1" -v bytes="$2" 'BEGIN { printf "%.0f MB (%.2fx)", kb * 1024 / 1e6, kb * 1024 / bytes }'
    fi
}

echo "== Engine: bench_engine"
# shellcheck disable=SC2086
"$bin/bench_engine" ${BENCH_ENGINE_ARGS:-} 2>&1

if [[ -x $bin/bench_color_list ]]; then
    echo "== Colour list of 1,000,000 entries: bench_color_list"
    "$bin/bench_color_list" 2>&1
fi
if [[ -x $bin/bench_color_list_view ]]; then
    echo "== Colour list view of 1,000,000 entries (offscreen): bench_color_list_view"
    "$bin/bench_color_list_view" 2>&1
fi
echo

if [[ -x $bin/bench_main_window ]]; then
    echo "== Main window: update cycle to repaint (offscreen)"
    QT_QPA_PLATFORM=offscreen "$bin/bench_main_window" 2>&1
    echo
fi
if [[ -x $bin/bench_session ]]; then
    echo "== Session: start-up to first paint, shutdown save (history of 0, 100,000 and 1,000,000 steps), the history file alone"
    QT_QPA_PLATFORM=offscreen "$bin/bench_session" 2>&1
    echo
fi

quarter=$((size / 4))
half=$((size / 2))
for bytes in "$quarter" "$half" "$size"; do
    "$bin/bench_make_text" --size "$bytes" --seed "$seed" "$tmp/text-$bytes.txt"
done
text=$tmp/text-$size.txt
cli=$bin/tessaro-cli
commands=("scan" "import --allow-duplicates" "import")
# shellcheck disable=SC2016  # expanded by the inner shell
grep_matches='grep -oE "#[0-9A-Fa-f]{6}" "$1" | wc -l'

echo "== Whole program over a generated text of $size bytes (seed $seed, median of $repeat)"
row='%-44s %8s %8s %8s %8s %9s %18s\n'
# shellcheck disable=SC2059
printf "$row" "command" "wall s" "MB/s" "cpu s" "MB/s" "lines out" "peak RSS"
declare -A wall_rate cpu_rate
# The peer: grep in the C locale, its matches counted.
read -r wall cpu < <(LC_ALL=C median_seconds "$tmp/out" bash -c "$grep_matches" grep "$text")
wall_rate[grep]=$(mb_per_s "$size" "$wall")
cpu_rate[grep]=$(mb_per_s "$size" "$cpu")
# shellcheck disable=SC2059
printf "$row" "grep -oE '#[0-9A-Fa-f]{6}' | wc -l (C)" "$wall" "${wall_rate[grep]}" "$cpu" \
    "${cpu_rate[grep]}" "$(tr -d ' ' <"$tmp/out")" \
    "$(rss_text "$(LC_ALL=C peak_kb bash -c "$grep_matches" grep "$text")" "$size")"
declare -A rss
for command in "${commands[@]}"; do
    # shellcheck disable=SC2206
    args=($command)
    read -r wall cpu < <(median_seconds "$tmp/out" "$cli" "${args[@]}" "$text")
    wall_rate[$command]=$(mb_per_s "$size" "$wall")
    cpu_rate[$command]=$(mb_per_s "$size" "$cpu")
    rss[$command]=$(peak_kb "$cli" "${args[@]}" "$text")
    # shellcheck disable=SC2059
    printf "$row" "tessaro-cli $command FILE" "$wall" "${wall_rate[$command]}" "$cpu" \
        "${cpu_rate[$command]}" "$(wc -l <"$tmp/out")" "$(rss_text "${rss[$command]}" "$size")"
done
echo
echo "Against grep (C locale) on the same text, from this run (targets: scan 2x, import 5x, peak RSS 1.5x the text):"
row='%-36s %12s %12s %18s\n'
# shellcheck disable=SC2059
printf "$row" "command" "x grep wall" "x grep cpu" "peak RSS / text"
for command in scan import; do
    # shellcheck disable=SC2059
    printf "$row" "tessaro-cli $command" "$(ratio "${wall_rate[$command]}" "${wall_rate[grep]}")" \
        "$(ratio "${cpu_rate[$command]}" "${cpu_rate[grep]}")" \
        "$([[ -n ${rss[$command]} ]] && ratio "$((rss[$command] * 1024))" "$size" || echo n/a)"
done
echo

if ((large > 0)); then
    echo "== Large text: $large bytes (seed $seed), one run each (target: peak RSS at most about 1.5 GB for 1 GB)"
    "$bin/bench_make_text" --size "$large" --seed "$seed" "$tmp/large.txt"
    row='%-36s %8s %8s %8s %8s %18s\n'
    # shellcheck disable=SC2059
    printf "$row" "command" "wall s" "MB/s" "cpu s" "MB/s" "peak RSS"
    saved_repeat=$repeat
    repeat=1
    for command in scan import; do
        read -r wall cpu < <(median_seconds /dev/null "$cli" "$command" "$tmp/large.txt")
        # shellcheck disable=SC2059
        printf "$row" "tessaro-cli $command" "$wall" "$(mb_per_s "$large" "$wall")" "$cpu" \
            "$(mb_per_s "$large" "$cpu")" "$(rss_text "$(peak_kb "$cli" "$command" "$tmp/large.txt")" "$large")"
    done
    repeat=$saved_repeat
    rm -f "$tmp/large.txt"
    echo
fi

echo "== Linearity: tessaro-cli on prefixes of $quarter, $half and $size bytes (median of $repeat)"
row='%-28s %-5s %8s %8s %8s %14s %12s\n'
# shellcheck disable=SC2059
printf "$row" "command" "time" "t(1/4)" "t(1/2)" "t(1)" "t(1/2)/t(1/4)" "t(1)/t(1/2)"
for command in "${commands[@]}"; do
    # shellcheck disable=SC2206
    args=($command)
    walls=()
    cpus=()
    for bytes in "$quarter" "$half" "$size"; do
        read -r wall cpu < <(median_seconds "$tmp/out" "$cli" "${args[@]}" "$tmp/text-$bytes.txt")
        walls+=("$wall")
        cpus+=("$cpu")
    done
    for kind in wall cpu; do
        if [[ $kind == wall ]]; then set -- "${walls[@]}"; else set -- "${cpus[@]}"; fi
        [[ $kind == cpu && -z $timer ]] && continue
        awk -v name="$command" -v kind="$kind" -v a="$1" -v b="$2" -v c="$3" -v row="$row" 'BEGIN {
            printf row, name, kind, a, b, c,
                (a > 0 ? sprintf("%.2f", b / a) : "n/a"), (b > 0 ? sprintf("%.2f", c / b) : "n/a") }'
    done
done
echo "(a time linear in the text doubles with it: ratios near 2.00)"
