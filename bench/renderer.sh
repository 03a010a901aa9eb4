#!/usr/bin/env bash
# Renderer benchmark: runs the measuring build of the renderer and the floor program (same
# window and loop, clear and swap only) for about ten seconds each at 1280x720, 1920x1080 and
# 3840x2160, each size in its own Wine bench, and prints every figure with its ratio to the floor
# measured in the same run.
#
#   bench/renderer.sh [seconds]      (needs the cross build: renderer_bench, renderer_floor)
#
# LUMO_RENDERER_BUILD: the cross build folder (default build/renderer-win).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMO_RENDERER_BUILD:-$root/build/renderer-win}
seconds=${1:-10}

if [ "${LUMO_BENCH_INNER:-}" != 1 ]; then
    for program in renderer_bench renderer_floor; do
        [ -f "$build/renderer/$program.exe" ] ||
            { echo "missing $build/renderer/$program.exe: build the cross build first" >&2; exit 1; }
    done
    echo "renderer benchmark, ${seconds} s per run, $(date -u +%Y-%m-%dT%H:%MZ), $(nproc) cores"
    for size in 1280x720 1920x1080 3840x2160; do
        LUMO_BENCH_INNER=1 LUMO_RENDERER_BUILD=$build \
            "$root/scripts/with-bench.sh" --size "$size" -- "$0" "$seconds"
    done
    exit 0
fi

# ---- inside one bench ----
work=$(mktemp -d "$LUMO_BENCH_DIR/renderer-bench.XXXXXX")
snapshot="$WINEPREFIX/drive_c/v_olka/Lumovane.bmp"
mkdir -p "$(dirname "$snapshot")"
convert -size "$LUMO_SCREEN" -seed 7 plasma:fractal -type TrueColor BMP3:"$snapshot"

run() { # program report
    local program=$1 report=$2 pid window=""
    (cd "$build/renderer" && LUMO_BENCH_REPORT="Z:${report//\//\\}" exec wine "./$program.exe") &
    pid=$!
    for _ in $(seq 300); do
        window=$(xdotool search --name '^Lumovane_VC$' 2>/dev/null | head -n1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "$program: no window" >&2; kill "$pid"; return 1; }
    sleep "$seconds"
    xdotool windowfocus "$window" 2>/dev/null || true
    xdotool key Escape
    wait "$pid" || true
    [ -s "$report" ] || { echo "$program: no report" >&2; return 1; }
}

run renderer_bench "$work/scene.txt"
run renderer_floor "$work/floor.txt"

# A figure the program did not measure (the floor loads no picture) is written as negative.
figure() { awk -v k="$1" '$1 == k { print ($2 < 0 ? "-" : $2) }' "$2"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a != "-" && b != "-" && b > 0) printf "%.2f", a / b; else print "-" }'; }

echo
echo "== $LUMO_SCREEN (textured: $(figure textured "$work/scene.txt"))"
printf '%-34s %12s %12s %8s\n' figure scene floor ratio
for key in first_frame_ms first_visible_frame_ms frame_median_ms frame_p99_ms; do
    s=$(figure "$key" "$work/scene.txt")
    f=$(figure "$key" "$work/floor.txt")
    printf '%-34s %12s %12s %8s\n' "$key" "$s" "$f" "$(ratio "$s" "$f")"
done
for key in snapshot_read_ms texture_build_ms process_age_at_entry_ms frames; do
    s=$(figure "$key" "$work/scene.txt")
    f=$(figure "$key" "$work/floor.txt")
    printf '%-34s %12s %12s %8s\n' "$key" "$s" "$f" "$(ratio "$s" "$f")"
done
