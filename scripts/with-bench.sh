#!/usr/bin/env bash
# The Wine test bench: runs a command with a private Xvfb display (24-bit, chosen size), a private
# PulseAudio daemon with a null sink and a fresh copy of the cached Wine prefix, then tears down
# exactly what it started (by process id), also when the command fails or is interrupted.
#
#   scripts/with-bench.sh [--size 1024x768] [--display :N] -- command args...
#
# The command sees DISPLAY, WINEPREFIX, PULSE_SERVER, LUMO_BENCH_DIR (the run's folder),
# LUMO_SINK_MONITOR (the null sink's monitor source) and LUMO_SCREEN (WxH).
# --display uses an X display that already exists (the user's) instead of starting Xvfb.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

size=1024x768
user_display=""
while [ $# -gt 0 ]; do
    case "$1" in
        --size) size=$2; shift 2 ;;
        --display) user_display=$2; shift 2 ;;
        --) shift; break ;;
        *) break ;;
    esac
done
[ $# -gt 0 ] || { echo "usage: $0 [--size WxH] [--display :N] -- command..." >&2; exit 2; }

tpl=$(lumo_prefix_template)
mkdir -p "$LUMO_BUILD/wine"
run=$(mktemp -d "$LUMO_BUILD/wine/run.XXXXXX")
xvfb_pid=""
pulse_pid=""

teardown() {
    local rc=$?
    trap - EXIT INT TERM
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        wineserver -k >/dev/null 2>&1 || true
        wineserver -w >/dev/null 2>&1 || true
    fi
    for pid in $pulse_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in $pulse_pid $xvfb_pid; do
        wait "$pid" 2>/dev/null || true
    done
    [ -n "${LUMO_KEEP_BENCH:-}" ] || rm -rf "$run"
    exit "$rc"
}
trap teardown EXIT
trap 'exit 130' INT TERM

# Display.
if [ -n "$user_display" ]; then
    export DISPLAY=$user_display
else
    exec 3>"$run/displayfd"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset >"$run/xvfb.log" 2>&1 &
    xvfb_pid=$!
    exec 3>&-
    for _ in $(seq 100); do
        [ -s "$run/displayfd" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || { cat "$run/xvfb.log" >&2; exit 1; }
        sleep 0.05
    done
    export DISPLAY=":$(head -n1 "$run/displayfd")"
fi
export LUMO_SCREEN=$size

# Sound: a private daemon whose only sink is a null sink; its monitor is what tests record.
export XDG_RUNTIME_DIR="$run/xdg" PULSE_RUNTIME_PATH="$run/pulse" PULSE_STATE_PATH="$run/pulse"
mkdir -p "$XDG_RUNTIME_DIR" "$PULSE_RUNTIME_PATH"
chmod 700 "$XDG_RUNTIME_DIR" "$PULSE_RUNTIME_PATH"
HOME="$run" pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
    --load="module-null-sink sink_name=lumo_null" \
    --load="module-native-protocol-unix socket=$PULSE_RUNTIME_PATH/native auth-anonymous=1" \
    >"$run/pulse.log" 2>&1 &
pulse_pid=$!
export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/native"
export LUMO_SINK_MONITOR=lumo_null.monitor
for _ in $(seq 100); do
    [ -S "$PULSE_RUNTIME_PATH/native" ] && break
    kill -0 "$pulse_pid" 2>/dev/null || { cat "$run/pulse.log" >&2; exit 1; }
    sleep 0.05
done

# Wine: a private copy of the template prefix.
export WINEPREFIX="$run/prefix"
cp -a "$tpl" "$WINEPREFIX"
export LUMO_BENCH_DIR="$run"

"$@"
