#!/usr/bin/env bash
# The same on a Japanese system and on an English one (code page 932 and 1252): the session
# plays an MP3 from a folder with a Japanese name and a blank, named by a code page 932 settings
# file, and one whose path code page 932 cannot express (C:\Música\Café ♪ 夜.mp3), named by a
# UTF-16 settings file with a byte order mark; without the renderer the message reads as written.
# bench-size: 640x480
# code-pages: 932 1252
set -euo pipefail
source "$(dirname "$0")/saver_lib.sh"

expect_code_page
install_saver
sox -n -r 44100 -c 2 "$WORK/tone.wav" synth 3.0 sine 440 gain -6
start_recorder

# A session of 3 s in which the tone must be heard, then Esc and a clean end.
play_session() {
    start_saver /s
    probe wait-window Lumovane_VC 20000 >/dev/null || fail "$1: no renderer window"
    local started escaped loud
    started=$(mark)
    sleep 3
    saver_running || fail "$1: the saver ended while the renderer runs"
    escaped=$(mark)
    press_escape
    wait_saver_exit 30 || fail "$1: the saver was still running 3 s after Esc"
    [ "$saver_rc" = 0 ] || fail "$1: exit code $saver_rc"
    loud=$(loud_windows "$started" "$escaped")
    echo "$1 (code page $CODE_PAGE): $loud loud quarter-seconds in 3 s"
    [ "$loud" -ge 6 ] || fail "$1: the music was not heard"
}

mkdir -p "$WINEPREFIX/drive_c/音楽 フォルダ"
lame --quiet -b 128 "$WORK/tone.wav" "$WINEPREFIX/drive_c/音楽 フォルダ/夜の tone.mp3"
write_settings 2 0 'C:\音楽 フォルダ\夜の tone.mp3'
play_session "code page 932 settings file, Japanese folder"

mkdir -p "$WINEPREFIX/drive_c/Música"
lame --quiet -b 128 "$WORK/tone.wav" "$WINEPREFIX/drive_c/Música/Café ♪ 夜.mp3"
printf '[Section]\r\nBGM区分= 2\r\nBGMﾘﾋﾟｰﾄ= 0\r\nBGMﾌｧｲﾙ=C:\\Música\\Café ♪ 夜.mp3\r\n' |
    iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$SAVER_DIR/ルモヴェイン.ini"
play_session "UTF-16 settings file, path outside code page 932"
stop_recorder

rm "$SAVER_DIR/ルモヴェイン.dll"
message='ルモヴェイン.dll が同じﾌｫﾙﾀﾞに見つかりません！'
start_saver /s
probe wait-window ルモヴェイン 15000 >/dev/null || fail "no message box without the renderer"
texts=$(probe texts ルモヴェイン)
grep -qF "$message" <<<"$texts" || fail "message text not found in: $texts"
probe click ルモヴェイン OK >/dev/null || fail "no OK button"
wait_saver_exit 50 || fail "the program went on after OK"
echo "renderer missing (code page $CODE_PAGE): the message reads as written"
