#!/usr/bin/env bash
# While a session runs, or while the settings window is open, every further start of the saver
# (/s, /c, /p) ends at once and opens nothing.
# bench-size: 640x480
set -euo pipefail
source "$(dirname "$0")/saver_lib.sh"

install_saver

# Starts a second saver with the arguments and expects it to end quickly without new windows.
expect_refused() {
    local before after pid rc=0 t
    before=$(probe list | awk -F'\t' '{ print $4 }' | sort)
    t=$(now)
    (cd "$SAVER_DIR" && exec wine "./$SAVER_EXE" "$@") 2>/dev/null &
    pid=$!
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "a second start with '$*' was still running after 10 s"
    wait "$pid" || rc=$?
    after=$(probe list | awk -F'\t' '{ print $4 }' | sort)
    [ "$before" = "$after" ] || fail "a second start with '$*' changed the windows: $(diff <(echo "$before") <(echo "$after") | tr '\n' ' ')"
    echo "refused '$*' in $(elapsed "$t") s (exit code $rc)"
}

# A preview with a real window to draw in, as the display settings start it: the saver ends at
# once and puts nothing into the window.
expect_preview_refused() {
    local out=$WORK/refused-preview.out host=$(dirname "$LUMO_PROBE")/preview_host.exe pid
    rm -f "$WORK/go"
    wine "$host" "$SAVER_DIR_WIN\\$SAVER_EXE" 152 112 "Z:$(readlink -f "$WORK" | tr / '\\')\\go" \
        >"$out" 2>/dev/null &
    pid=$!
    for _ in $(seq 200); do
        grep -q '^child\|^no-child' "$out" 2>/dev/null && break
        sleep 0.1
    done
    touch "$WORK/go"
    wait "$pid" || true
    grep -q '^no-child 0' "$out" || fail "a preview in a real window was not refused: $(tr '\n' ' ' <"$out")"
    echo "refused a preview in a real window"
}

start_saver /s
first_pid=$saver_pid
probe wait-window Lumovane_VC 20000 >/dev/null || fail "no renderer window"
for args in /s /c "/p 1234" ""; do
    # shellcheck disable=SC2086
    expect_refused $args
done
expect_preview_refused
[ "$(xdotool search --name '^Lumovane_VC$' | wc -l)" = 1 ] || fail "a second renderer runs"
saver_pid=$first_pid
press_escape
wait_saver_exit 30 || fail "the first saver did not end after Esc"

# The settings window open: again every start ends at once.
start_saver /c
probe wait-window "$DIALOG_TITLE" 10000 >/dev/null || fail "no settings window for /c"
for args in /s /c "/p 99"; do
    # shellcheck disable=SC2086
    expect_refused $args
done
expect_preview_refused
# Closing it ends that program too.
id=$(xdotool search --name "^${DIALOG_TITLE}\$" | head -n1)
xdotool windowfocus "$id" 2>/dev/null || true
xdotool key alt+F4
wait_saver_exit 50 || fail "the program went on after its settings window was closed"
[ "$saver_rc" = 0 ] || fail "exit code $saver_rc after the settings window closed"
echo "settings window closed, program ended"
