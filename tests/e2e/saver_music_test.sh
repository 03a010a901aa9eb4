#!/usr/bin/env bash
# Music of a session, heard on the null sink: an MP3 whose path has a blank plays, ends, is
# started again by the one-second check, and stops with the session; a WAV loops and stops with
# it; a music CD with no drive lets the session run, its watch stops itself and the end is clean.
# bench-size: 640x480
set -euo pipefail
source "$(dirname "$0")/saver_lib.sh"

install_saver
music="$WINEPREFIX/drive_c/My Music"
mkdir -p "$music"
sox -n -r 44100 -c 2 "$WORK/tone.wav" synth 1.0 sine 440 gain -6
lame --quiet -b 128 "$WORK/tone.wav" "$music/tone a.mp3"
sox -n -r 44100 -c 2 "$music/loop b.wav" synth 0.8 sine 660 gain -6
start_recorder

# Runs one session of $1 seconds and marks its start, its Esc and the end of the recording.
run_session() {
    start_saver /s
    probe wait-window Lumovane_VC 20000 >/dev/null || fail "$2: no renderer window"
    started=$(mark)
    sleep "$1"
    saver_running || fail "$2: the saver ended while the renderer runs"
    escaped=$(mark)
    press_escape
    wait_saver_exit 30 || fail "$2: the saver was still running 3 s after Esc"
    [ "$saver_rc" = 0 ] || fail "$2: exit code $saver_rc"
    sleep 2.5
    quiet_end=$(mark)
}

expect_silence_after_escape() {
    local loud
    loud=$(loud_windows "$(awk -v t="$escaped" 'BEGIN { print t + 1.5 }')" "$quiet_end")
    [ "$loud" = 0 ] || fail "$1: $loud quarter-seconds of sound after the session ended"
}

# MP3: 1 s long, so in 6 s it must have ended and started again several times.
write_settings 2 0 'C:\My Music\tone a.mp3'
run_session 6 mp3
first=$(loud_windows "$started" "$(awk -v t="$started" 'BEGIN { print t + 1.5 }')")
later=$(loud_windows "$(awk -v t="$started" 'BEGIN { print t + 2.5 }')" "$escaped")
echo "mp3: $first loud quarter-seconds in the first 1.5 s, $later after 2.5 s"
[ "$first" -ge 2 ] || fail "mp3: the tone was not heard while the session ran"
[ "$later" -ge 3 ] || fail "mp3: the tone was not heard again after the file had ended"
expect_silence_after_escape mp3

# WAV: looped by the platform, no gaps to speak of.
write_settings 2 0 'C:\My Music\loop b.wav'
run_session 4 wav
loud=$(loud_windows "$(awk -v t="$started" 'BEGIN { print t + 0.5 }')" "$escaped")
total=$(awk -v a="$started" -v b="$escaped" 'BEGIN { printf "%d", (b - a - 0.5) / 0.25 }')
echo "wav: $loud of $total quarter-seconds loud"
[ "$loud" -ge $((total * 3 / 4)) ] || fail "wav: the loop was not heard throughout"
expect_silence_after_escape wav
stop_recorder

# Music CD without a drive: the watch gives up after its first tick; the session runs on.
write_settings 1 0 ''
(cd "$SAVER_DIR" && WINEDEBUG=+pid,trace+mci exec wine "./$SAVER_EXE" /s) 2>"$WORK/cd.log" &
saver_pid=$!
probe wait-window Lumovane_VC 20000 >/dev/null || fail "cd: no renderer window"
sleep 1.5
calls_then=$(grep -ac 'mciSendString' "$WORK/cd.log" || true)
sleep 2
calls_now=$(grep -ac 'mciSendString' "$WORK/cd.log" || true)
echo "cd: $calls_then MCI calls after 1.5 s, $calls_now after 3.5 s"
[ "$calls_then" -ge 1 ] || fail "cd: the CD was never asked for"
[ "$calls_now" = "$calls_then" ] || fail "cd: the CD watch kept running without a drive"
saver_running || fail "cd: the session ended without a drive"
press_escape
wait_saver_exit 30 || fail "cd: the saver was still running 3 s after Esc"
[ "$saver_rc" = 0 ] || fail "cd: exit code $saver_rc"
sleep 0.5
[ -z "$(product_processes)" ] || fail "cd: processes left"
echo "cd: watch stopped itself, clean end"
