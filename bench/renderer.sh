#!/usr/bin/env bash
# Renderer benchmark: runs the measuring build of the renderer and two floor programs with the
# same window and loop (the same-work floor: a screen-sized picture made in memory, mipmapped by
# the system's builder, six textured quads blended each frame; the clear-only floor: clear and
# swap) for about ten seconds each, in three interleaved rounds, at 1280x720, 1920x1080 and
# 3840x2160, each size in its own Wine bench. Prints the median of the rounds for every figure
# with its ratios to both floors measured in the same run, the first textured frame part by
# part, and one "summary" line per size for programs to read.
#
#   bench/renderer.sh [seconds] [rounds]
#
# Builds what it needs in the cross build the README's commands make (build/win; another one
# with LUMO_RENDERER_BUILD). LUMO_BENCH_SIZES="WxH ..." measures other screen sizes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMO_RENDERER_BUILD:-$root/build/win}
seconds=${1:-10}
rounds=${2:-3}
programs=(renderer_bench renderer_same_work renderer_floor)

if [ "${LUMO_BENCH_INNER:-}" != 1 ]; then
    [ -f "$build/build.ninja" ] || bash "$root/scripts/build.sh" >/dev/null
    cmake --build "$build" --target "${programs[@]}" >/dev/null
    echo "renderer benchmark, ${seconds} s per run, $rounds rounds, $(date -u +%Y-%m-%dT%H:%MZ), $(nproc) cores"
    for size in ${LUMO_BENCH_SIZES:-1280x720 1920x1080 3840x2160}; do
        LUMO_BENCH_INNER=1 LUMO_RENDERER_BUILD=$build \
            "$root/scripts/with-bench.sh" --size "$size" -- "$0" "$seconds" "$rounds"
    done
    exit 0
fi

# ---- inside one bench ----
work=$(mktemp -d "$LUMO_BENCH_DIR/renderer-bench.XXXXXX")
snapshot="$WINEPREFIX/drive_c/v_olka/Lumovane.bmp"
mkdir -p "$(dirname "$snapshot")"
convert -size "$LUMO_SCREEN" -seed 7 plasma:fractal -type TrueColor BMP3:"$work/snapshot.bmp"

run() { # program report [seconds]
    local program=$1 report=$2 pid window="" length=${3:-$seconds}
    # The renderer removes the photo once it has read it: each run gets it afresh.
    cp "$work/snapshot.bmp" "$snapshot"
    (cd "$build/renderer" && LUMO_BENCH_REPORT="Z:${report//\//\\}" exec wine "./$program.exe") &
    pid=$!
    for _ in $(seq 300); do
        window=$(xdotool search --name '^Lumovane_VC$' 2>/dev/null | head -n1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "$program: no window" >&2; kill "$pid"; return 1; }
    sleep "$length"
    xdotool windowfocus "$window" 2>/dev/null || true
    xdotool key Escape
    wait "$pid" || true
    [ -s "$report" ] || { echo "$program: no report" >&2; return 1; }
}

# The start-up part by part, in milliseconds, added to a report: process creation to the entry,
# the window (class, creation and showing, its GL context apart), the context, the scene's own
# set-up, the snapshot read, the texture build, issuing the first frame, its swap, and the
# frames after it up to the first one that draws the picture (the renderer's first frame only
# clears: every star starts past its size).
add_parts() { # report textured-frame-key
    awk -v textured="$2" '{ v[$1] = $2; print } END {
        read = v["snapshot_read_ms"] < 0 ? 0 : v["snapshot_read_ms"]
        build = v["texture_build_ms"] < 0 ? 0 : v["texture_build_ms"]
        entry = v["process_age_at_entry_ms"]
        printf "first_textured_frame_ms %.3f\n", v[textured]
        printf "part_process_start %.3f\n", entry
        printf "part_window %.3f\n", (v["at_window_begins_ms"] - entry) + \
            (v["at_window_shown_ms"] - v["at_context_made_ms"])
        printf "part_context %.3f\n", v["at_context_made_ms"] - v["at_window_begins_ms"]
        printf "part_scene_setup %.3f\n", v["at_scene_ready_ms"] - v["at_window_shown_ms"] - read - build
        printf "part_snapshot_read %.3f\n", read
        printf "part_texture_build %.3f\n", build
        printf "part_first_draw %.3f\n", v["at_frame_issued_ms"] - v["at_scene_ready_ms"]
        printf "part_first_swap %.3f\n", v["first_frame_ms"] - v["at_frame_issued_ms"]
        printf "part_to_textured_frame %.3f\n", v[textured] - v["first_frame_ms"] }' "$1" >"$1.parts"
}

