#!/usr/bin/env bash
# Each monitor is drawn at its display's refresh rate, never faster: Wine reports no rate (taken
# as 60 Hz) and its swaps never wait, so the renderer paces itself. Counted from outside, by
# Wine's log of every swap, each window swaps 57 to 63 times a second, on one monitor and on two;
# the picture moves on every monitor, and Esc ends it at once. The bench has two monitors; the
# one-monitor run is this script again, on a bench of its own.
# bench-size: 640x480
# bench-monitors: 2
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/renderer_lib.sh"
monitors=${LUMO_MONITORS:-1}
w=${LUMO_SCREEN%x*}
h=${LUMO_SCREEN#*x}

if [ "$monitors" -gt 1 ] && [ -z "${LUMO_PACING_ONE_MONITOR:-}" ]; then
    LUMO_PACING_ONE_MONITOR=1 "$here/../../scripts/with-bench.sh" --size "$LUMO_SCREEN" -- \
        bash "$0" || fail "on one monitor (above)"
fi

make_snapshot
if [ "$monitors" -gt 1 ]; then
    # The second monitor's stars carry its own desktop, which a Wine window must show.
    convert -size "$LUMO_SCREEN" -seed 5 plasma:fractal -type TrueColor BMP3:"$WORK/second.bmp"
    wine "$LUMO_PROBE" desktop "Z:$(readlink -f "$WORK/second.bmp" | tr / '\\')" "$w" 0 \
        >/dev/null 2>&1 &
    desktop_pid=$!
    trap 'cleanup_renderer; kill $desktop_pid 2>/dev/null || true' EXIT
    wine "$LUMO_PROBE" wait-window "probe desktop" 10000 >/dev/null ||
        fail "the second monitor's desktop did not appear"
fi
RENDERER_SWAP_LOG=$WORK/swaps.log
start_renderer

# A monitor's part of the screen, from 0 (the primary, at the left).
part() { convert "$1" -crop "${w}x${h}+$((w * $2))+0" +repage "$1-$2.png" && echo "$1-$2.png"; }
# The frames are counted first: a screenshot holds up the X server, and the swaps with it.
sleep 11
renderer_running || fail "the renderer ended on its own"
screenshot "$WORK/a.png"
sleep 0.5
screenshot "$WORK/b.png"
for ((m = 0; m < monitors; m++)); do
    changed=$(compare -metric AE "$(part "$WORK/a.png" "$m")" "$(part "$WORK/b.png" "$m")" \
        null: 2>&1 || true)
    echo "monitor $m: $changed pixels changed in half a second"
    at_least "$changed" 1000 || fail "the picture on monitor $m does not move"
done
end_with_escape

# Swaps per second of each window in three stretches of three seconds, from 1.5 s after the
# first swap (the renderer's first frames tell it whether the swaps wait): "<stretch> <dc> <rate>".
# No stretch may go faster than the display; the rate must hold in one stretch at least, as other
# work on the machine can hold up the X server and the swaps with it for a while.
rates=$(awk '/wglSwapBuffers/ { split($1, t, ":"); s = t[1] + 0; dc = $NF
        if (first == "") first = s
        k = int((s - first - 1.5) / 3); if (s >= first + 1.5 && k < 3) { n[k, dc]++; dcs[dc] = 1 } }
    END { for (k = 0; k < 3; k++) for (dc in dcs) printf "%d %s %.2f\n", k, dc, n[k, dc] / 3 }' \
    "$RENDERER_SWAP_LOG")
echo "$monitors monitor(s), swaps a second by stretch and window:" $rates
windows=$(echo "$rates" | awk '{ print $2 }' | sort -u | grep -c . || true)
[ "$windows" = "$monitors" ] || fail "$windows windows swapped, expected $monitors"
too_fast=$(echo "$rates" | awk '$3 > 63')
[ -z "$too_fast" ] || fail "faster than the display (stretch, window, rate): $too_fast"
held=$(echo "$rates" | awk '{ if ($3 < 57) slow[$1] = 1; seen[$1] = 1 }
    END { for (k in seen) if (!(k in slow)) n++; print n + 0 }')
[ "$held" -ge 1 ] ||
    fail "no stretch of three seconds in which every window swapped 57 times a second"
echo "PASS: $monitors monitor(s) at 57 to 63 frames a second each, moving, Esc ends it"
