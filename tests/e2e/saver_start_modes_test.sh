#!/usr/bin/env bash
# Starts that do not run a session: without the renderer beside it the saver shows its message
# (read from the window) and ends after OK; an unknown mode letter makes the snapshot folder and
# ends silently. An empty command line runs the session with the cursor left alone.
# bench-size: 640x480
set -euo pipefail
source "$(dirname "$0")/saver_lib.sh"

message='ルモヴェイン.dll が同じﾌｫﾙﾀﾞに見つかりません！'

# Renderer missing, for a run and for the settings.
install_saver --without-renderer
for args in /s /c; do
    start_saver "$args"
    probe wait-window ルモヴェイン 15000 >/dev/null || fail "$args: no message box"
    texts=$(probe texts ルモヴェイン)
    grep -qF "$message" <<<"$texts" || fail "$args: message text not found in: $texts"
    window_exists Lumovane_Main && fail "$args: a session started without the renderer"
    window_exists "$DIALOG_TITLE" && fail "$args: the settings opened without the renderer"
    probe click ルモヴェイン OK >/dev/null || fail "$args: no OK button"
    wait_saver_exit 50 || fail "$args: the program went on after OK"
    echo "$args: message shown, ended after OK (exit code $saver_rc)"
done
[ -d "$WINEPREFIX/drive_c/v_olka" ] || fail "the snapshot folder was not made before the check"

# An unknown letter: folder made, nothing shown, program ends.
rm -rf "$WINEPREFIX/drive_c/v_olka"
install_saver
before=$(probe list | awk -F'\t' '{ print $4 }' | sort)
start_saver /a
wait_saver_exit 100 || fail "/a: the program did not end"
[ "$saver_rc" = 0 ] || fail "/a: exit code $saver_rc"
[ -d "$WINEPREFIX/drive_c/v_olka" ] || fail "/a: the snapshot folder was not made"
[ "$before" = "$(probe list | awk -F'\t' '{ print $4 }' | sort)" ] || fail "/a: windows changed"
[ ! -e "$SNAPSHOT" ] || fail "/a: a snapshot was written"
echo "/a: folder made, ended silently"

# One character: no mode letter, not empty: ends the same way.
start_saver S
wait_saver_exit 100 || fail "'S': the program did not end"
window_exists Lumovane_Main && fail "'S': a session started"
echo "'S': ended silently"

# Empty command line: the session runs, the cursor count is never touched. The stand-in
# renderer leaves the photo on disk, to be seen.
install_saver --stand-in-renderer
start_saver
probe wait-window Lumovane_VC 20000 >/dev/null || fail "empty: no renderer window"
window_exists Lumovane_Main || fail "empty: no session window"
[ -f "$SNAPSHOT" ] || fail "empty: no snapshot"
renderer_wpid=$(probe list | tr -d '\r' | awk -F'\t' '$4 == "Lumovane_VC" { printf "%04x", $2; exit }')
[ -n "$renderer_wpid" ] || fail "empty: the renderer's process id not found"
sleep 1
press_escape
wait_saver_exit 30 || fail "empty: the saver was still running 3 s after Esc"
# The renderer may change the cursor itself; any other process that does is the saver.
others=$(grep -a 'NtUserShowCursor' "$WORK/saver.log" | grep -v "^$renderer_wpid:" || true)
[ -z "$others" ] || fail "empty: the saver changed the cursor: $(head -n2 <<<"$others")"
echo "empty: session ran, cursor count left alone by the saver"
