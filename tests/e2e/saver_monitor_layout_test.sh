#!/usr/bin/env bash
# A monitor left of the primary and of another size (800x600 at -800,0 beside a 1024x768 primary
# at 0,0): while the saver runs each monitor shows a moving star field in its own desktop's
# colours (all blue on the left, all red on the primary), the always-on-top window on the left
# monitor is hidden under the renderer's topmost window there, and exactly one window is titled
# Lumovane_VC. Esc pressed on the left monitor ends everything and both desktops come back.
# bench-size: 1024x768
# bench-layout: 800x600,1024x768
# bench-primary: 1
set -euo pipefail
source "$(dirname "$0")/saver_lib.sh"
[ "${LUMO_LAYOUT:-}" = 800x600,1024x768 ] && [ "${LUMO_PRIMARY:-}" = 1 ] ||
    fail "needs a bench with --layout 800x600,1024x768 --primary 1"
topmost_pid=""
left_desktop_pid=""
trap 'cleanup_saver; kill $topmost_pid $left_desktop_pid 2>/dev/null || true' EXIT

# In the X picture the left monitor lies at 0,0 and the primary at 800,0.
crop() { # picture WxH+X+Y
    convert "$1" -crop "$2" +repage "${1%.png}-$2.png" && echo "${1%.png}-$2.png"
}
LEFT=800x600+0+0
PRIMARY=1024x768+800+0
mean_of() { convert "$1" -channel "$2" -separate -format '%[fx:mean]' info:; }
at_most() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a <= b) }'; }
# A picture of the size with only one channel: plasma detail in red, green or blue.
one_colour() { # size seed channel-to-keep out
    local drop=RG
    [ "$3" = red ] && drop=GB
    convert -size "$1" -seed "$2" plasma:fractal -channel "$drop" -evaluate set 0 +channel \
        -type TrueColor BMP3:"$4"
}
show_desktop() { # picture x y
    probe desktop "Z:$(readlink -f "$1" | tr / '\\')" "$2" "$3" >/dev/null 2>&1 &
}

install_saver
probe monitors | tr -d '\r' >"$WORK/monitors.txt"
grep -qx -- '0 0 1024 768 1' "$WORK/monitors.txt" && grep -qx -- '-800 0 800 600 0' "$WORK/monitors.txt" ||
    fail "Wine reports other monitors: $(cat "$WORK/monitors.txt")"

one_colour 800x600 3 blue "$WORK/left.bmp"
one_colour 1024x768 5 red "$WORK/primary.bmp"
show_desktop "$WORK/left.bmp" -800 0
left_desktop_pid=$!
show_desktop "$WORK/primary.bmp" 0 0
desktop_pid=$!
probe wait-window "probe desktop" 10000 >/dev/null || fail "the desktop pictures did not appear"
sleep 1 # both mapped and painted: a window mapped later could cover the topmost one in X
# An always-on-top window on the left monitor, pure green, as a taskbar on every display.
probe topmost -700 100 200 150 >/dev/null 2>&1 &
topmost_pid=$!
probe wait-window "probe topmost" 10000 >/dev/null || fail "the always-on-top window did not appear"
sleep 1
import -window root "$WORK/before.png"
at_least "$(mean_of "$(crop "$WORK/before.png" 200x150+100+100)" green)" 0.99 ||
    fail "the always-on-top window does not show before the start"

# The photo, seen beside a stand-in that leaves it on disk (the renderer removes it once read).
install_saver --stand-in-renderer
start_saver /s
probe wait-window Lumovane_VC 20000 >/dev/null || fail "no (stand-in) renderer window within 20 s"
[ "$(od -An -td4 -j18 -N4 "$SNAPSHOT" | tr -d ' ')" = 1024 ] ||
    fail "the snapshot is not the primary screen's width 1024"
press_escape
wait_saver_exit 30 || fail "the saver was still running 3 s after the stand-in ended"

install_saver
start_saver /s
probe wait-window Lumovane_VC 20000 >/dev/null || fail "no renderer window within 20 s"
sleep 1.5
import -window root "$WORK/during1.png"
sleep 0.5
import -window root "$WORK/during2.png"

