#!/usr/bin/env bash
# The window opens with what the settings file holds: kind 2 with an existing file marks
# "MP3、WAV", enables "..." and shows the path and the track; a kind of 5 marks nothing, and
# "設定" pressed without a choice writes the 5 back.
set -euo pipefail
source "$(dirname "$0")/saver_lib.sh"
source "$(dirname "$0")/dialog_lib.sh"

install_saver
mkdir -p "$WINEPREFIX/drive_c/music"
sox -n -r 22050 -c 1 "$WINEPREFIX/drive_c/music/loop.wav" synth 0.5 sine 440
music='C:\music\loop.wav'

write_settings 2 7 "$music"
open_dialog
[ "$(marked_kinds)" = 2 ] || fail "kind 2: marked '$(marked_kinds)', expected 2"
button_face_enabled "$FILE_BUTTON" || fail "kind 2: \"...\" is disabled"
[ "$(control_enabled ComboBox 7)" = 0 ] || fail "kind 2: the track box is not a disabled 7"
[ -n "$(control_rect LumoLabel "$music")" ] || fail "kind 2: the path is not shown"
echo "kind 2: MP3、WAV marked, ... enabled, path and track shown"
click_button "$CANCEL_BUTTON"
wait_saver_exit 50 || fail "kind 2: the program went on after ｷｬﾝｾﾙ"

write_settings 5 0 ""
open_dialog
[ "$(marked_kinds)" = "" ] || fail "kind 5: marked '$(marked_kinds)', expected none"
button_face_enabled "$FILE_BUTTON" && fail "kind 5: \"...\" is enabled"
[ "$(control_enabled ComboBox "")" = 0 ] || fail "kind 5: the track box is not a disabled, empty one"
echo "kind 5: nothing marked, track box and ... disabled"
click_button "$SAVE_BUTTON"
wait_saver_exit 50 || fail "kind 5: the program went on after 設定"
value=$(LC_ALL=C grep -a $'^BGM\x8b\xe6\x95\xaa=' "$INI" | tr -d '\r' | cut -d= -f2)
[ "$value" = 5 ] || [ "$value" = " 5" ] || fail "kind 5: 設定 wrote the kind '$value'"
echo "kind 5: 設定 wrote it back"
