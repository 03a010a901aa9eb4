#!/usr/bin/env bash
# Without a snapshot file the renderer runs on and shows flat tinted squares; keys other than
# Esc and mouse clicks change nothing; Alt+F4 ends it like the platform's close command.
set -euo pipefail
source "$(dirname "$0")/renderer_lib.sh"

rm -f "$SNAPSHOT"
start_renderer
sleep 2
renderer_running || fail "the renderer ended without a snapshot"
expect_flat_stars "$WORK/none.png" "no snapshot"

# Other keys and the mouse: swallowed or left to the default handling; the scene runs on.
press a space Return F1 Left Tab ctrl+c
xdotool mousemove 100 100 click 1 mousemove 500 400 click 3 click 2
sleep 1
renderer_running || fail "a key other than Esc or a click ended the renderer"
window_exists || fail "the window went away after other keys and clicks"
before=$WORK/before.png
after=$WORK/after.png
screenshot "$before"
sleep 0.5
screenshot "$after"
# compare prints the count of differing pixels; anything but a number means it failed.
changed=$(compare -metric AE "$before" "$after" null: 2>&1 || true)
[[ "$changed" =~ ^[0-9.e+]+$ ]] || fail "could not compare two screenshots: $changed"
awk -v n="$changed" 'BEGIN { exit !(n > 0) }' || fail "the picture stood still: the scene stopped drawing"

press alt+F4
wait_window_gone 10 || fail "the window was still there one second after Alt+F4"
wait_renderer_exit
[ "$renderer_rc" = 0 ] || fail "the renderer ended with '$renderer_rc' after Alt+F4, expected 0"
echo "PASS: flat squares without snapshot, other input ignored, Alt+F4 ends with 0"
