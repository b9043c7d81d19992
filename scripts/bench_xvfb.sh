# Sourced by the benchmark scripts that need an X screen of their own:
# `start_bench_xvfb NAME WIDTHxHEIGHT` makes the scratch folder $tmp, starts
# Xvfb at that size, exports DISPLAY and removes both when the script ends.

start_bench_xvfb() {
    local name=$1 size=$2
    tmp=$(mktemp -d "${TMPDIR:-/tmp}/tessaro-$name.XXXXXX")
    xvfb_pid=""
    trap stop_bench_xvfb EXIT
    Xvfb -displayfd 3 -screen 0 "${size}x24" -noreset -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 1 100); do
        [[ -s $tmp/display ]] && break
        sleep 0.05
    done
    [[ -s $tmp/display ]] || { echo "$name: Xvfb did not start" >&2; cat "$tmp/xvfb.log" >&2; exit 1; }
    DISPLAY=":$(head -n 1 "$tmp/display")"
    export DISPLAY
}

stop_bench_xvfb() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
