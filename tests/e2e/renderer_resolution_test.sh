#!/usr/bin/env bash
# A change of the primary's resolution during a session: the renderer's window takes the new size,
# the stars are drawn about the middle of it (the viewport followed), and they still carry the
# picture. Wine changes the resolution only inside its virtual desktop, so every program of the
# bench's prefix runs in one of the screen's size.
# bench-size: 1024x768
set -euo pipefail
source "$(dirname "$0")/renderer_lib.sh"
probe() { wine "$LUMO_PROBE" "$@" 2>/dev/null | tr -d '\r'; }

wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$LUMO_SCREEN" /f >/dev/null 2>&1
make_snapshot
start_renderer
sleep 2
[ "$(probe window-info "$RENDERER_TITLE")" = "0 0 ${LUMO_SCREEN/x/ } 1" ] ||
    fail "the window does not cover the screen before the change"

[ "$(probe display-mode 800 600)" = 0 ] || fail "Wine did not change the resolution to 800x600"
sleep 1.5
info=$(probe window-info "$RENDERER_TITLE")
[ "$info" = "0 0 800 600 1" ] || fail "after the change to 800x600 the window is at '$info'"

# Every star is a square about the scene's middle, so over a few frames the lit pixels have their
# centroid there: about the middle of the new size (400, 300), not where a viewport left at the
# old size would put it (512, 216 of the window). One frame's centroid strays by up to a hundred
# pixels (the nearer side of a star turned in depth is the larger), so eight are averaged.
centroids=""
for i in 1 2 3 4 5 6 7 8; do
    screenshot "$WORK/shot.png"
    convert "$WORK/shot.png" -crop 800x600+0+0 +repage "$WORK/shot-$i.png"
    centroids+="$(convert "$WORK/shot-$i.png" -colorspace gray -threshold 0 -verbose -moments \
        info: | sed -n 's/^ *Centroid: *\([0-9.]*\),\([0-9.]*\).*/\1 \2/p' | head -n1)"$'\n'
    sleep 0.3
done
colours=$(colour_count "$WORK/shot-1.png")
[ "$colours" -ge 5000 ] || fail "only $colours colours after the change: the picture is gone"
read -r cx cy < <(echo "$centroids" | awk 'NF == 2 { x += $1; y += $2; n++ }
    END { if (n) printf "%.0f %.0f\n", x / n, y / n }')
echo "after the change: $colours colours, lit pixels centred at ${cx:-?},${cy:-?} on average"
awk -v x="${cx:--1}" -v y="${cy:--1}" 'BEGIN { good = (x - 400) ^ 2 + (y - 300) ^ 2
    exit !(y >= 0 && good < (x - 512) ^ 2 + (y - 216) ^ 2 && good < 100 ^ 2) }' ||
    fail "the stars are centred at $cx,$cy, not about the middle of 800x600 (400,300)"

end_with_escape
echo "PASS: the window, its viewport and the picture follow the primary's resolution"
