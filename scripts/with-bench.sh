#!/usr/bin/env bash
# The Wine test bench: runs a command with a private Xvfb display (24-bit, chosen size), a private
# PulseAudio daemon with a null sink and a fresh copy of the cached Wine prefix, then tears down
# exactly what it started (by process id), also when the command fails or is interrupted.
#
#   scripts/with-bench.sh [--size 1024x768] [--monitors 1] [--layout WxH,WxH... [--primary I]]
#                         [--dpi 96] [--display :N] -- command...
#
# The command sees DISPLAY, WINEPREFIX, PULSE_SERVER, LUMO_BENCH_DIR (the run's folder),
# LUMO_SINK_MONITOR (the null sink's monitor source), LUMO_SCREEN (WxH: the primary monitor's
# size), LUMO_MONITORS, LUMO_LAYOUT (the monitors' sizes left to right), LUMO_PRIMARY (the
# primary's index among them) and LUMO_DPI.
# --display uses an X display that already exists (the user's) instead of starting Xvfb.
# --monitors N lays N monitors of --size side by side, the primary at the left: Xvfb's own
# Xinerama stacks every head at 0,0, so an Xephyr with N screens runs inside a larger Xvfb, and
# the prefix stops asking XRandR, which would report one monitor.
# --layout lays monitors of the given sizes side by side, left to right, in an Xephyr (one size
# gives a single monitor on the same kind of bench as several); --primary makes the one at that
# index (from 0) the primary, through the prefix's PrimaryMonitor: Wine then puts the primary at
# 0,0 and the monitors left of it at negative x.
# --dpi sets the prefix's system DPI (LogPixels).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

size=1024x768
monitors=1
dpi=""
user_display=""
layout=""
primary=0
while [ $# -gt 0 ]; do
    case "$1" in
        --size) size=$2; shift 2 ;;
        --monitors) monitors=$2; shift 2 ;;
        --layout) layout=$2; shift 2 ;;
        --primary) primary=$2; shift 2 ;;
        --dpi) dpi=$2; shift 2 ;;
        --display) user_display=$2; shift 2 ;;
        --) shift; break ;;
        *) break ;;
    esac
