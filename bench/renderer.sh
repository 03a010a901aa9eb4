#!/usr/bin/env bash
# Renderer benchmark: runs the measuring build of the renderer and two floor programs with the
# same window and loop (the same-work floor: a screen-sized picture made in memory, mipmapped by
# the system's builder, six textured quads blended each frame; the clear-only floor: clear and
# swap) for about ten seconds each, in three interleaved rounds, at 1280x720, 1920x1080 and
# 3840x2160, each size in its own Wine bench. These runs have the loop's pacing turned off (a
# benchmark switch), so that a frame figure is what a frame costs. Prints the median of the rounds
# for every figure with its ratios to both floors measured in the same run, the first textured
# frame part by part, and one "summary" line per size for programs to read, which repeats the
# table's figures under the table's names.
#
# Pacing: each round also runs the renderer as shipped, paced at the display's refresh rate; its
# frames a second, intervals and CPU time per minute are set beside those of the unpaced runs of
# the same rounds, in a table and a "summary pacing" line per size.
#
# Then the renderer on two monitors side by side (1280x720 each) against the same bench with the
# primary alone (both Xephyr, so that they differ in the second monitor only), rounds interleaved:
# the first textured frame on every monitor, the renderer's CPU time per frame, the peak working
# set (unpaced runs), the CPU time taken per minute while the display is off, and each monitor's
# pacing, paced against unpaced on two monitors; one "summary monitors=2" line and one "summary
# pacing ... monitors=2" line.
#
#   bench/renderer.sh [seconds] [rounds]
#   bench/renderer.sh --quick
#
# --quick: one size (1280x720), one round of three-second runs and a short two-monitor pass; it
# judges no figure and ends with a status other than 0 only when the benchmark cannot run (no
# build, a program that shows no window or writes no report, a run that was not textured).
#
# A run whose frame was not textured (every monitor's texture made) gives no figures: the size is
# reported as refused and the script ends with status 1. A figure not measured prints as "-".
# Builds what it needs in the cross build the README's commands make (build/win; another one
# with LUMO_RENDERER_BUILD). LUMO_BENCH_SIZES="WxH ..." measures other screen sizes (none: "");
# LUMO_BENCH_MONITOR_SIZE another monitor size for the two-monitor part (none: "").
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMO_RENDERER_BUILD:-$root/build/win}
quick=${LUMO_BENCH_QUICK:-}
if [ "${1:-}" = --quick ]; then
    quick=1
    shift
fi
seconds=${1:-${quick:+3}}
seconds=${seconds:-10}
rounds=${2:-${quick:+1}}
rounds=${rounds:-3}
programs=(renderer_bench renderer_same_work renderer_floor)
# How long the display stays off in the dark run, after two seconds of frames.
dark_seconds=${quick:+2}
dark_seconds=${dark_seconds:-10}
# The runs that give today's frame figures, and the unpaced side of the pacing figures.
unpaced=LUMO_BENCH_UNPACED=1
export LUMO_BENCH_QUICK=$quick

# ---- figures from reports: "name value" lines, a negative value or no line = not measured ----

# Median of each figure over the rounds' reports, of the rounds that measured it (-1 if none).
median() { # out reports...
    local out=$1
    shift
    awk '{ if (!($1 in seen)) { seen[$1] = 1; keys[++k] = $1 }
           if ($2 >= 0) { n[$1]++; v[$1, n[$1]] = $2 } }
        END { for (i = 1; i <= k; i++) { key = keys[i]; c = n[key]
            if (c == 0) { print key, -1; continue }
            for (a = 1; a <= c; a++) x[a] = v[key, a] + 0
            for (a = 2; a <= c; a++) for (b = a; b > 1 && x[b - 1] > x[b]; b--) {
                t = x[b]; x[b] = x[b - 1]; x[b - 1] = t }
            print key, (c % 2 ? x[(c + 1) / 2] : (x[c / 2] + x[c / 2 + 1]) / 2) } }' "$@" >"$out"
}
figure() { # key report [printf format]: one decimal, or "-"
    awk -v k="$1" -v f="${3:-%.1f}" '$1 == k { found = 1; if ($2 < 0) print "-"; else printf f "\n", $2 }
        END { if (!found) print "-" }' "$2"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a != "-" && b != "-" && b > 0) printf "%.2f", a / b; else print "-" }'; }