# Each monitor: stars that move, in its own desktop's colours only (flat tints, or the other
# monitor's picture, would bring the missing colours in).
for monitor in LEFT PRIMARY; do
    place=${!monitor}
    one=$(crop "$WORK/during1.png" "$place")
    two=$(crop "$WORK/during2.png" "$place")
    red=$(mean_of "$one" red) green=$(mean_of "$one" green) blue=$(mean_of "$one" blue)
    echo "during the session, $monitor monitor: mean red $red, green $green, blue $blue"
    moved=$(compare -metric AE "$one" "$two" null: 2>&1 || true)
    at_least "${moved%% *}" 1000 || fail "the $monitor monitor's picture does not move ($moved pixels differ)"
    if [ "$monitor" = LEFT ]; then
        at_least "$blue" 0.01 || fail "no blue stars on the left monitor"
        at_most "$red" 0.001 || fail "the left monitor's stars carry red: not its own desktop"
    else
        at_least "$red" 0.01 || fail "no red stars on the primary monitor"
        at_most "$(awk -v g="$green" -v b="$blue" 'BEGIN { print g + b }')" 0.001 ||
            fail "the primary's stars carry green or blue: not its own desktop"
    fi
done
# The always-on-top window's place shows stars, not its green.
still_green=$(convert "$(crop "$WORK/during1.png" 200x150+100+100)" -fill black +opaque lime \
    -fill white -opaque lime -format '%[fx:mean]' info:)
at_most "$still_green" 0.01 || fail "the always-on-top window shows during the session ($still_green)"

probe windows | tr -d '\r' >"$WORK/windows.txt"
[ "$(awk -F'\t' '$7 == "Lumovane_VC"' "$WORK/windows.txt" | wc -l)" = 1 ] ||
    fail "not exactly one window titled Lumovane_VC: $(cat "$WORK/windows.txt")"
cover_line=$(awk -F'\t' '$3 == 1 && $5 == "-800 0 800 600" && $6 == "Lumovane_Monitor" { print NR; exit }' \
    "$WORK/windows.txt")
topmost_line=$(awk -F'\t' '$7 == "probe topmost" { print NR; exit }' "$WORK/windows.txt")
[ -n "$cover_line" ] || fail "no renderer window over the left monitor: $(cat "$WORK/windows.txt")"
style=$(sed -n "${cover_line}p" "$WORK/windows.txt" | cut -f4)
(((16#$style & 0x8) != 0)) || fail "the window over the left monitor is not topmost (style $style)"
[ -n "$topmost_line" ] && [ "$cover_line" -lt "$topmost_line" ] ||
    fail "the always-on-top window lies above the renderer's window in the z-order"

# Esc pressed on the left monitor ends the scene and the saver.
cover=$(xwininfo -root -tree | awk '/\("ルモヴェイン\.dll"/ && index($0, "800x600+0+0") { print $1; exit }')
[ -n "$cover" ] || fail "no X window of the renderer over the left monitor"
escape_at=$(now)
xdotool windowfocus "$cover" 2>/dev/null || true
xdotool key Escape
probe wait-gone Lumovane_VC 3000 >/dev/null || fail "Esc on the left monitor did not end the scene"
wait_saver_exit 30 || fail "the saver was still running 3 s after Esc"
[ "$saver_rc" = 0 ] || fail "the saver's exit code was $saver_rc"
echo "Esc on the left monitor: saver ended $(elapsed "$escape_at") s later"

sleep 0.5
import -window root "$WORK/after.png"
# Without a window manager, X may keep the always-on-top window under a desktop window once the
# renderer's windows are gone (the Win32 z-order says otherwise): its box is left out of the
# picture and its place in the z-order is checked instead.
masked() { convert "$1" -fill black -draw 'rectangle 100,100 299,249' "${1%.png}-masked.png" &&
    echo "${1%.png}-masked.png"; }
differ=$(compare -metric AE "$(masked "$WORK/before.png")" "$(masked "$WORK/after.png")" null: 2>&1 || true)
[ "$differ" = 0 ] || fail "the desktops are not back after the session ($differ pixels differ)"
probe windows | tr -d '\r' >"$WORK/windows-after.txt"
topmost_line=$(awk -F'\t' '$3 == 1 && $7 == "probe topmost" { print NR; exit }' "$WORK/windows-after.txt")
desktop_line=$(awk -F'\t' '$7 == "probe desktop" { print NR; exit }' "$WORK/windows-after.txt")
[ -n "$topmost_line" ] && [ "$topmost_line" -lt "$desktop_line" ] ||
    fail "the always-on-top window is not back on top after the session"
echo "after the session: both desktops show again, the always-on-top window is back on top"
