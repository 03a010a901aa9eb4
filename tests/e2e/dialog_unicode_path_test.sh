#!/usr/bin/env bash
# A music path that code page 932 cannot express (C:\Música\Café ♪ 夜.mp3): chosen in the file
# chooser and saved with "設定", it makes the settings file UTF-16 with a byte order mark that
# holds it whole; the window opens with it again, the path label showing it whole (its kind
# stays 2, which needs the file found), and "設定" keeps it. On a Japanese system and on an
# English one alike.
# code-pages: 932 1252
set -euo pipefail
source "$(dirname "$0")/saver_lib.sh"
source "$(dirname "$0")/dialog_lib.sh"

music='C:\Música\Café ♪ 夜.mp3'
expect_code_page
install_saver
mkdir -p "$WINEPREFIX/drive_c/Música"
sox -n -r 44100 -c 2 "$WORK/tone.wav" synth 0.5 sine 440
lame --quiet -b 128 "$WORK/tone.wav" "$WINEPREFIX/drive_c/Música/Café ♪ 夜.mp3"
rm -f "$INI"

# The settings file as text: its form and its lines, read from UTF-16 when it has the mark.
settings_text() {
    if [ "$(head -c 2 "$INI" | od -An -tx1 | tr -d ' ')" = fffe ]; then
        tail -c +3 "$INI" | iconv -f UTF-16LE -t UTF-8 | tr -d '\r'
    else
        echo "(not UTF-16: $(od -An -tx1 "$INI" | head -n 2 | tr -s ' '))"
    fi
}
expect_saved() {
    [ -f "$INI" ] || fail "$1: no settings file"
    text=$(settings_text)
    grep -qxF "BGMﾌｧｲﾙ=$music" <<<"$text" || fail "$1: the path is not in the file: $text"
    grep -qxE 'BGM区分= ?2' <<<"$text" || fail "$1: the kind is not 2: $text"
    echo "$1: UTF-16 settings file with the whole path"
}

open_dialog
# shellcheck disable=SC2046
press 1 $(centre_of "$(control_rect LumoLabel "MP3、WAV")")
choose_typed_file "$music"
click_button "$SAVE_BUTTON"
wait_saver_exit 50 || fail "the program went on after 設定"
expect_saved "chosen and saved"

open_dialog
[ "$(marked_kinds)" = 2 ] || fail "reopened: marked '$(marked_kinds)': the path was not found"
[ -n "$(control_rect LumoLabel "$music")" ] ||
    fail "reopened: the path label does not show the path: $(cut -f1-2 "$WORK/controls" | tr '\n' '|')"
echo "reopened: the path label shows it"
click_button "$SAVE_BUTTON"
wait_saver_exit 50 || fail "reopened: the program went on after 設定"
expect_saved "reopened and saved again"