done
usage="usage: $0 [--size WxH] [--monitors N] [--layout WxH,... [--primary I]] [--dpi D] [--display :N] -- command..."
[ $# -gt 0 ] || { echo "$usage" >&2; exit 2; }
[[ "$monitors" =~ ^[1-9]$ ]] || { echo "$usage (N: 1 to 9)" >&2; exit 2; }
sizes=()
# A layout, even of one monitor, runs in an Xephyr, so that benches of one and of several
# monitors differ in their monitors alone.
use_xephyr=0
if [ -n "$layout" ]; then
    use_xephyr=1
    [[ "$layout" =~ ^[1-9][0-9]*x[1-9][0-9]*(,[1-9][0-9]*x[1-9][0-9]*){0,8}$ ]] ||
        { echo "$usage (layout: WxH,WxH...)" >&2; exit 2; }
    IFS=, read -r -a sizes <<<"$layout"
    [[ "$primary" =~ ^[0-9]$ && "$primary" -lt ${#sizes[@]} ]] ||
        { echo "$usage (I: the index of one of the layout's monitors)" >&2; exit 2; }
    monitors=${#sizes[@]}
    size=${sizes[$primary]}
else
    for ((i = 0; i < monitors; i++)); do sizes+=("$size"); done
    layout=$(IFS=,; echo "${sizes[*]}")
fi
[[ -z "$dpi" || "$dpi" =~ ^[1-9][0-9]{1,2}$ ]] || { echo "$usage (D: 10 to 999)" >&2; exit 2; }

tpl=$(lumo_prefix_template)
mkdir -p "$LUMO_BUILD/wine"
run=$(mktemp -d "$LUMO_BUILD/wine/run.XXXXXX")
xvfb_pid=""
xephyr_pid=""
pulse_pid=""

teardown() {
    local rc=$?
    trap - EXIT INT TERM
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        wineserver -k >/dev/null 2>&1 || true
        wineserver -w >/dev/null 2>&1 || true
    fi
    for pid in $pulse_pid $xephyr_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in $pulse_pid $xephyr_pid $xvfb_pid; do
        wait "$pid" 2>/dev/null || true
    done
    [ -n "${LUMO_KEEP_BENCH:-}" ] || rm -rf "$run"
    exit "$rc"
}
trap teardown EXIT
trap 'exit 130' INT TERM

# Starts an X server that reports its display number on a descriptor; sets server_pid and
# exports DISPLAY once it answers.  start_x_server NAME ARGS...
start_x_server() {
    local name=$1
    shift
    exec 3>"$run/$name.displayfd"
    "$name" -displayfd 3 "$@" >"$run/$name.log" 2>&1 &
    server_pid=$!
    exec 3>&-
    for _ in $(seq 100); do
        [ -s "$run/$name.displayfd" ] && break
        kill -0 "$server_pid" 2>/dev/null || { cat "$run/$name.log" >&2; exit 1; }
        sleep 0.05
    done
    [ -s "$run/$name.displayfd" ] || { echo "$name did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$run/$name.displayfd")"
}

# Display.
if [ -n "$user_display" ]; then
    export DISPLAY=$user_display
elif [ "$monitors" -eq 1 ] && [ "$use_xephyr" = 0 ]; then
    start_x_server Xvfb -screen 0 "${size}x24" -nolisten tcp -noreset
    xvfb_pid=$server_pid
else
    total_width=0
    max_height=0
    heads=()
    for head in "${sizes[@]}"; do
        heads+=(-screen "${head}+${total_width}+0")
        total_width=$((total_width + ${head%x*}))
        max_height=$((${head#*x} > max_height ? ${head#*x} : max_height))
    done
    # The host screen leaves room for Xephyr's window frames.
    start_x_server Xvfb -screen 0 "$((total_width + 64))x$((max_height + 64))x24" -nolisten tcp \
        -noreset
    xvfb_pid=$server_pid
    start_x_server Xephyr -nolisten tcp -noreset +xinerama "${heads[@]}"
    xephyr_pid=$server_pid
fi
export LUMO_SCREEN=$size LUMO_MONITORS=$monitors LUMO_LAYOUT=$layout LUMO_PRIMARY=$primary
export LUMO_DPI=${dpi:-96}

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

# Sets a value in the prefix's user registry file, which no wineserver has open yet.
#   user_reg_set 'KEY\\PATH' NAME DATA   (DATA as the file writes it: "text" or dword:0000abcd)
user_reg_set() {
    # Through the environment: awk -v would read the key's backslashes as escapes.
    KEY="[$1] " NAME="\"$2\"=" DATA="$3" awk '
        index($0, ENVIRON["KEY"]) == 1 { inside = 1; print; next }
        inside && /^#time=/ { print; print ENVIRON["NAME"] ENVIRON["DATA"]; next }
        inside && index($0, ENVIRON["NAME"]) == 1 { next }
        /^\[/ { inside = 0 }
        { print }' "$WINEPREFIX/user.reg" >"$WINEPREFIX/user.reg.new"
    grep -qF "\"$2\"=$3" "$WINEPREFIX/user.reg.new" || { echo "no key [$1] in the prefix" >&2; exit 1; }
    mv "$WINEPREFIX/user.reg.new" "$WINEPREFIX/user.reg"
}
if [ "$monitors" -gt 1 ] || [ "$use_xephyr" = 1 ]; then
    user_reg_set 'Software\\Wine\\X11 Driver' UseXRandR '"N"'
    user_reg_set 'Software\\Wine\\X11 Driver' PrimaryMonitor "\"$primary\""
fi
[ -z "$dpi" ] || user_reg_set 'Control Panel\\Desktop' LogPixels "dword:$(printf %08x "$dpi")"
export LUMO_BENCH_DIR="$run"

"$@"
