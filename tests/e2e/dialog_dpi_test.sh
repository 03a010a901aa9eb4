#!/usr/bin/env bash
# At 144 DPI the settings window lays itself out at the screen's DPI: its inner area is 1.5 times
# the 496 x 243 pixels it has at 96 DPI, and a caption's text, drawn in a font sized for the DPI,
# lies whole inside its label (a font left at 96 DPI would be too small; a label left at 96 DPI
# would cut the text).
# bench-dpi: 144
set -euo pipefail
source "$(dirname "$0")/saver_lib.sh"
source "$(dirname "$0")/dialog_lib.sh"
[ "${LUMO_DPI:-96}" = 144 ] || fail "needs a bench with --dpi 144"

install_saver
rm -f "$INI"
open_dialog
# 7440 x 3645 twips: 744 x 364.5 pixels, the half rounded either way.
[ "$CLIENT_W" = 744 ] || fail "inner width $CLIENT_W at 144 DPI, expected 744 (1.5 x 496)"
[ "$CLIENT_H" -ge 364 ] && [ "$CLIENT_H" -le 365 ] ||
    fail "inner height $CLIENT_H at 144 DPI, expected 364 or 365 (1.5 x 243)"
echo "inner area ${CLIENT_W}x$CLIENT_H, 1.5 times 496x243"
outside=$(awk -F'\t' -v x="$CLIENT_X" -v y="$CLIENT_Y" -v w="$CLIENT_W" -v h="$CLIENT_H" '
    $1 != "client" { split($4, r, " ")
        if (r[1] < x || r[2] < y || r[1] + r[3] > x + w || r[2] + r[4] > y + h) print $1 " " $2 }
    ' "$WORK/controls")
[ -z "$outside" ] || fail "controls reach out of the inner area: $outside"

# The caption's ink ("w h x y" within its label): at 96 DPI it is 63 x 12 pixels, whole inside a
# 66 x 13 label. At 144 DPI it grows about 1.5 times and still ends short of the label's edge:
# a font left at 96 DPI stays small, a label left at 96 DPI cuts the text at 66 pixels.
caption="曲目をﾘﾋﾟｰﾄ"
rect=$(control_rect LumoLabel "$caption")
[ -n "$rect" ] || fail "no label '$caption'"
read -r lx ly lw lh <<<"$rect"
screenshot
read -r iw ih ix iy < <(convert "$SHOT" -crop "${lw}x${lh}+${lx}+${ly}" +repage \
    -fx 'r<0.39 && g<0.39 && b<0.39 ? 0 : 1' -trim -format '%w %h %X %Y\n' info: | tr -d '+')
[ "$iw" -ge 88 ] && [ "$ih" -ge 16 ] ||
    fail "the caption's text is ${iw}x$ih pixels: not grown 1.4 times from 63x12"
[ $((ix + iw)) -lt "$lw" ] && [ $((iy + ih)) -le "$lh" ] ||
    fail "the caption's text (${iw}x$ih at $ix,$iy) reaches the edge of its ${lw}x$lh label"
echo "caption '$caption': text ${iw}x$ih at $ix,$iy inside its ${lw}x$lh label"

click_button "$(awk '{ printf "%d %d %d %d", $1 * 1.5, $2 * 1.5, $3 * 1.5, $4 * 1.5 }' <<<"$CANCEL_BUTTON")"
wait_saver_exit 50 || fail "the program went on after ｷｬﾝｾﾙ"
