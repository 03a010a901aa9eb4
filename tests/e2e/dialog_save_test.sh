#!/usr/bin/env bash
# Choosing "音楽CD" with a right or a left press (on its label or its mark) marks it and enables
# the track box; a typed track of 3.5 and "設定" write the three code page 932 keys in order
# with the kind 1, the track 4 and the (empty) path, and the window and the program end. The
# captions are read from the controls and the file's bytes are the same on an English system.
# code-pages: 932 1252
set -euo pipefail
source "$(dirname "$0")/saver_lib.sh"
source "$(dirname "$0")/dialog_lib.sh"

expect_code_page
install_saver
rm -f "$INI"
open_dialog

choose() { # button label-caption|mark kind, expected marks
    if [ "$2" = mark ]; then
        # shellcheck disable=SC2046
        press "$1" $(at $(mark_point "$3"))
    else
        # shellcheck disable=SC2046
        press "$1" $(centre_of "$(control_rect LumoLabel "$2")")
    fi
    read_controls
    [ "$(marked_kinds)" = "$3" ] || fail "after a press ($1) on $2: marked '$(marked_kinds)', expected $3"
}

choose 3 音楽CD 1
[ "$(control_enabled ComboBox "")" = 1 ] || fail "the track box stays disabled for 音楽CD"
echo "right press on 音楽CD: marked, track box enabled"
choose 1 なし 0
[ "$(control_enabled ComboBox "")" = 0 ] || fail "the track box stays enabled for なし"
choose 2 mark 1
[ "$(control_enabled ComboBox "")" = 1 ] || fail "the track box stays disabled after the mark"
echo "left press on なし, middle press on the mark of 音楽CD: each marked in turn"

# Type the track into the box's text field.
# shellcheck disable=SC2046
press 1 $(centre_of "$(control_rect Edit "")")
xdotool type --delay 80 "3.5"
sleep 0.3
read_controls
[ "$(awk -F'\t' '$1 == "ComboBox" { print $2 }' "$WORK/controls")" = 3.5 ] ||
    fail "the track box does not hold the typed 3.5"

click_button "$SAVE_BUTTON"
wait_saver_exit 50 || fail "the program went on after 設定"
[ "$saver_rc" = 0 ] || fail "exit code $saver_rc after 設定"
window_exists "$DIALOG_TITLE" && fail "the settings window is still there"
[ -f "$INI" ] || fail "設定 wrote no settings file"

# The keys' bytes in code page 932, in order, with the values (Wine drops a value's leading blank).
kind=$'BGM\x8b\xe6\x95\xaa='
repeat=$'BGM\xd8\xcb\xdf\xb0\xc4='
file=$'BGM\xcc\xa7\xb2\xd9='
# The whole file, byte for byte, with a blank after "=" allowed.
actual=$(LC_ALL=C tr -d '\r' <"$INI" | LC_ALL=C sed 's/^\([^=]*\)= /\1=/')
expected=$(printf '[Section]\n%s1\n%s4\n%s' "$kind" "$repeat" "$file")
[ "$actual" = "$expected" ] || fail "settings file: $(od -An -tx1 "$INI" | head -n 6 | tr -s ' ')"
echo "settings file: kind 1, track 4, empty path, keys in order:"
iconv -f CP932 -t UTF-8 "$INI"
