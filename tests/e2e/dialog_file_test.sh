#!/usr/bin/env bash
# Choosing "MP3、WAV" enables "..."; the file chooser ("ﾌｧｲﾙを開く") takes a typed path and the
# window shows it. "ｷｬﾝｾﾙ" then leaves the settings file byte for byte as it was, and so does
# the window's close box.
set -euo pipefail
source "$(dirname "$0")/saver_lib.sh"
source "$(dirname "$0")/dialog_lib.sh"

install_saver
mkdir -p "$WINEPREFIX/drive_c/music"
sox -n -r 22050 -c 1 "$WINEPREFIX/drive_c/music/loop.wav" synth 0.5 sine 440
music='C:\music\loop.wav'
write_settings 0 0 ""
cp "$INI" "$WORK/before.ini"

open_dialog
button_face_enabled "$FILE_BUTTON" && fail "\"...\" is enabled for なし"
# shellcheck disable=SC2046
press 1 $(centre_of "$(control_rect LumoLabel "MP3、WAV")")
[ "$(marked_kinds)" = 2 ] || fail "MP3、WAV is not marked after a press on it"
button_face_enabled "$FILE_BUTTON" || fail "\"...\" stays disabled for MP3、WAV"
echo "MP3、WAV marked, ... enabled"

choose_typed_file "$music"
read_controls
[ -n "$(control_rect LumoLabel "$music")" ] ||
    fail "the chosen path is not shown: $(cut -f2 "$WORK/controls" | tr '\n' '|')"
echo "chosen file shown: $music"

click_button "$CANCEL_BUTTON"
wait_saver_exit 50 || fail "the program went on after ｷｬﾝｾﾙ"
cmp -s "$INI" "$WORK/before.ini" || fail "ｷｬﾝｾﾙ changed the settings file"
echo "ｷｬﾝｾﾙ: settings file unchanged"

# The close box, after another choice: nothing written either.
open_dialog
# shellcheck disable=SC2046
press 3 $(centre_of "$(control_rect LumoLabel 音楽CD)")
[ "$(marked_kinds)" = 1 ] || fail "音楽CD is not marked after a right press"
read -r wx wy ww _ _ < <(probe window-info "$DIALOG_TITLE" | tr -d '\r')
frame=$(((ww - 496) / 2))
press 1 $((wx + ww - frame - 9)) $((wy + frame + 9))
wait_saver_exit 50 || fail "the close box did not close the settings window"
cmp -s "$INI" "$WORK/before.ini" || fail "the close box changed the settings file"
echo "close box: settings file unchanged"
