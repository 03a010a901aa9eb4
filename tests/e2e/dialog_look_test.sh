#!/usr/bin/env bash
# /c with no settings file: the settings window opens at one third of the free height with its
# shaded background, its captions drawn, "なし" marked and the track box and "..." disabled, on
# a Japanese system and on an English one alike. A screenshot of it is kept as a test artifact
# (with the code page in its name when that is not 932).
# code-pages: 932 1252
set -euo pipefail
source "$(dirname "$0")/saver_lib.sh"
source "$(dirname "$0")/dialog_lib.sh"

expect_code_page
install_saver
rm -f "$INI"
open_dialog
screenshot
mkdir -p "$ARTIFACTS"
read -r wx wy ww wh _ < <(probe window-info "$DIALOG_TITLE" | tr -d '\r')
picture=$ARTIFACTS/settings-dialog$([ "$CODE_PAGE" = 932 ] || echo "-cp$CODE_PAGE").png
convert "$SHOT" -crop "${ww}x${wh}+${wx}+${wy}" +repage "$picture"
echo "screenshot: $picture"

# Place: centred across, one third of the free height from the top.
read -r sw sh < <(tr x ' ' <<<"$SCREEN")
[ $(((sw - ww) / 2 - wx)) -ge -1 ] && [ $(((sw - ww) / 2 - wx)) -le 1 ] ||
    fail "window at x $wx, expected about $(((sw - ww) / 2))"
[ $(((sh - wh) / 3 - wy)) -ge -1 ] && [ $(((sh - wh) / 3 - wy)) -le 1 ] ||
    fail "window at y $wy, expected about $(((sh - wh) / 3))"

# The shading of the window and of the panel.
expect_pixel() { # x y "r g b" what
    local got
    got=$(inner_pixel "$1" "$2")
    [ "$got" = "$3" ] || fail "$4: ($1, $2) is ($got), expected ($3)"
}
expect_pixel 3 0 "0 0 30" "window's top row"
expect_pixel 3 121 "220 220 250" "window's middle row"
expect_pixel 490 122 "220 220 250" "window's middle row, right"
expect_pixel $((12 + 3)) 16 "30 30 30" "panel's top row"
expect_pixel $((12 + 460)) $((16 + 82)) "250 250 250" "panel's middle row"
echo "shading: window (0,0,30) to (220,220,250), panel (30,30,30) to (250,250,250)"

# The captions are drawn: black text on the panel, white text below it.
for caption in BGM 音楽CD なし MP3、WAV 曲目をﾘﾋﾟｰﾄ; do
    rect=$(control_rect LumoLabel "$caption")
    [ -n "$rect" ] || fail "no label '$caption'"
    n=$(count_pixels dark "$rect")
    [ "$n" -ge 15 ] || fail "label '$caption' shows only $n text pixels"
done
for caption in "https://lumovane.example/" "ルモヴェイン (ScreenSaver)  Ver 1.00"; do
    rect=$(control_rect LumoLabel "$caption")
    [ -n "$rect" ] || fail "no label '$caption'"
    n=$(count_pixels light "$rect")
    [ "$n" -ge 30 ] || fail "white label '$caption' shows only $n text pixels"
done
echo "captions drawn"

# なし is marked; the track box and "..." are disabled.
[ "$(marked_kinds)" = 0 ] || fail "marked kinds: '$(marked_kinds)', expected 0"
[ "$(control_enabled ComboBox "")" = 0 ] || fail "the track box is enabled"
button_face_enabled "$FILE_BUTTON" && fail "\"...\" shows an enabled face"
button_face_enabled "$SAVE_BUTTON" || fail "設定 shows no enabled face"
echo "なし marked, track box and ... disabled"

probe key "$DIALOG_TITLE" 27 >/dev/null || true # Escape: the window binds no keys
sleep 0.5
window_exists "$DIALOG_TITLE" || fail "Escape closed the settings window"
click_button "$CANCEL_BUTTON"
wait_saver_exit 50 || fail "the program went on after ｷｬﾝｾﾙ"
[ ! -e "$INI" ] || fail "ｷｬﾝｾﾙ wrote a settings file"
echo "Escape ignored, ｷｬﾝｾﾙ ended the program without writing"
