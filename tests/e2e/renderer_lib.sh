# Sourced by the renderer's end-to-end tests: start the renderer, find its window, look at the
# screen, press keys. Needs LUMO_DIST and the bench's DISPLAY and WINEPREFIX.

RENDERER_TITLE=Lumovane_VC
SNAPSHOT="$WINEPREFIX/drive_c/v_olka/Lumovane.bmp"
WORK=$(mktemp -d "${LUMO_BENCH_DIR:-/tmp}/renderer-e2e.XXXXXX")
renderer_pid=""
renderer_window=""

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A detailed picture with many colours, as the saver would leave it: 24-bit, bottom-up.
make_snapshot() {
    local size=${LUMO_SCREEN:-1024x768}
    mkdir -p "$(dirname "$SNAPSHOT")"
    convert -size "$size" -seed 7 plasma:fractal -type TrueColor BMP3:"$SNAPSHOT"
}

# With RENDERER_SWAP_LOG set, Wine writes there a line for every swap, with its time in
# milliseconds and the device context of the window swapped.
start_renderer() {
    if [ -n "${RENDERER_SWAP_LOG:-}" ]; then
        (cd "$LUMO_DIST" &&
            WINEDEBUG=+timestamp,-all,trace+wgl exec wine ./ルモヴェイン.dll 2>"$RENDERER_SWAP_LOG") &
    else
        (cd "$LUMO_DIST" && exec wine ./ルモヴェイン.dll) &
    fi
    renderer_pid=$!
    renderer_window=""
    for _ in $(seq 200); do
        renderer_window=$(xdotool search --name "^${RENDERER_TITLE}\$" 2>/dev/null | head -n1 || true)
        [ -n "$renderer_window" ] && return 0
        kill -0 "$renderer_pid" 2>/dev/null || fail "the renderer ended before its window appeared"
        sleep 0.1
    done
    fail "no window titled $RENDERER_TITLE within 20 s"
}

renderer_running() { kill -0 "$renderer_pid" 2>/dev/null; }

window_exists() { xdotool search --name "^${RENDERER_TITLE}\$" >/dev/null 2>&1; }

press() {
    xdotool windowfocus "$renderer_window" 2>/dev/null || true
    xdotool key "$@"
}

# Waits for the window to go within $1 tenths of a second.
wait_window_gone() {
    for _ in $(seq "$1"); do
        window_exists || return 0
        sleep 0.1
    done
    return 1
}

# Waits up to ten seconds for the renderer process; its exit code lands in renderer_rc
# ("running" if it did not end). Not in a subshell: only this shell can wait for its child.
wait_renderer_exit() {
    for _ in $(seq 100); do
        renderer_running || break
        sleep 0.1
    done
    if renderer_running; then
        renderer_rc=running
        return
    fi
    renderer_rc=0
    wait "$renderer_pid" || renderer_rc=$?
}

screenshot() { import -window root "$1"; }
colour_count() { convert "$1" -format '%k' info:; }
# Share of pure black pixels, 0 to 1.
black_share() { convert "$1" -fill white +opaque black -format '%[fx:1-mean]' info:; }
# Share of pure black pixels in a 32x32 patch at a corner (NorthWest, NorthEast, ...).
corner_black_share() {
    convert "$1" -gravity "$2" -crop 32x32+0+0 +repage -fill white +opaque black \
        -format '%[fx:1-mean]' info:
}

at_least() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }

end_with_escape() {
    press Escape
    wait_window_gone 10 || fail "the window was still there one second after Esc"
    wait_renderer_exit
    [ "$renderer_rc" = 0 ] || fail "the renderer ended with '$renderer_rc' after Esc, expected 0"
}

cleanup_renderer() {
    if [ -n "$renderer_pid" ] && renderer_running; then
        kill "$renderer_pid" 2>/dev/null || true
    fi
}
trap cleanup_renderer EXIT

# Checks the screen of a running renderer that has no usable picture: the stars are flat
# tinted squares on black, so only a handful of colours show, but something is drawn.
expect_flat_stars() {
    local shot=$1 what=$2 colours black
    screenshot "$shot"
    colours=$(colour_count "$shot")
    black=$(black_share "$shot")
    [ "$colours" -le 200 ] || fail "$what: $colours colours on screen, expected flat tinted squares"
    at_least 0.95 "$black" || fail "$what: the screen is all black (share $black), no stars drawn"
    at_least "$black" 0.05 || fail "$what: almost no black left (share $black)"
    echo "$what: $colours colours, black share $black"
}

# Counts the corners (32x32 patches) that are entirely black.
black_corners() {
    local n=0 g
    for g in NorthWest NorthEast SouthWest SouthEast; do
        at_least "$(corner_black_share "$1" "$g")" 0.999 && n=$((n + 1))
    done
    echo "$n"
}
