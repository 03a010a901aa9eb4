# Sourced by the settings window's end-to-end tests (after saver_lib.sh): open the window, find
# its controls on the screen, press and click as a user does, and read pixels of a screenshot.

INI="$SAVER_DIR/ルモヴェイン.ini"
SHOT=$WORK/shot.png

# Starts the saver with /c and waits until its window is shown and painted.
open_dialog() {
    start_saver /c
    probe wait-window "$DIALOG_TITLE" 15000 >/dev/null || fail "no settings window for /c"
    sleep 1.5 # the opening animation and the first painting
    read_controls
}

# The window's controls: "client<TAB>x y<TAB>w h" (the inner area) and one
# "class<TAB>text<TAB>enabled<TAB>x y w h" per child.
read_controls() {
    probe controls "$DIALOG_TITLE" | tr -d '\r' >"$WORK/controls" ||
        fail "the settings window's controls cannot be read"
    read -r CLIENT_X CLIENT_Y < <(awk -F'\t' '$1 == "client" { print $2 }' "$WORK/controls")
    read -r CLIENT_W CLIENT_H < <(awk -F'\t' '$1 == "client" { print $3 }' "$WORK/controls")
}

# "x y w h" of the child window with that class and text.
control_rect() {
    awk -F'\t' -v c="$1" -v t="$2" '$1 == c && $2 == t { print $4; exit }' "$WORK/controls"
}
control_enabled() {
    awk -F'\t' -v c="$1" -v t="$2" '$1 == c && $2 == t { print $3; exit }' "$WORK/controls"
}

# Screen point of a point of the window's inner area (pixels).
at() { echo "$((CLIENT_X + $1)) $((CLIENT_Y + $2))"; }

# Presses and releases a mouse button (1 left, 2 middle, 3 right) at a screen point.
press() { # button x y
    xdotool mousemove "$2" "$3"
    sleep 0.2
    xdotool mousedown "$1"
    sleep 0.1
    xdotool mouseup "$1"
    sleep 0.3
}

# The centre of a control's rectangle ("x y w h").
centre_of() { awk '{ printf "%d %d", $1 + $3 / 2, $2 + $4 / 2 }' <<<"$1"; }

# The inner-area places of the window's windowless controls and self-drawn buttons (pixels):
# the panel lies at (12, 16); the marks of the kinds 1, 0, 2 at (28, 56 / 76 / 96) in it.
mark_point() { # kind -> the centre of its mark, in the window's inner area
    local rows=(76 56 96)
    echo "$((12 + 28 + 6)) $((16 + ${rows[$1]} + 6))"
}
SAVE_BUTTON="324 200 77 25"
CANCEL_BUTTON="404 200 77 25"
FILE_BUTTON="40 132 41 21"
inner_centre() { awk '{ printf "%d %d", $1 + $3 / 2, $2 + $4 / 2 }' <<<"$1"; }

# Clicks the self-drawn button at an inner-area rectangle with the left button.
click_button() {
    local c
    c=$(inner_centre "$1")
    # shellcheck disable=SC2046
    press 1 $(at $c)
}

screenshot() { import -window root "$SHOT"; }

# "r g b" of a screen pixel of the last screenshot.
pixel() {
    convert "$SHOT" -format "%[fx:int(255*p{$1,$2}.r+0.5)] %[fx:int(255*p{$1,$2}.g+0.5)] %[fx:int(255*p{$1,$2}.b+0.5)]" info:
}
inner_pixel() { # x y of the inner area
    # shellcheck disable=SC2046
    pixel $(at "$1" "$2")
}

# Which kinds' marks show the selected picture (its dark dot), e.g. "0" or "" for none.
marked_kinds() {
    local kind p out=""
    screenshot
    for kind in 0 1 2; do
        # shellcheck disable=SC2046
        p=$(inner_pixel $(mark_point "$kind"))
        read -r r g b <<<"$p"
        if [ "$b" -gt 100 ] && [ "$r" -lt 80 ]; then
            out+=$kind
        elif [ "$r" != 255 ] || [ "$g" != 255 ] || [ "$b" != 255 ]; then
            fail "the mark of kind $kind shows neither picture at its centre: $p"
        fi
    done
    echo "$out"
}

# Whether the self-drawn button at an inner-area rectangle shows an enabled face: the enabled
# faces have a dark blue frame line, the disabled one only a light grey one.
button_face_enabled() {
    local x y w h col row p
    read -r x y w h <<<"$1"
    screenshot
    row=$((y + h / 2))
    for col in $(seq "$x" $((x + 3))); do
        p=$(inner_pixel "$col" "$row")
        read -r r g b <<<"$p"
        if [ "$r" -lt 60 ] && [ "$b" -gt 90 ]; then
            return 0
        fi
    done
    return 1
}

# How many pixels of a screen rectangle ("x y w h") of the last screenshot are dark (all
# channels below 100), or light (all above 230).
count_pixels() { # dark|light rect
    local x y w h
    read -r x y w h <<<"$2"
    if [ "$1" = dark ]; then
        convert "$SHOT" -crop "${w}x${h}+${x}+${y}" -fx 'r<0.39 && g<0.39 && b<0.39 ? 1 : 0' \
            -format '%[fx:int(mean*w*h+0.5)]' info:
    else
        convert "$SHOT" -crop "${w}x${h}+${x}+${y}" -fx 'r>0.9 && g>0.9 && b>0.9 ? 1 : 0' \
            -format '%[fx:int(mean*w*h+0.5)]' info:
    fi
}

# Where a test keeps its pictures.
ARTIFACTS=${LUMO_ARTIFACTS:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/artifacts}

# Clicks "..." and puts a path into the file chooser's ("ﾌｧｲﾙを開く") name box, then Enter.
CHOOSER_TITLE='ﾌｧｲﾙを開く'
choose_typed_file() {
    local chooser
    click_button "$FILE_BUTTON"
    probe wait-window "$CHOOSER_TITLE" 15000 >/dev/null || fail "no file chooser after a click on ..."
    sleep 1
    chooser=$(xdotool search --name "^${CHOOSER_TITLE}\$" | head -n1)
    xdotool windowfocus "$chooser" 2>/dev/null || true
    sleep 0.3
    # Put in as a paste would: xdotool types a character missing from the keyboard map (é, ♪,
    # kanji) through a key it remaps for the moment, and on a loaded machine Wine reads the key
    # before the map more often than not. The chooser is the system's; only what it hands back
    # is the program's business.
    probe set-text "$CHOOSER_TITLE" Edit "$1" >/dev/null || fail "the file chooser has no name box"
    sleep 0.3
    probe texts "$CHOOSER_TITLE" | tr -d '\r' | cut -f2- | grep -qxF -- "$1" ||
        fail "the file chooser's name box does not hold $1"
    xdotool key Return
    probe wait-gone "$CHOOSER_TITLE" 10000 >/dev/null || fail "the file chooser did not close on Enter"
    sleep 0.5
}
