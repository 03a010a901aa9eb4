#!/usr/bin/env bash
# A program folder the user may not write (made immutable, as root cannot be refused otherwise):
# "設定" cannot save, so a message box over the settings window says so and why, the window
# stays open, and nothing is written: no new file, and an earlier settings file unchanged.
set -euo pipefail
source "$(dirname "$0")/saver_lib.sh"
source "$(dirname "$0")/dialog_lib.sh"

release_folder() {
    chattr -i "$SAVER_DIR" "$INI" 2>/dev/null || true
    cleanup_saver
}
trap release_folder EXIT

# Presses 設定 in a folder that refuses the write; the message must come and the window stay.
save_refused() {
    click_button "$SAVE_BUTTON"
    probe wait-window ルモヴェイン 10000 >/dev/null || fail "$1: no message after 設定"
    texts=$(probe texts ルモヴェイン)
    grep -qF '設定を保存できませんでした。' <<<"$texts" || fail "$1: message text: $texts"
    grep -qF 'ﾌﾟﾛｸﾞﾗﾑのﾌｫﾙﾀﾞに書き込めません。' <<<"$texts" || fail "$1: no reason in: $texts"
    grep -qF '書き込みのできるﾌｫﾙﾀﾞ' <<<"$texts" || fail "$1: no way out in: $texts"
    probe click ルモヴェイン OK >/dev/null || fail "$1: no OK button"
    probe wait-gone ルモヴェイン 5000 >/dev/null || fail "$1: the message stayed after OK"
    sleep 0.5
    saver_running || fail "$1: the program ended after a failed save"
    window_exists "$DIALOG_TITLE" || fail "$1: the settings window closed after a failed save"
    [ -z "$(ls "$SAVER_DIR" | grep -v '^ルモヴェイン\.\(scr\|dll\|ini\)$' || true)" ] ||
        fail "$1: a file was left in the folder: $(ls "$SAVER_DIR")"
    echo "$1: message shown, window still open"
    click_button "$CANCEL_BUTTON"
    wait_saver_exit 50 || fail "$1: the program went on after ｷｬﾝｾﾙ"
}

install_saver
rm -f "$INI"
chattr +i "$SAVER_DIR"
open_dialog
save_refused "no settings file"
[ ! -e "$INI" ] || fail "no settings file: one was written"
chattr -i "$SAVER_DIR"

write_settings 1 3 ''
before=$(md5sum <"$INI")
chattr +i "$SAVER_DIR" "$INI"
open_dialog
# shellcheck disable=SC2046
press 1 $(at $(mark_point 0)) # なし: a choice that would change the file
save_refused "an earlier settings file"
[ "$(md5sum <"$INI")" = "$before" ] || fail "an earlier settings file: it was changed"
echo "an earlier settings file: unchanged"
