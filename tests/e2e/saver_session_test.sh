#!/usr/bin/env bash
# /s: the saver photographs the desktop into C:\v_olka\Lumovane.bmp (24-bit, bottom-up, the
# screen's size, equal to the screen pixel for pixel), starts the renderer, hides the cursor.
# The photo lives no longer than it must: the renderer removes it once it has made its texture
# (gone while the stars run), and the saver removes it at every end it sees: a renderer killed
# before it read the photo, a log-off of the running session. Esc ends the renderer and then the
# saver, which shows the cursor again; nothing is left. The renderer shows stars that carry the
# photograph, on a Japanese system and on an English one alike. A photo left behind by a session
# killed outright, in a folder that now takes no writes (so it can be neither removed nor
# replaced), is never shown: the stars are plain. Where the photo must still be on disk during the
# session, a stand-in that never reads it takes the renderer's place.
# bench-size: 1024x768
# code-pages: 932 1252
set -euo pipefail
source "$(dirname "$0")/saver_lib.sh"
trap 'chattr -i "$(dirname "$SNAPSHOT")" 2>/dev/null || true; cleanup_saver' EXIT

install_saver --stand-in-renderer
start_desktop
import -window root "$WORK/screen.png"
rm -f "$SNAPSHOT"

start_saver /s
probe wait-window Lumovane_VC 20000 >/dev/null || fail "no (stand-in) renderer window within 20 s"
window_exists Lumovane_Main || fail "no session window captioned Lumovane_Main"

