#!/usr/bin/env bash
# The settings window as a screen reader in another process meets it (probe a11y, through the
# system's accessibility interface): push buttons named "設定", "ｷｬﾝｾﾙ" and by what the file
# button does, the three kinds as radio buttons with the chosen one checked, the track box and
# the path named. Default actions work from there: "なし" gets checked, "ｷｬﾝｾﾙ" closes the window
# and writes nothing, "設定" writes the choice.
# code-pages: 932 1252
set -euo pipefail
source "$(dirname "$0")/saver_lib.sh"
source "$(dirname "$0")/dialog_lib.sh"

# The probe's line for the object with that role and name: "role name states action value".
object() { # role name
    awk -F'\t' -v r="$1" -v n="$2" '$1 == r && $2 == n { print; exit }' "$WORK/a11y"
}
read_objects() { probe a11y "$DIALOG_TITLE" | tr -d '\r' >"$WORK/a11y" || fail "no accessible objects"; }
states() { object "$1" "$2" | cut -f3; }
checked_kinds() { awk -F'\t' '$1 == "radiobutton" && $3 ~ /checked/ { print $2 }' "$WORK/a11y"; }
act() { # role name
    probe a11y-do "$DIALOG_TITLE" "$1" "$2" >/dev/null || fail "the default action of $1 $2 failed"
    sleep 0.5
}

install_saver
write_settings 1 0 ""
cp "$INI" "$WORK/before.ini"
open_dialog
read_objects
for name in 設定 ｷｬﾝｾﾙ 音楽ファイルを選ぶ; do
    [ "$(object pushbutton "$name" | cut -f4)" = 押す ] || fail "no push button $name: $(cat "$WORK/a11y")"
done
for name in 音楽CD なし MP3、WAV; do
    [ -n "$(object radiobutton "$name")" ] || fail "no radio button $name: $(cat "$WORK/a11y")"
done
[ "$(checked_kinds)" = 音楽CD ] || fail "checked: '$(checked_kinds)', expected 音楽CD only"
[ -n "$(object combobox 曲目をﾘﾋﾟｰﾄ)" ] || fail "the track box is not named by its label"
[ -n "$(object text 音楽ファイル)" ] || fail "the music file's path is not named"
echo "push buttons, radio buttons (音楽CD checked), track box and path named"

act radiobutton なし
read_objects
[ "$(checked_kinds)" = なし ] || fail "after なし's default action, checked: '$(checked_kinds)'"
[[ "$(states combobox 曲目をﾘﾋﾟｰﾄ)" == *unavailable* ]] || fail "the track box stays available"
echo "なし chosen by its default action: checked, the track box unavailable"

act pushbutton ｷｬﾝｾﾙ
wait_saver_exit 50 || fail "the program went on after ｷｬﾝｾﾙ's default action"
window_exists "$DIALOG_TITLE" && fail "the settings window is still there after ｷｬﾝｾﾙ"
cmp -s "$INI" "$WORK/before.ini" || fail "ｷｬﾝｾﾙ changed the settings file"
echo "ｷｬﾝｾﾙ by its default action: closed, nothing written"

open_dialog
act radiobutton MP3、WAV
act pushbutton 設定
wait_saver_exit 50 || fail "the program went on after 設定's default action"
window_exists "$DIALOG_TITLE" && fail "the settings window is still there after 設定"
kind=$(iconv -f CP932 -t UTF-8 "$INI" | tr -d '\r' | sed -n 's/^BGM区分= *//p')
[ "$kind" = 2 ] || fail "設定 wrote the kind '$kind', expected 2: $(iconv -f CP932 -t UTF-8 "$INI")"
echo "設定 by its default action: the kind chosen by MP3、WAV's default action written"
