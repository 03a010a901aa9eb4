#!/usr/bin/env bash
# Two monitors side by side: while the saver runs, a star field fills each monitor (the second's
# in a window of the renderer's, not titled as the scene, so the saver's watch finds the scene
# alone); the snapshot is the primary screen. Esc pressed on the second monitor ends the scene
# and the saver, and the second monitor's desktop shows again.
# bench-size: 1024x768
# bench-monitors: 2
set -euo pipefail
source "$(dirname "$0")/saver_lib.sh"
[ "${LUMO_MONITORS:-1}" = 2 ] || fail "needs a bench with --monitors 2"
w=${SCREEN%x*}
h=${SCREEN#*x}

# Left half (the primary monitor) or right half (the second) of a screenshot.
half() {
    convert "$1" -crop "${w}x${h}+$2+0" +repage "${1%.png}-$2.png" && echo "${1%.png}-$2.png"
}
black_share_of() { convert "$1" -fill white +opaque black -format '%[fx:1-mean]' info:; }

install_saver
# Each monitor's desktop is a picture shown by a Wine window (Wine captures the X root as black).
convert -size "$SCREEN" -seed 5 plasma:fractal -type TrueColor BMP3:"$WORK/second.bmp"
probe desktop "Z:$(readlink -f "$WORK/second.bmp" | tr / '\\')" "$w" 0 >/dev/null 2>&1 &
second_desktop_pid=$!
trap 'cleanup_saver; kill $second_desktop_pid 2>/dev/null || true' EXIT
start_desktop
import -window root "$WORK/before.png"
second_before=$(black_share_of "$(half "$WORK/before.png" "$w")")
at_least 0.01 "$second_before" || fail "the second monitor's desktop is black before the start"

# The photo, seen beside a stand-in that leaves it on disk (the renderer removes it once read).
install_saver --stand-in-renderer
start_saver /s
probe wait-window Lumovane_VC 20000 >/dev/null || fail "no (stand-in) renderer window within 20 s"
[ "$(od -An -td4 -j18 -N4 "$SNAPSHOT" | tr -d ' ')" = "$w" ] ||
    fail "the snapshot is not the primary screen's width $w"
press_escape
wait_saver_exit 30 || fail "the saver was still running 3 s after the stand-in ended"

install_saver
start_saver /s
probe wait-window Lumovane_VC 20000 >/dev/null || fail "no renderer window within 20 s"
sleep 1.5
import -window root "$WORK/during.png"
first=$(black_share_of "$(half "$WORK/during.png" 0)")
second=$(black_share_of "$(half "$WORK/during.png" "$w")")
at_least 0.95 "$first" || fail "no star field on the primary monitor (black share $first)"
at_least 0.95 "$second" || fail "no star field on the second monitor (black share $second)"
echo "during the session: primary black share $first, second $second"

renderer_wpid=$(probe list | tr -d '\r' | awk -F'\t' '$4 == "Lumovane_VC" { print $2 }')
[ "$(wc -w <<<"$renderer_wpid")" = 1 ] || fail "windows titled Lumovane_VC: '$renderer_wpid'"
cover=$(xwininfo -root -tree | awk -v at="${w}x${h}+${w}+0" \
    '/\("ルモヴェイン\.dll"/ && index($0, at) { print $1; exit }')
[ -n "$cover" ] || fail "no window of the renderer over the second monitor"

# A click on the cover ends nothing; Esc pressed there ends the scene.
xdotool mousemove $((w + w / 2)) $((h / 2)) click 1
sleep 0.5
window_exists Lumovane_VC || fail "a click on the second monitor ended the scene"
escape_at=$(now)
xdotool windowfocus "$cover" 2>/dev/null || true
xdotool key Escape
probe wait-gone Lumovane_VC 3000 >/dev/null || fail "Esc on the second monitor did not end the scene"
wait_saver_exit 30 || fail "the saver was still running 3 s after Esc"
[ "$saver_rc" = 0 ] || fail "the saver's exit code was $saver_rc"
echo "Esc on the second monitor: saver ended $(elapsed "$escape_at") s later"

sleep 0.5
import -window root "$WORK/after.png"
differ=$(compare -metric AE "$(half "$WORK/before.png" "$w")" "$(half "$WORK/after.png" "$w")" \
    null: 2>&1 || true)
[ "$differ" = 0 ] || fail "the second monitor's desktop is not back after the session ($differ pixels)"
echo "after the session: the second monitor shows its desktop again"
