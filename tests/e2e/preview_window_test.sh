#!/usr/bin/env bash
# The preview (/p <handle>) as the display settings run it: a host window of another process
# gets the saver's form as a visible child that fills it, nothing else of the saver appears on
# the screen, and the saver ends when the host destroys its window, or when the host dies. A
# handle that names no window ends the saver at once without a window.
#
# Under Wine 8 a window cannot paint into a window of another process (the child's device
# context gets no X drawable), so the still's pixels inside the host are checked by the Win32
# tests, where host and form share a process; here the screen only shows that nothing of the
# saver lands outside the host.
# code-pages: 932 1252
set -euo pipefail
source "$(dirname "$0")/saver_lib.sh"

HOST_EXE="$(dirname "$LUMO_PROBE")/preview_host.exe"
host_pid=""
cleanup_preview() {
    [ -z "$host_pid" ] || kill "$host_pid" 2>/dev/null || true
    cleanup_saver
}
trap cleanup_preview EXIT

install_saver
winpath() { echo "Z:$(readlink -f "$1" | tr / '\\')"; }

# Visible top-level windows, titles only (the probe's own console has none).
visible_windows() { probe list | tr -d '\r' | awk -F'\t' '$3 == 1 { print $4 }' | sort; }

# Starts the host of the given size; its report lands in $WORK/host-<n>.out. A host that ends
# before it has said a word never ran (Wine now and then fails a start right after a process
# ended): it is started once more; one that said something and ended is a failure.
start_host() { # width height name
    local attempt rc
    for attempt in 1 2; do
        rm -f "$WORK/go-$3"
        wine "$HOST_EXE" "$SAVER_DIR_WIN\\$SAVER_EXE" "$1" "$2" "$(winpath "$WORK")\\go-$3" \
            >"$WORK/host-$3.out" 2>/dev/null &
        host_pid=$!
        for _ in $(seq 200); do
            grep -q '^child\|^no-child' "$WORK/host-$3.out" 2>/dev/null && return 0
            if ! kill -0 "$host_pid" 2>/dev/null; then
                rc=0
                wait "$host_pid" || rc=$?
                host_pid=""
                [ ! -s "$WORK/host-$3.out" ] && [ "$attempt" = 1 ] && continue 2
                fail "$3: the host ended early (exit $rc): $(cat "$WORK/host-$3.out")"
            fi
            sleep 0.1
        done
        fail "$3: the host reported nothing within 20 s"
    done
}

# Checks the child line: the size, WS_CHILD among the style bits, visible.
expect_child() { # width height name
    local line style
    line=$(grep '^child' "$WORK/host-$3.out" | tr -d '\r') ||
        fail "$3: no child window in the host: $(cat "$WORK/host-$3.out")"
    read -r _ w h style visible <<<"$line"
    [ "$w x $h" = "$1 x $2" ] || fail "$3: the form is $w x $h, the host $1 x $2"
    (((0x$style & 0x40000000) != 0)) || fail "$3: style $style has no WS_CHILD"
    [ "$visible" = 1 ] || fail "$3: the form is not visible"
    echo "$3: child of $w x $h, style $style, visible"
}

# Destroys the host's window and expects the saver to end with it.
close_host() { # name
    touch "$WORK/go-$1"
    local rc=0
    wait "$host_pid" || rc=$?
    host_pid=""
    grep -q '^saver-ended 0 ' "$WORK/host-$1.out" ||
        fail "$1: the saver did not end with its host (host exit $rc): $(tr '\n' ' ' <"$WORK/host-$1.out")"
    echo "$1: $(grep '^saver-ended' "$WORK/host-$1.out" | tr -d '\r' | awk '{ print "ended " $3 " ms after the window went" }')"
}

before=$(visible_windows)

# The size of the stills: the form fills the area.
start_host 152 112 natural
expect_child 152 112 natural
[ "$(visible_windows)" = "$(printf '%s\n' "$before" "preview host" | sed '/^$/d' | sort)" ] ||
    fail "natural: the saver shows a window of its own: $(visible_windows | tr '\n' '|')"
# Nothing of the saver outside the host: the rest of the screen stays as it was (black).
shot=$WORK/natural.png
import -window root "$shot"
outside=$(convert "$shot" -fill black -draw 'rectangle 100,100 251,211' -fill white +opaque black \
    -format '%[fx:mean]' info:)
at_least 0 "$outside" || fail "natural: something was drawn outside the host (share $outside)"
first_handle=$(awk '/^host/ { print $2 }' "$WORK/host-natural.out")
close_host natural

# A larger area: the form grows with it.
start_host 320 240 larger
expect_child 320 240 larger
close_host larger

# Handles that name no window: the window destroyed above, none at all, a small number.
for args in "/p $first_handle" "/p" "/p 1"; do
    # shellcheck disable=SC2086
    start_saver $args
    wait_saver_exit 50 || fail "'$args': the saver was still running after 5 s"
    [ "$saver_rc" = 0 ] || fail "'$args': exit code $saver_rc"
    [ "$(visible_windows)" = "$before" ] || fail "'$args': windows changed"
    echo "'$args': ended at once (exit code 0), no window"
done

# A host that dies without destroying its window still takes the preview with it.
start_host 152 112 killed
expect_child 152 112 killed
kill -9 "$host_pid"
wait "$host_pid" 2>/dev/null || true
host_pid=""
t=$(now)
for _ in $(seq 100); do
    [ -z "$(product_processes)" ] && break
    sleep 0.1
done
[ -z "$(product_processes)" ] || fail "killed: the saver outlived its killed host by 10 s"
echo "killed: the saver ended $(elapsed "$t") s after its host was killed"
echo "PASS: preview"
