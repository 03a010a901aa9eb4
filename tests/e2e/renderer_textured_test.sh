#!/usr/bin/env bash
# With the saver's snapshot in place, the renderer covers the screen with stars that carry the
# picture, on black, and Esc ends it at once with exit code 0.
set -euo pipefail
source "$(dirname "$0")/renderer_lib.sh"

make_snapshot
start_renderer

read -r _ position _ < <(xdotool getwindowgeometry "$renderer_window" | sed -n 2p)
geometry=$(xdotool getwindowgeometry "$renderer_window" | sed -n 3p | awk '{print $2}')
screen=${LUMO_SCREEN:-1024x768}
[ "$geometry" = "$screen" ] || fail "window is $geometry, screen is $screen"
[ "$position" = "0,0" ] || fail "window at $position, expected 0,0"

sleep 2
renderer_running || fail "the renderer ended on its own"
shot=$WORK/textured.png
screenshot "$shot"
colours=$(colour_count "$shot")
black=$(black_share "$shot")
corners=$(black_corners "$shot")
echo "textured: $colours colours, black share $black, $corners black corners"
# The picture's detail survives the tint: flat squares give a few dozen colours at most.
[ "$colours" -ge 5000 ] || fail "only $colours colours: the stars do not show the picture"
at_least "$black" 0.05 || fail "no black background left (share $black)"
at_least 0.95 "$black" || fail "nothing drawn (black share $black)"
[ "$corners" -ge 2 ] || fail "only $corners corners black: background is not black"

end_with_escape
echo "PASS: textured stars, Esc ends with 0"