# The snapshot: its headers, then every pixel against the screenshot taken before the start.
[ -f "$SNAPSHOT" ] || fail "no snapshot at C:\\v_olka\\Lumovane.bmp"
[ ! -e "$SNAPSHOT.tmp" ] || fail "the temporary snapshot was left beside it"
header() { od -An -t"$2" -j "$1" -N "$3" "$SNAPSHOT" | tr -d ' '; }
w=${SCREEN%x*}
h=${SCREEN#*x}
[ "$(head -c2 "$SNAPSHOT")" = BM ] || fail "the snapshot does not start with BM"
[ "$(header 10 u4 4)" = 54 ] || fail "pixel offset $(header 10 u4 4), expected 54"
[ "$(header 18 d4 4)" = "$w" ] || fail "width $(header 18 d4 4), expected $w"
[ "$(header 22 d4 4)" = "$h" ] || fail "height $(header 22 d4 4), expected +$h (bottom-up)"
[ "$(header 28 u2 2)" = 24 ] || fail "$(header 28 u2 2) bits per pixel, expected 24"
size=$(stat -c %s "$SNAPSHOT")
[ "$size" = $((54 + ((w * 3 + 3) / 4 * 4) * h)) ] || fail "file size $size"
diff=$(compare -metric AE "$WORK/screen.png" "$SNAPSHOT" null: 2>&1 || true)
[ "$diff" = 0 ] || fail "$diff pixels of the snapshot differ from the screen"
echo "snapshot: ${w}x${h}, 24-bit bottom-up, equal to the screen"

# A renderer killed before it read the photo: the saver's watch ends the session, and the photo
# goes with it.
stand_in=$(renderer_process)
[ "$(wc -w <<<"$stand_in")" = 1 ] || fail "renderer processes: '$stand_in'"
kill -KILL "$stand_in"
wait_saver_exit 30 || fail "the saver was still running 3 s after the renderer was killed"
[ ! -e "$SNAPSHOT" ] || fail "the photo was left after the renderer was killed"
echo "renderer killed: the saver ended (exit code $saver_rc) and removed the photo"

# The real renderer: the photo is gone while its stars carry it.
install_saver
start_saver /s
probe wait-window Lumovane_VC 20000 >/dev/null || fail "no renderer window within 20 s"

# What the user sees: stars that carry the photograph, on black. The photograph alone has no
# black, flat stars only a few dozen colours.
# The screen two seconds into the star field: "colours black-share".
star_field() { # name
    sleep 2
    import -window root "$WORK/$1.png"
    convert "$WORK/$1.png" -format '%k ' info:
    convert "$WORK/$1.png" -fill white +opaque black -format '%[fx:1-mean]\n' info:
}
read -r colours black < <(star_field stars)
[ "$colours" -ge 5000 ] && at_least "$black" 0.01 && at_least 0.95 "$black" ||
    fail "no textured star field: $colours colours, black share $black"
echo "textured stars: $colours colours, black share $black"
saver_running || fail "the saver ended while the renderer runs"
[ ! -e "$SNAPSHOT" ] || fail "the photo is still on disk while the stars run"
echo "photo gone while the stars run"

escape_at=$(now)
press_escape
probe wait-gone Lumovane_VC 3000 >/dev/null || fail "the renderer window stayed after Esc"
wait_saver_exit 30 || fail "the saver was still running 3 s after Esc"
echo "saver ended $(elapsed "$escape_at") s after Esc, exit code $saver_rc"
[ "$saver_rc" = 0 ] || fail "the saver's exit code was $saver_rc"
window_exists Lumovane_Main && fail "the session window outlived the saver"
[ ! -e "$SNAPSHOT" ] || fail "the desktop snapshot was left in C:\\v_olka after the session"
sleep 0.5
left=$(product_processes)
[ -z "$left" ] || fail "processes left: $left"

# The cursor: hidden once by the saver at its start and shown by it at its end.
saver_calls=$(grep -a 'NtUserShowCursor' "$WORK/saver.log" | awk -F: '$1 == first || first == "" { first = $1; print }')
hide=$(sed -n 1p <<<"$saver_calls")
show=$(sed -n '$p' <<<"$saver_calls")
[[ "$hide" == *"NtUserShowCursor 0, count=-1" ]] || fail "the saver did not hide the cursor first: $hide"
[[ "$show" == *"NtUserShowCursor 1, count=0" ]] || fail "the saver did not show the cursor at its end: $show"
[ "$(wc -l <<<"$saver_calls")" = 2 ] || fail "the saver changed the cursor $(wc -l <<<"$saver_calls") times"
echo "cursor: hidden at the start, shown at the end"

# A log-off while the session runs (the stand-in keeps the photo on disk until then): the
# system's end-of-session messages end the saver, and it removes the photo.
install_saver --stand-in-renderer
start_saver /s
probe wait-window Lumovane_VC 20000 >/dev/null || fail "log-off: no (stand-in) renderer window"
[ -f "$SNAPSHOT" ] || fail "log-off: no photo before the log-off"
# Under load Wine's wineboot now and then never returns once the programs have ended: bounded,
# so that the checks below judge what the saver did.
timeout 60 wine wineboot --end-session >/dev/null 2>&1 || true
wait_saver_exit 100 || fail "the saver was still running 10 s after the log-off"
[ ! -e "$SNAPSHOT" ] || fail "the photo was left after the log-off"
echo "log-off: the saver ended (exit code $saver_rc) and removed the photo"
for pid in $(renderer_process); do kill "$pid"; done

# An earlier desktop left in a folder that takes no writes: the session can neither remove nor
# replace it, and the renderer shows plain tinted stars rather than that picture.
install_saver
mkdir -p "$(dirname "$SNAPSHOT")"
convert -size "$SCREEN" -seed 7 plasma:fractal -type TrueColor BMP3:"$SNAPSHOT"
chattr +i "$(dirname "$SNAPSHOT")" || fail "chattr +i failed"
start_saver /s
probe wait-window Lumovane_VC 20000 >/dev/null || fail "old photo: no renderer window within 20 s"
read -r colours black < <(star_field old-photo)
[ "$colours" -le 200 ] && at_least "$black" 0.05 && at_least 0.95 "$black" ||
    fail "old photo: not plain stars ($colours colours, black share $black)"
press_escape
wait_saver_exit 30 || fail "old photo: the saver was still running 3 s after Esc"
chattr -i "$(dirname "$SNAPSHOT")"
echo "an old photo that could not go: plain stars ($colours colours), never that picture"
rm -f "$SNAPSHOT"
