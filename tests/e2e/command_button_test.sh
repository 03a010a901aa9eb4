#!/usr/bin/env bash
# The Command button driven with the real mouse: hovering changes its face on the screen, a
# press and release over it raises Click once, a press dragged off and released after a tick
# raises none, and the hover look ends within a tick or two of the cursor leaving.
# bench-size: 800x600
set -euo pipefail
source "$(dirname "$0")/saver_lib.sh"

FORM_EXE="$(dirname "$LUMO_PROBE")/command_form.exe"
OUT=$WORK/form.out
form_pid=""
cleanup() {
    [ -n "$form_pid" ] && kill "$form_pid" 2>/dev/null || true
}
trap cleanup EXIT

# A pixel of the screen as "r g b".
screen_pixel() {
    import -window root "$WORK/shot.png"
    convert "$WORK/shot.png" -crop "1x1+$1+$2" -depth 8 txt:- |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' | head -n1
}
red_at() { screen_pixel "$1" "$2" | cut -d' ' -f1; }

# Waits up to $2 tenths of a second for a line of the form's output.
wait_line() {
    for _ in $(seq "$2"); do
        grep -qx "$1" "$OUT" && return 0
        sleep 0.1
    done
    return 1
}
clicks() { grep -c "^Click $1\$" "$OUT" || true; }
last_face() { grep "^Face $1 " "$OUT" | tail -n1 | cut -d' ' -f3; }

xdotool mousemove 700 500
wine "$FORM_EXE" 50 >"$OUT" 2>"$WORK/form.err" &
form_pid=$!
for _ in $(seq 150); do
    grep -q '^Ready ' "$OUT" && break
    sleep 0.1
done
grep -q '^Ready ' "$OUT" || fail "the form did not come up: $(cat "$WORK/form.err" | tail -n3)"
read -r _ one two < <(grep '^Ready ' "$OUT")
IFS=, read -r x1 y1 w1 h1 <<<"$one"
IFS=, read -r x2 y2 _ _ <<<"$two"
echo "button 1 at $x1,$y1 (${w1}x$h1), button 2 at $x2,$y2"
[ "${w1}x$h1" = "117x28" ] || fail "button 1 is ${w1}x$h1"
sleep 0.5

# Idle: the gradient runs light to shade; row 5 of the centre is near white.
idle_red=$(red_at $((x1 + 10)) $((y1 + 5)))
[ "$idle_red" -ge 235 ] || fail "idle gradient row 5 has red $idle_red, expected near 244"

# Hover: the face turns to HighLight over a shade-to-light gradient.
xdotool mousemove $((x1 + 10)) $((y1 + 14))
wait_line "Face 1 2" 20 || fail "hovering did not reach state 2: $(tail -n3 "$OUT")"
sleep 0.3
hover_red=$(red_at $((x1 + 10)) $((y1 + 5)))
rim=$(screen_pixel $((x1 + 30)) $((y1 + 2)))
echo "gradient row 5 red: idle $idle_red, hovered $hover_red; top rim hovered: $rim"
[ "$hover_red" -le 220 ] || fail "hovered gradient row 5 has red $hover_red, expected near 208"
[ "$rim" = "255 240 207" ] || fail "the hovered face shows no amber rim at its top ($rim)"

# Press and release over the button: one Click.
xdotool mousedown 1
sleep 0.3
xdotool mouseup 1
wait_line "Click 1" 20 || fail "no Click after press and release over the button"
sleep 0.5
[ "$(clicks 1)" = 1 ] || fail "$(clicks 1) Clicks for one press and release"
echo "press and release: one Click"

# Press, drag out, wait past a tick, release outside: no Click, the face goes to Selected.
xdotool mousedown 1
sleep 0.2
xdotool mousemove 700 500
sleep 0.5
[ "$(last_face 1)" = 3 ] || fail "dragged off, the button is in state $(last_face 1), not 3"
xdotool mouseup 1
sleep 0.5
[ "$(clicks 1)" = 1 ] || fail "a press dragged off and released outside raised Click"
echo "dragged off and released outside: no Click"

# The hover look ends within a tick or two of the cursor leaving (polled, 1.5 s at most).
xdotool mousemove $((x2 + 10)) $((y2 + 14))
wait_line "Face 2 2" 20 || fail "button 2 did not take the hover"
[ "$(last_face 1)" = 3 ] || fail "button 1 left its Selected state: $(last_face 1)"
left_at=$(date +%s.%N)
xdotool mousemove 700 500
for _ in $(seq 15); do
    [ "$(last_face 2)" = 1 ] && break
    sleep 0.1
done
[ "$(last_face 2)" = 1 ] || fail "button 2 still hovered 1.5 s after the cursor left"
echo "hover ended $(awk -v a="$left_at" -v b="$(date +%s.%N)" 'BEGIN { printf "%.2f", b - a }') s after leaving (polled)"
sleep 0.3
back_red=$(red_at $((x2 + 10)) $((y2 + 5)))
[ "$back_red" -ge 235 ] || fail "button 2 still shows the hover gradient (red $back_red)"
[ "$(clicks 2)" = 0 ] || fail "button 2 clicked without a press"
echo "PASS"