# Median of each figure over the rounds' reports.
median() { # out reports...
    local out=$1
    shift
    awk '{ n[$1]++; v[$1, n[$1]] = $2; if (!($1 in seen)) { seen[$1] = 1; keys[++k] = $1 } }
        END { for (i = 1; i <= k; i++) { key = keys[i]; c = n[key]
            for (a = 1; a <= c; a++) x[a] = v[key, a] + 0
            for (a = 2; a <= c; a++) for (b = a; b > 1 && x[b - 1] > x[b]; b--) {
                t = x[b]; x[b] = x[b - 1]; x[b - 1] = t }
            print key, (c % 2 ? x[(c + 1) / 2] : (x[c / 2] + x[c / 2 + 1]) / 2) } }' "$@" >"$out"
}

# Wine's first window in a fresh prefix costs most of a second (its desktop process, the X11
# driver, the GL libraries from disk); a short run pays it here, not whichever program is first.
run renderer_floor "$work/warm-up.txt" 1
# Each round starts with the next program, so that each takes every place in the order alike
# (a start right after another program's end pays for some of its clean-up).
order=(scene same floor)
for r in $(seq "$rounds"); do
    for i in 0 1 2; do
        case ${order[$(((r - 1 + i) % 3))]} in
        scene) run renderer_bench "$work/scene-$r.txt"
            add_parts "$work/scene-$r.txt" first_visible_frame_ms ;;
        same) run renderer_same_work "$work/same-$r.txt"
            add_parts "$work/same-$r.txt" first_frame_ms ;;
        floor) run renderer_floor "$work/floor-$r.txt"
            add_parts "$work/floor-$r.txt" first_frame_ms ;;
        esac
    done
done
scene=$work/scene.txt same=$work/same-work.txt floor=$work/floor.txt
median "$scene" "$work"/scene-*.txt.parts
median "$same" "$work"/same-*.txt.parts
median "$floor" "$work"/floor-*.txt.parts

# A figure the program did not measure (the clear-only floor loads no picture) is negative.
figure() { awk -v k="$1" '$1 == k { if ($2 < 0) print "-"; else printf "%.1f\n", $2 }' "$2"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a != "-" && b != "-" && b > 0) printf "%.2f", a / b; else print "-" }'; }
row() { # name scene same floor
    printf '%-26s %10s %10s %10s %9s %9s\n' "$1" "$2" "$3" "$4" "$(ratio "$2" "$3")" "$(ratio "$2" "$4")"
}
header() { printf '%-26s %10s %10s %10s %9s %9s\n' "$1" scene same-work clear /same /clear; }

echo
echo "== $LUMO_SCREEN (textured: scene $(figure textured "$scene"), same-work $(figure textured "$same"); medians of $rounds rounds)"
header figure
for key in first_textured_frame_ms first_frame_ms first_visible_frame_ms frame_median_ms \
    frame_p99_ms snapshot_read_ms texture_build_ms texture_storage_ms system_builder_ms frames; do
    row "$key" "$(figure "$key" "$scene")" "$(figure "$key" "$same")" "$(figure "$key" "$floor")"
done
echo
echo "first textured frame, part by part (ms; same-work: picture made in memory, system builder)"
header part
for part in process_start window context scene_setup snapshot_read texture_build first_draw \
    first_swap to_textured_frame; do
    row "$part" "$(figure "part_$part" "$scene")" "$(figure "part_$part" "$same")" \
        "$(figure "part_$part" "$floor")"
done
awk -v size="$LUMO_SCREEN" -v first="$(figure first_textured_frame_ms "$scene")" \
    -v same="$(figure first_textured_frame_ms "$same")" \
    -v built="$(figure texture_build_ms "$scene")" \
    -v builder="$(figure system_builder_ms "$scene")" 'BEGIN {
    printf "summary %s first_frame_ms=%.0f same_work_floor_ms=%.0f texture_build_ms=%.0f system_builder_ms=%.0f\n",
        size, first, same, built, builder }'
