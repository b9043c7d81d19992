#!/usr/bin/env bash
# Benchmarks from a build folder that `make bench` has already built: the
# engine benchmarks (Google Benchmark), then tessaro-cli's scanners and grep
# over a generated text, and how the scanners' time grows with the text.
#
#   scripts/bench.sh [BUILD_DIR]
#
# Environment: BENCH_SIZE (bytes of the large text, default 50000000),
# BENCH_SEED (default 1), BENCH_REPEAT (runs per timing, the best counts;
# default 3), BENCH_ENGINE_ARGS (extra bench_engine options, e.g.
# --benchmark_filter=Scan). MB are 10^6 bytes here; Google Benchmark's own
# bytes_per_second column counts in 2^20 bytes.
#
# Each whole-program figure is given twice: by wall-clock time, and by
# processor time (user + system), which stays steady when other work shares
# the machine. Processor times need GNU time (/usr/bin/time).
set -euo pipefail

build=${1:-build}
bin=$build/bin
size=${BENCH_SIZE:-50000000}
seed=${BENCH_SEED:-1}
repeat=${BENCH_REPEAT:-3}

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

# best_seconds OUTFILE COMMAND...: runs COMMAND $repeat times with its
# standard output in OUTFILE and prints the shortest wall-clock time and the
# shortest processor time in seconds (0 without GNU time). A failing command
# stops the script.
best_seconds() {
    local out=$1
    shift
    local best_wall="" best_cpu="" start end status cpu
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
        cpu=$(awk 'NF == 2 { printf "%d", ($1 + $2) * 1000 }' "$tmp/cpu")
        if [[ -z $best_wall ]] || ((end - start < best_wall)); then
            best_wall=$((end - start))
        fi
        if [[ -z $best_cpu ]] || ((cpu < best_cpu)); then
            best_cpu=$cpu
        fi
    done
    awk -v ns="$best_wall" -v ms="$best_cpu" 'BEGIN { printf "%.3f %.3f\n", ns / 1e9, ms / 1e3 }'
}

mb_per_s() {
    awk -v bytes="$1" -v s="$2" 'BEGIN { if (s > 0) printf "%.1f", bytes / 1e6 / s; else printf "n/a" }'
}

peak_rss() {
    if [[ -n $timer ]]; then
        "$timer" -f %M -o "$tmp/rss" "$@" >/dev/null 2>&1 || true
        awk '{ printf "%.0f MB", $1 / 1024 }' "$tmp/rss"
    else
        echo "n/a"
    fi
}

echo "== Engine: bench_engine"
# shellcheck disable=SC2086
"$bin/bench_engine" ${BENCH_ENGINE_ARGS:-} 2>&1
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
row='%-44s %8s %8s %8s %8s %9s %9s\n'

echo "== Whole program over a generated text of $size bytes (seed $seed, best of $repeat)"
# shellcheck disable=SC2059
printf "$row" "command" "wall s" "MB/s" "cpu s" "MB/s" "lines out" "peak RSS"
for command in "${commands[@]}"; do
    # shellcheck disable=SC2206
    args=($command)
    read -r wall cpu < <(best_seconds "$tmp/out" "$cli" "${args[@]}" "$text")
    # shellcheck disable=SC2059
    printf "$row" "tessaro-cli $command FILE" "$wall" "$(mb_per_s "$size" "$wall")" "$cpu" \
        "$(mb_per_s "$size" "$cpu")" "$(wc -l <"$tmp/out")" "$(peak_rss "$cli" "${args[@]}" "$text")"
done
locales=(C)
[[ ${LC_ALL:-${LANG:-C}} != C ]] && locales+=("${LC_ALL:-${LANG:-C}}")
for locale in "${locales[@]}"; do
    read -r wall cpu < <(LC_ALL=$locale best_seconds "$tmp/out" bash -c "$grep_matches" grep "$text")
    # shellcheck disable=SC2059
    printf "$row" "grep -oE '#[0-9A-Fa-f]{6}' | wc -l ($locale)" "$wall" "$(mb_per_s "$size" "$wall")" "$cpu" \
        "$(mb_per_s "$size" "$cpu")" "$(tr -d ' ' <"$tmp/out")" ""
done
echo

echo "== Linearity: tessaro-cli on prefixes of $quarter, $half and $size bytes (best of $repeat)"
row='%-28s %-5s %8s %8s %8s %14s %12s\n'
# shellcheck disable=SC2059
printf "$row" "command" "time" "t(1/4)" "t(1/2)" "t(1)" "t(1/2)/t(1/4)" "t(1)/t(1/2)"
for command in "${commands[@]}"; do
    # shellcheck disable=SC2206
    args=($command)
    walls=()
    cpus=()
    for bytes in "$quarter" "$half" "$size"; do
        read -r wall cpu < <(best_seconds "$tmp/out" "$cli" "${args[@]}" "$tmp/text-$bytes.txt")
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
