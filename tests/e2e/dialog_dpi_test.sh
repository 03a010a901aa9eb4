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

# The caption's ink: its box inside the label ("w h x y" within the label) and its height.
caption="曲目をﾘﾋﾟｰﾄ"
rect=$(control_rect LumoLabel "$caption")
[ -n "$rect" ] || fail "no label '$caption'"
read -r lx ly lw lh <<<"$rect"
# 990 x 195 twips at 144 DPI.
[ "$lw $lh" = "99 20" ] || [ "$lw $lh" = "99 19" ] || fail "label '$caption' is ${lw}x$lh, expected 99x20"
screenshot
read -r iw ih ix iy < <(convert "$SHOT" -crop "${lw}x${lh}+${lx}+${ly}" +repage \
    -fx 'r<0.39 && g<0.39 && b<0.39 ? 0 : 1' -trim -format '%w %h %X %Y' info: | tr -d '+')
[ "$ih" -ge 14 ] || fail "the caption's text is $ih pixels high: a font for 96 DPI"
[ $((ix + iw)) -lt "$lw" ] && [ $((iy + ih)) -le "$lh" ] ||
    fail "the caption's text (${iw}x$ih at $ix,$iy) reaches the edge of its ${lw}x$lh label"
echo "caption '$caption': text ${iw}x$ih at $ix,$iy inside its ${lw}x$lh label"

click_button "$(awk '{ printf "%d %d %d %d", $1 * 1.5, $2 * 1.5, $3 * 1.5, $4 * 1.5 }' <<<"$CANCEL_BUTTON")"
wait_saver_exit 50 || fail "the program went on after ｷｬﾝｾﾙ"