# The reports of runs whose frame was not textured, one line each.
untextured() { # reports...
    awk '$1 == "textured" && $2 + 0 != 1 { print FILENAME }' "$@"
}
# "met" or "MISSED" for a figure against its bounds; --quick judges nothing.
judge() { # value low high
    [ -z "$quick" ] || { echo "not judged (--quick)"; return; }
    awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN { if (v == "-") print "not measured"
        else print (v + 0 >= lo + 0 && v + 0 <= hi + 0 ? "met" : "MISSED") }'
}

# ---- pacing: the loop as shipped against the unpaced one, from the same rounds ----

# A figure of every monitor, the primary's first, joined by commas.
per_monitor() { # key monitors report [printf format]
    local m values=()
    for ((m = 0; m < $2; m++)); do values+=("$(figure "$1_$m" "$3" "${4:-}")"); done
    (IFS=,; echo "${values[*]}")
}
# The frames a second of all monitors together.
all_frames() { # monitors report
    awk -v n="$1" '$1 ~ /^frames_per_s_/ && substr($1, 14) + 0 < n { if ($2 < 0) bad = 1; s += $2 }
        END { if (bad || s <= 0) print "-"; else printf "%.1f\n", s }' "$2"
}
pacing_report() { # size monitors paced-report unpaced-report
    local size=$1 n=$2 paced=$3 unpaced=$4 m cpu ucpu frames uframes cpu_ratio drawn_ratio
    cpu=$(figure cpu_s_per_min "$paced") ucpu=$(figure cpu_s_per_min "$unpaced")
    frames=$(all_frames "$n" "$paced") uframes=$(all_frames "$n" "$unpaced")
    # The paced CPU against what as many frames cost the unpaced loop: a frame's cost follows the
    # moment of the animation it shows, so the unpaced loop's frames are taken at the moments the
    # paced loop draws, every moment alike (the unpaced CPU a second, times the interval a moment
    # falls in on average, per pass over the monitors); beside it, per frame as drawn, which
    # counts the unpaced loop's many cheap frames as much as its few dear ones.
    cpu_ratio=$(awk -v c="$cpu" -v u="$ucpu" -v f="$(figure frames_per_s_0 "$paced")" \
        -v tw="$(figure interval_time_weighted_ms_0 "$unpaced" %.3f)" 'BEGIN {
        if (c == "-" || u == "-" || f == "-" || tw == "-" || u <= 0) print "-"
        else printf "%.2f", c / (f * u * tw / 1000) }')
    drawn_ratio=$(awk -v c="$cpu" -v u="$ucpu" -v f="$frames" -v uf="$uframes" 'BEGIN {
        if (c == "-" || u == "-" || f == "-" || uf == "-" || u <= 0) print "-"
        else printf "%.2f", c / (f * u / uf) }')
    echo
    echo "== pacing $size monitors=$n: the loop as shipped against the unpaced loop (medians of" \
        "$rounds rounds; frames and intervals per monitor, the primary first)"
    printf '%-28s %10s %10s   %s\n' figure paced unpaced goal
    for ((m = 0; m < n; m++)); do
        local p50 p99 fps
        fps=$(figure "frames_per_s_$m" "$paced") p99=$(figure "interval_p99_ms_$m" "$paced")
        printf '%-28s %10s %10s   %s\n' "refresh_hz (monitor $m)" \
            "$(figure "refresh_hz_$m" "$paced" %.0f)" "$(figure "refresh_hz_$m" "$unpaced" %.0f)" ""
        printf '%-28s %10s %10s   %s\n' "frames_per_s (monitor $m)" "$fps" \
            "$(figure "frames_per_s_$m" "$unpaced")" "57 to 63: $(judge "$fps" 57 63)"
        printf '%-28s %10s %10s   %s\n' "interval_p50_ms (monitor $m)" \
            "$(figure "interval_p50_ms_$m" "$paced")" "$(figure "interval_p50_ms_$m" "$unpaced")" ""
        printf '%-28s %10s %10s   %s\n' "interval_p99_ms (monitor $m)" "$p99" \
            "$(figure "interval_p99_ms_$m" "$unpaced")" "<= 33: $(judge "$p99" 0 33)"
    done
    printf '%-28s %10s %10s   %s\n' cpu_s_per_min "$cpu" "$ucpu" \
        "<= 1.2x the unpaced CPU of as many frames: $(judge "$cpu_ratio" 0 1.2) ($cpu_ratio;" \
        "per frame as drawn $drawn_ratio)"
    echo "(from ${LUMO_BENCH_STEADY_AFTER_S:-1} s after the first frame to the run's end: frames a" \
        "second and the intervals between their starts per monitor, the process's CPU time per minute)"
    echo "summary pacing $size monitors=$n refresh_hz=$(per_monitor refresh_hz "$n" "$paced" %.0f)" \
        "frames_per_s=$(per_monitor frames_per_s "$n" "$paced")" \
        "interval_p50_ms=$(per_monitor interval_p50_ms "$n" "$paced")" \
        "interval_p99_ms=$(per_monitor interval_p99_ms "$n" "$paced") cpu_s_per_min=$cpu" \
        "unpaced_frames_per_s=$(per_monitor frames_per_s "$n" "$unpaced")" \
        "unpaced_cpu_s_per_min=$ucpu"
}

