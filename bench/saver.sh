#!/usr/bin/env bash
# Saver benchmark: the time from starting "/s" to the renderer's first textured frame at
# 1920x1080 and 3840x2160, split into saver start, desktop capture, snapshot write, renderer
# start and snapshot load, beside a floor program that only opens the same bare GL window; the
# saver's peak working set during each session; and (at the first size) the saver's CPU time
# per minute while a session runs. Uses the measuring builds (saver_bench, renderer_bench,
# renderer_floor) in place of the shipped programs; those stay unchanged.
#
#   bench/saver.sh [runs] [cpu-seconds]
#   bench/saver.sh --quick      one run at the first size, five seconds of CPU: shows that it runs
#
# Builds what it needs in the cross build the README's commands make (build/win; another one
# with LUMO_SAVER_BUILD). Ends with a non-zero status only when it cannot measure; no figure
# passes or fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMO_SAVER_BUILD:-$root/build/win}
sizes=(1920x1080 3840x2160)
if [ "${1:-}" = --quick ]; then
    shift
    sizes=("${sizes[0]}")
    set -- 1 5
fi
runs=${1:-3}
cpu_seconds=${2:-60}

# A program of the build, wherever the build's folders put it.
built() {
    local found
    found=$(find "$build" -name "$1.exe" -type f -not -path '*/CMakeFiles/*' | head -n1)
    [ -n "$found" ] || {
        echo "saver benchmark: no $1.exe in $build" >&2
        exit 1
    }
    echo "$found"
}

if [ "${LUMO_BENCH_INNER:-}" != 1 ]; then
    [ -f "$build/build.ninja" ] || bash "$root/scripts/build.sh" >/dev/null
    cmake --build "$build" --target saver_bench renderer_bench renderer_floor probe >/dev/null
    echo "saver benchmark, $runs runs per size, $(date -u +%Y-%m-%dT%H:%MZ), $(nproc) cores"
    for size in "${sizes[@]}"; do
        LUMO_BENCH_INNER=1 LUMO_SAVER_BUILD=$build \
            "$root/scripts/with-bench.sh" --size "$size" -- "$0" "$runs" "$cpu_seconds"
    done
    exit 0
fi

# ---- inside the bench ----
work=$(mktemp -d "$LUMO_BENCH_DIR/saver-bench.XXXXXX")
dir="$WINEPREFIX/drive_c/Lumo Bench"
mkdir -p "$dir"
cp "$(built saver_bench)" "$dir/ルモヴェイン.scr"
cp "$(built renderer_bench)" "$dir/ルモヴェイン.dll"
probe=$(built probe)
floor=$(built renderer_floor)
winpath() { printf 'Z:%s' "$(readlink -f "$1" | tr / '\\')"; }
value() { awk -v k="$1" '$1 == k { print $2 }' "$2"; }

# A detailed desktop, shown by a Wine window so that the capture has something to copy.
convert -size "$LUMO_SCREEN" -seed 3 plasma:fractal -type TrueColor BMP3:"$work/desktop.bmp"
wine "$probe" desktop "$(winpath "$work/desktop.bmp")" >/dev/null 2>&1 &
desktop_pid=$!
wine "$probe" wait-window "probe desktop" 10000 >/dev/null
trap 'kill $desktop_pid 2>/dev/null || true' EXIT

escape_renderer() {
    local id
    id=$(xdotool search --name '^Lumovane_VC$' | head -n1)
    xdotool windowfocus "$id" 2>/dev/null || true
    xdotool key Escape
}

wait_window() {
    wine "$probe" wait-window Lumovane_VC 30000 >/dev/null || { echo "no renderer window" >&2; exit 1; }
}

# The saver's peak working set so far, in MiB (Wine's own part of the process included).
peak_mib() { awk '$1 == "VmHWM:" { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }

# One session; prints "saver_start capture write renderer_start load whole peak" (ms, MiB).
session() {
    local saver_report=$work/saver-$1.txt renderer_report=$work/renderer-$1.txt pid peak
    (cd "$dir" && LUMO_SAVER_BENCH_REPORT="$(winpath "$work")\\saver-$1.txt" \
        LUMO_BENCH_REPORT="$(winpath "$work")\\renderer-$1.txt" exec wine "./ルモヴェイン.scr" /s) &
    pid=$!
    wait_window
    sleep 3
    peak=$(peak_mib "$pid")
    escape_renderer
    wait "$pid" || true
    sleep 0.5
    awk -v created="$(value process_created "$saver_report")" \
        -v begins="$(value load_begins "$saver_report")" \
        -v captured="$(value captured "$saver_report")" \
        -v written="$(value snapshot_written "$saver_report")" \
        -v started="$(value renderer_started "$saver_report")" \
        -v visible="$(value first_visible_frame_ms "$renderer_report")" \
        -v read="$(value snapshot_read_ms "$renderer_report")" \
        -v built="$(value texture_build_ms "$renderer_report")" \
        -v textured="$(value textured "$renderer_report")" -v peak="$peak" 'BEGIN {
            if (textured != 1) { print "renderer drew no texture" > "/dev/stderr"; exit 1 }
            load = read + built
            printf "%.0f %.0f %.0f %.0f %.0f %.0f %s\n", (begins - created) * 1000,
                (captured - begins) * 1000, (written - captured) * 1000,
                (started - written) * 1000 + visible - load, load,
                (started - created) * 1000 + visible, peak }'
}

floor_run() {
    local report=$work/floor-$1.txt pid
    (cd "$(dirname "$floor")" && LUMO_BENCH_REPORT="$(winpath "$work")\\floor-$1.txt" \
        exec wine "./$(basename "$floor")") &
    pid=$!
    wait_window
    sleep 2
    escape_renderer
    wait "$pid" || true
    value first_frame_ms "$report"
}

echo
echo "== $LUMO_SCREEN"
printf '%-4s %12s %9s %15s %15s %14s %9s %9s %6s %12s\n' run saver_start capture snapshot_write \
    renderer_start snapshot_load whole floor ratio saver_peak
for i in $(seq "$runs"); do
    read -r s c w r l t p < <(session "$i")
    f=$(floor_run "$i")
    awk -v i="$i" -v s="$s" -v c="$c" -v w="$w" -v r="$r" -v l="$l" -v t="$t" -v f="$f" \
        -v p="$p" 'BEGIN {
        printf "%-4s %10s ms %6s ms %12s ms %12s ms %11s ms %6s ms %6.0f ms %6.2f %8s MiB\n",
            i, s, c, w, r, l, t, f, t / f, p }'
done
[ "$LUMO_SCREEN" = "${sizes[0]}" ] || exit 0

# CPU time of the saver process while a session runs (the renderer not counted).
(cd "$dir" && LUMO_SAVER_BENCH_REPORT="$(winpath "$work")\\saver-cpu.txt" \
    LUMO_BENCH_REPORT="$(winpath "$work")\\renderer-cpu.txt" exec wine "./ルモヴェイン.scr" /s) &
pid=$!
wait_window
sleep 2
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat" 2>/dev/null || true; }
t0=$(ticks)
sleep "$cpu_seconds"
t1=$(ticks)
escape_renderer
wait "$pid" || true
[ -n "$t0" ] && [ -n "$t1" ] || { echo "saver CPU: the saver ended before the measurement did"; exit 0; }
hz=$(getconf CLK_TCK)
awk -v a="$t0" -v b="$t1" -v hz="$hz" -v s="$cpu_seconds" 'BEGIN {
    printf "saver CPU while a session runs: %.3f s per minute (%d ticks in %d s)\n",
        (b - a) / hz * 60 / s, b - a, s }'
