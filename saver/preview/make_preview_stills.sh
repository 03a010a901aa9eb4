#!/usr/bin/env bash
# Makes the preview form's two stills from the real renderer: runs dist/ルモヴェイン.dll on a
# private bench over a sample desktop snapshot (a made-up desktop with windows and a task bar,
# no text), photographs the star field at two moments and reduces each photograph to a
# 152 x 112 JPEG beside this script. The bench screen is 912 x 672, six times the still, so the
# reduction keeps the picture's proportions. Run it again only to change the stills; the JPEGs
# are kept in the repository.
#   saver/preview/make_preview_stills.sh [seconds-to-first-photo seconds-to-second-photo]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)

if [ "${1:-}" != "--inside-bench" ]; then
    dist=${LUMO_DIST:-$root/dist}
    [ -f "$dist/ルモヴェイン.dll" ] || {
        echo "no $dist/ルモヴェイン.dll: build the renderer first (scripts/build.sh)" >&2
        exit 1
    }
    export LUMO_DIST=$dist LUMO_STILL_TIMES="${1:-1.6} ${2:-3.4}"
    exec "$root/scripts/with-bench.sh" --size 912x672 -- bash "$0" --inside-bench
fi

work=$(mktemp -d "${LUMO_BENCH_DIR:-/tmp}/stills.XXXXXX")
read -r first second <<<"$LUMO_STILL_TIMES"

# The desktop the saver would have photographed: blue with a gradient, two windows with title
# bars and a task bar. A 24-bit bottom-up BMP, as the saver writes it.
snapshot="$WINEPREFIX/drive_c/v_olka/Lumovane.bmp"
mkdir -p "$(dirname "$snapshot")"
convert -size 912x672 gradient:'#1c4f9c-#3aa0d8' \
    -fill '#e8e8e8' -stroke '#404040' -draw 'rectangle 90,80 520,400' \
    -fill '#1a3f8f' -stroke none -draw 'rectangle 91,81 519,104' \
    -fill '#f4f4f4' -stroke '#404040' -draw 'rectangle 400,230 820,560' \
    -fill '#2a6f3f' -stroke none -draw 'rectangle 401,231 819,254' \
    -fill '#ffcc33' -draw 'circle 180,240 180,190' \
    -fill '#cc3344' -draw 'rectangle 560,320 760,520' \
    -fill '#202428' -draw 'rectangle 0,640 911,671' \
    -fill '#3a7d3a' -draw 'rectangle 4,644 70,668' \
    -type TrueColor BMP3:"$snapshot"

(cd "$LUMO_DIST" && exec wine ./ルモヴェイン.dll) 2>"$work/renderer.log" &
renderer=$!
window=""
for _ in $(seq 200); do
    window=$(xdotool search --name '^Lumovane_VC$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the renderer's window did not appear" >&2; exit 1; }
start=$(date +%s.%N)
shoot() { # seconds-after-the-window-appeared file
    local wait
    wait=$(awk -v s="$start" -v t="$1" -v n="$(date +%s.%N)" 'BEGIN { w = s + t - n; print (w > 0 ? w : 0) }')
    sleep "$wait"
    import -window root "$2"
}
shoot "$first" "$work/first.png"
shoot "$second" "$work/second.png"
xdotool windowfocus "$window" 2>/dev/null || true
xdotool key Escape
wait "$renderer" || true

# Reduced with a smooth filter; no metadata, so the files change only when the picture does.
reduce() { convert "$1" -filter Lanczos -resize '152x112!' -strip -quality 92 "$2"; }
reduce "$work/first.png" "$here/preview_background.jpg"
reduce "$work/second.png" "$here/preview_image.jpg"
identify "$here/preview_background.jpg" "$here/preview_image.jpg"