if [ -z "${LUMO_BENCH_INNER:-}" ]; then
    [ -f "$build/build.ninja" ] || bash "$root/scripts/build.sh" >/dev/null
    cmake --build "$build" --target "${programs[@]}" >/dev/null
    echo "renderer benchmark, ${seconds} s per run, $rounds rounds, $(date -u +%Y-%m-%dT%H:%MZ), $(nproc) cores"
    status=0
    default_sizes="1280x720 1920x1080 3840x2160"
    [ -z "$quick" ] || default_sizes=1280x720
    for size in ${LUMO_BENCH_SIZES-$default_sizes}; do
        LUMO_BENCH_INNER=sizes LUMO_RENDERER_BUILD=$build \
            "$root/scripts/with-bench.sh" --size "$size" -- "$0" "$seconds" "$rounds" || status=1
    done

    monitor=${LUMO_BENCH_MONITOR_SIZE-1280x720}
    [ -n "$monitor" ] || exit "$status"
    out=$(mktemp -d "${TMPDIR:-/tmp}/renderer-monitors.XXXXXX")
    trap 'rm -rf "$out"' EXIT
    # Rounds interleaved, so that drift in the machine's load falls on both alike.
    for r in $(seq "$rounds"); do
        for layout in "$monitor,$monitor" "$monitor"; do
            tag=one
            [ "$layout" = "$monitor" ] || tag=two
            LUMO_BENCH_INNER=monitors LUMO_BENCH_OUT="$out/$tag-$r" LUMO_RENDERER_BUILD=$build \
                "$root/scripts/with-bench.sh" --layout "$layout" --primary 0 -- \
                "$0" "$seconds" "$rounds" || status=1
        done
    done
    echo
    refused=$(untextured "$out"/*-scene.txt "$out"/*-pace.txt 2>/dev/null || true)
    if [ -n "$refused" ] || ! ls "$out"/two-*-scene.txt "$out"/one-*-scene.txt \
        "$out"/two-*-pace.txt >/dev/null 2>&1; then
        echo "== monitors=2 $monitor: REFUSED, a run's frame was not textured on every monitor" \
            "(or a run gave no report): ${refused:-no report}"
        exit 1
    fi
    # Per unpaced run: the first textured frame on every monitor, the peak working set, the CPU
    # time per frame; per dark run, its CPU seconds per minute of dark.
    for r in $(seq "$rounds"); do
        for tag in one two; do
            awk '{ v[$1] = $2 } END {
                print "first_frame_ms", v["first_every_monitor_visible_frame_ms"]
                print "peak_working_set_mb", v["peak_working_set_mb"]
                print "cpu_per_frame_ms", (v["frames"] > 0 && v["process_cpu_s"] > 0) ? \
                    v["process_cpu_s"] * 1000 / v["frames"] : -1 }' \
                "$out/$tag-$r-scene.txt" >"$out/$tag-$r.figures"
        done
        [ -f "$out/two-$r-dark.txt" ] && awk '{ v[$1] = $2 } END {
            print "dark_cpu_s_per_min", (v["dark_s"] > 0 && v["dark_cpu_s"] >= 0) ? \
                v["dark_cpu_s"] / v["dark_s"] * 60 : -1 }' "$out/two-$r-dark.txt" >>"$out/two-$r.figures"
    done
    median "$out/two.txt" "$out"/two-*.figures
    median "$out/one.txt" "$out"/one-*.figures
    w=${monitor%x*} h=${monitor#*x}
    # What the second monitor may add: its texture (the builder's power-of-two sides, every level,
    # four bytes a texel), its photograph (three bytes a pixel, freed once the texture is made)
    # and its window's buffers (front and back colour and depth, four bytes a pixel each).
    allowance=$(awk -v w="$w" -v h="$h" 'function side(s,  p) { p = 1; while (p * 2 <= s) p *= 2
            return s * 2 < p * 3 ? p : p * 2 }
        BEGIN { tw = side(w); th = side(h); t = 0
            while (1) { t += tw * th * 4; if (tw == 1 && th == 1) break
                if (tw > 1) tw /= 2; if (th > 1) th /= 2 }
            printf "%.1f", (t + w * h * 3 + w * h * 12) / 1048576 }')
    two_first=$(figure first_frame_ms "$out/two.txt") one_first=$(figure first_frame_ms "$out/one.txt")
    two_peak=$(figure peak_working_set_mb "$out/two.txt") one_peak=$(figure peak_working_set_mb "$out/one.txt")
    two_cpu=$(figure cpu_per_frame_ms "$out/two.txt") one_cpu=$(figure cpu_per_frame_ms "$out/one.txt")
    dark=$(awk '$1 == "dark_cpu_s_per_min" { if ($2 < 0) print "-"; else printf "%.3f\n", $2 }
        END {}' "$out/two.txt")
    dark=${dark:--}
    growth=$(awk -v a="$two_peak" -v b="$one_peak" 'BEGIN { if (a != "-" && b != "-") printf "%+.1f", a - b; else print "-" }')
    verdict() { judge "$1" -1e9 "$2"; }
    echo "== monitors=2 $monitor: two monitors side by side against the primary alone (Xephyr both;" \
        "medians of $rounds interleaved rounds; dark: the display reported off for ${dark_seconds} s)"
    printf '%-22s %10s %10s %8s   %s\n' figure two one ratio goal
    printf '%-22s %10s %10s %8s   %s\n' first_frame_ms "$two_first" "$one_first" \
        "$(ratio "$two_first" "$one_first")" "<= 1.5x: $(verdict "$(ratio "$two_first" "$one_first")" 1.5)"
    printf '%-22s %10s %10s %8s   %s\n' cpu_per_frame_ms "$two_cpu" "$one_cpu" \
        "$(ratio "$two_cpu" "$one_cpu")" "the renderer's own CPU per frame (no goal)"
    printf '%-22s %10s %10s %8s   %s\n' peak_working_set_mb "$two_peak" "$one_peak" "$growth" \
        "growth <= ${allowance} MB (texture, photograph, buffers): $(verdict "${growth#+}" "$allowance")"
    printf '%-22s %10s %10s %8s   %s\n' dark_cpu_s_per_min "$dark" - - \
        "< 0.6: $(verdict "$dark" 0.599)"
    echo "(first_frame_ms: from process creation to the swap of the last monitor's first textured" \
        "frame; cpu_per_frame_ms: the process's CPU time over the run, start-up included, per" \
        "frame; both and the peak from unpaced runs)"
    echo "summary monitors=2 $monitor first_frame_ms=$two_first one_monitor_first_frame_ms=$one_first" \
        "peak_working_set_mb=$two_peak one_monitor_peak_working_set_mb=$one_peak" \
        "dark_cpu_s_per_min=$dark"
    median "$out/two-pace.txt" "$out"/two-*-pace.txt
    median "$out/two-unpaced.txt" "$out"/two-*-scene.txt
    pacing_report "$monitor" 2 "$out/two-pace.txt" "$out/two-unpaced.txt"
    exit "$status"
fi

# ---- inside one bench ----
work=$(mktemp -d "$LUMO_BENCH_DIR/renderer-bench.XXXXXX")
snapshot="$WINEPREFIX/drive_c/v_olka/Lumovane.bmp"
mkdir -p "$(dirname "$snapshot")"
convert -size "$LUMO_SCREEN" -seed 7 plasma:fractal -type TrueColor BMP3:"$work/snapshot.bmp"

run() { # program report [seconds [environment...]]
    local program=$1 report=$2 pid window="" length=${3:-$seconds}
    shift $(($# < 3 ? $# : 3))
    # The renderer removes the photo once it has read it: each run gets it afresh.
    cp "$work/snapshot.bmp" "$snapshot"
    (cd "$build/renderer" && exec env "$@" LUMO_BENCH_REPORT="Z:${report//\//\\}" wine "./$program.exe") &
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
    # Written by a Windows program: CRLF lines, which would make awk compare "1\r" as text.
    tr -d '\r' <"$report" >"$report.lf" && mv "$report.lf" "$report"
}

# Wine's first window in a fresh prefix costs most of a second (its desktop process, the X11
# driver, the GL libraries from disk); a short run pays it here, not whichever program is first.
run renderer_floor "$work/warm-up.txt" 1

if [ "$LUMO_BENCH_INNER" = monitors ]; then
    # One round of the outer loop: the scene unpaced; on two monitors also paced, and a run that
    # goes dark.
    run renderer_bench "$LUMO_BENCH_OUT-scene.txt" "$seconds" "$unpaced"
    if [ "${LUMO_MONITORS:-1}" -gt 1 ]; then
        run renderer_bench "$LUMO_BENCH_OUT-pace.txt"
        run renderer_bench "$LUMO_BENCH_OUT-dark.txt" $((dark_seconds + 2)) LUMO_BENCH_DARK_AFTER_S=2
    fi
    exit 0
fi

# The start-up part by part, in milliseconds, added to a report: process creation to the entry,
# the window (class, creation and showing, its GL context apart), the context, the scene's own
# set-up, the snapshot read, the texture build, issuing the first frame, its swap, and the
# frames after it up to the first one that draws the picture (the renderer's first frame only
# clears: every star starts past its size). A part built of a figure not measured is missing
# (-1); the picture's read and build count as nothing in the set-up of a program that has none.
add_parts() { # report textured-frame-key
    awk -v textured="$2" 'function has(k) { return (k in v) && v[k] >= 0 }
        function put(name, ok, value) { if (ok) printf "%s %.3f\n", name, value; else print name, -1 }
        function none(k) { return has(k) ? v[k] : 0 }
        { v[$1] = $2; print }
        END {
        entry = v["process_age_at_entry_ms"]
        put("first_textured_frame_ms", has(textured), v[textured])
        put("part_process_start", has("process_age_at_entry_ms"), entry)
        put("part_window", has("process_age_at_entry_ms") && has("at_window_begins_ms") &&
            has("at_window_shown_ms") && has("at_context_made_ms"),
            (v["at_window_begins_ms"] - entry) + (v["at_window_shown_ms"] - v["at_context_made_ms"]))
        put("part_context", has("at_context_made_ms") && has("at_window_begins_ms"),
            v["at_context_made_ms"] - v["at_window_begins_ms"])
        put("part_scene_setup", has("at_scene_ready_ms") && has("at_window_shown_ms"),
            v["at_scene_ready_ms"] - v["at_window_shown_ms"] - none("snapshot_read_ms") - \
            none("texture_build_ms") - none("other_texture_build_ms"))
        put("part_snapshot_read", has("snapshot_read_ms"), v["snapshot_read_ms"])
        put("part_texture_build", has("texture_build_ms"), v["texture_build_ms"])
        put("part_first_draw", has("at_frame_issued_ms") && has("at_scene_ready_ms"),
            v["at_frame_issued_ms"] - v["at_scene_ready_ms"])
        put("part_first_swap", has("first_frame_ms") && has("at_frame_issued_ms"),
            v["first_frame_ms"] - v["at_frame_issued_ms"])
        put("part_to_textured_frame", has(textured) && has("first_frame_ms"),
            v[textured] - v["first_frame_ms"]) }' "$1" >"$1.parts"
}

# Each round starts with the next program, so that each takes every place in the order alike
# (a start right after another program's end pays for some of its clean-up).
order=(scene same floor pace)
for r in $(seq "$rounds"); do
    for i in 0 1 2 3; do
        case ${order[$(((r - 1 + i) % 4))]} in
        scene) run renderer_bench "$work/scene-$r.txt" "$seconds" "$unpaced"
            add_parts "$work/scene-$r.txt" first_visible_frame_ms ;;
        same) run renderer_same_work "$work/same-$r.txt" "$seconds" "$unpaced"
            add_parts "$work/same-$r.txt" first_frame_ms ;;
        floor) run renderer_floor "$work/floor-$r.txt" "$seconds" "$unpaced"
            add_parts "$work/floor-$r.txt" first_frame_ms ;;
        pace) run renderer_bench "$work/pace-$r.txt" ;;
        esac
    done
done

echo
refused=$(untextured "$work"/scene-*.txt "$work"/same-*.txt "$work"/pace-*.txt)
if [ -n "$refused" ]; then
    echo "== $LUMO_SCREEN: REFUSED, the frame was not textured in: $(basename -a $refused | tr '\n' ' ')"
    exit 1
fi
scene=$work/scene.txt same=$work/same-work.txt floor=$work/floor.txt
median "$scene" "$work"/scene-*.txt.parts
median "$same" "$work"/same-*.txt.parts
median "$floor" "$work"/floor-*.txt.parts

row() { # name scene same floor
    printf '%-26s %10s %10s %10s %9s %9s\n' "$1" "$2" "$3" "$4" "$(ratio "$2" "$3")" "$(ratio "$2" "$4")"
}
header() { printf '%-26s %10s %10s %10s %9s %9s\n' "$1" scene same-work clear /same /clear; }

echo "== $LUMO_SCREEN (pacing off; every run of the scene and the same-work floor textured; medians of" \
    "$rounds rounds)"
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
echo "summary $LUMO_SCREEN first_textured_frame_ms=$(figure first_textured_frame_ms "$scene")" \
    "same_work_first_textured_frame_ms=$(figure first_textured_frame_ms "$same")" \
    "texture_build_ms=$(figure texture_build_ms "$scene")" \
    "system_builder_ms=$(figure system_builder_ms "$scene")"
median "$work/pace.txt" "$work"/pace-*.txt
pacing_report "$LUMO_SCREEN" 1 "$work/pace.txt" "$scene"
