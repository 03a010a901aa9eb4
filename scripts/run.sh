#!/usr/bin/env bash
# The main job: installs what is needed, builds dist/ and runs the screen saver under Wine, with
# /s (the default: the star field) or /c (the settings window).
# With DISPLAY set it runs on that display until you press Esc in the star field or close the
# settings window. Without one it runs on a virtual display (over a sample desktop for /s), saves
# a screenshot and ends by itself.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
mode=${1:-/s}
mode=${mode,,} # Windows takes either case
case "$mode" in
/s | /c) ;;
*)
    echo "usage: $0 [/s | /c]" >&2
    exit 2
    ;;
esac
bash scripts/build.sh >/dev/null
export LUMO_ROOT="$root" LUMO_MODE="$mode"

if [ -n "${DISPLAY:-}" ]; then
    echo "Running the screen saver ($mode) on $DISPLAY; press Esc in the star field, or close the settings window, to end it."
    exec scripts/with-bench.sh --display "$DISPLAY" -- bash -c 'cd "$LUMO_ROOT/dist" && wine ./ルモヴェイン.scr "$LUMO_MODE"'
fi

cmake --build build/win --target probe >/dev/null
shot="$root/build/screenshot.png"
if [ "$mode" = /c ]; then
    scripts/with-bench.sh --size 800x600 -- bash -c '
        set -euo pipefail
        probe="$LUMO_ROOT/build/win/tests/e2e/probe.exe"
        (cd "$LUMO_ROOT/dist" && wine ./ルモヴェイン.scr /c) &
        saver=$!
        wine "$probe" wait-window "<ルモヴェイン>" 20000 >/dev/null
        sleep 2 # the opening zoom, then the painted background
        import -window root "'"$shot"'"
        wine "$probe" close "<ルモヴェイン>" >/dev/null
        wait "$saver"
    '
    echo "The settings window opened on a virtual display; screenshot: $shot"
    exit 0
fi
scripts/with-bench.sh --size 1280x720 -- bash -c '
    set -euo pipefail
    probe="$LUMO_ROOT/build/win/tests/e2e/probe.exe"
    # A desktop worth photographing: Wine captures what its own windows show, so a window of
    # ours plays the desktop.
    convert -size 1280x720 plasma:fractal -blur 0x1 \
        -font /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf -pointsize 96 -fill white -gravity center -annotate 0 "ルモヴェイン" \
        -type TrueColor BMP3:"$LUMO_BENCH_DIR/desktop.bmp"
    wine "$probe" desktop "$(winepath -w "$LUMO_BENCH_DIR/desktop.bmp")" >"$LUMO_BENCH_DIR/desktop.log" 2>&1 &
    until grep -q ready "$LUMO_BENCH_DIR/desktop.log" 2>/dev/null; do sleep 0.1; done
    (cd "$LUMO_ROOT/dist" && wine ./ルモヴェイン.scr /s) &
    saver=$!
    wine "$probe" wait-window Lumovane_VC 20000 >/dev/null
    sleep 4
    import -window root "'"$shot"'"
    wine "$probe" key Lumovane_VC 27
    wait "$saver"
'
echo "The screen saver ran on a virtual display; screenshot: $shot"
