# Sourced by the saver's end-to-end tests: install the two programs in a folder of the prefix,
# paint a known desktop, start the saver with a command line, watch windows and processes, and
# record the null sink. Needs the bench's DISPLAY, WINEPREFIX, LUMO_DIST and LUMO_PROBE.

# A folder with a blank and with "ソ" (83 5C in code page 932: its second byte is a backslash),
# so that the program folder and the renderer path are found by characters, not bytes.
SAVER_DIR_WIN='C:\ソフト\Lumo Saver'
SAVER_DIR="$WINEPREFIX/drive_c/ソフト/Lumo Saver"
SAVER_EXE="ルモヴェイン.scr"
SNAPSHOT="$WINEPREFIX/drive_c/v_olka/Lumovane.bmp"
WORK=$(mktemp -d "${LUMO_BENCH_DIR:-/tmp}/saver-e2e.XXXXXX")
SCREEN=${LUMO_SCREEN:-1024x768}
DIALOG_TITLE='<ルモヴェイン>'
saver_pid=""
desktop_pid=""
recorder_pid=""

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

probe() { wine "$LUMO_PROBE" "$@"; }

# The code page the bench's LANG asks for (see scripts/wine-env.sh), and a check that Wine runs
# it: without the glibc locale Wine falls back to 1252 without a word.
CODE_PAGE=932
case "${LANG:-}" in en_US*) CODE_PAGE=1252 ;; esac
expect_code_page() {
    local acp
    acp=$(probe acp | tr -d '\r')
    [ "$acp" = "$CODE_PAGE" ] || fail "Wine runs code page $acp, not $CODE_PAGE (LANG=$LANG)"
}

# --stand-in-renderer puts in the renderer's place a program that shows its window but never
# reads the desktop photo, so the photo stays on disk while the session runs (the renderer
# removes it as soon as it has read it).
install_saver() { # [--without-renderer | --stand-in-renderer]
    mkdir -p "$SAVER_DIR"
    cp "$LUMO_DIST/$SAVER_EXE" "$SAVER_DIR/"
    case "${1:-}" in
    --without-renderer) ;;
    --stand-in-renderer)
        cp "$(dirname "$LUMO_PROBE")/stand_in_renderer.exe" "$SAVER_DIR/ルモヴェイン.dll" ;;
    *) cp "$LUMO_DIST/ルモヴェイン.dll" "$SAVER_DIR/" ;;
    esac
}

# The settings file beside the saver, in code page 932 with CRLF lines: kind, repeat, file.
write_settings() {
    printf '[Section]\r\nBGM区分= %s\r\nBGMﾘﾋﾟｰﾄ= %s\r\nBGMﾌｧｲﾙ=%s\r\n' "$1" "$2" "$3" |
        iconv -f UTF-8 -t CP932 >"$SAVER_DIR/ルモヴェイン.ini"
}

# A detailed picture shown by a Wine window over the whole screen: what the saver captures.
start_desktop() {
    local picture=$WORK/desktop.bmp
    convert -size "$SCREEN" -seed 11 plasma:fractal \
        \( -size "$SCREEN" pattern:checkerboard -alpha set -channel A -evaluate set 30% \) \
        -composite -type TrueColor BMP3:"$picture"
    probe desktop "Z:$(readlink -f "$picture" | tr / '\\')" >/dev/null 2>&1 &
    desktop_pid=$!
    probe wait-window "probe desktop" 10000 >/dev/null || fail "the desktop picture did not appear"
    sleep 0.5 # let it paint
}

# Starts the saver with the given arguments (none for an empty command line); WINEDEBUG traces
# its cursor calls into $WORK/saver.log.
start_saver() {
    (cd "$SAVER_DIR" && WINEDEBUG=+pid,trace+cursor exec wine "./$SAVER_EXE" "$@") \
        2>"$WORK/saver.log" &
    saver_pid=$!
}

saver_running() { kill -0 "$saver_pid" 2>/dev/null; }

# Waits up to $1 tenths of a second for the saver process to end; sets saver_rc.
wait_saver_exit() {
    for _ in $(seq "$1"); do
        saver_running || break
        sleep 0.1
    done
    if saver_running; then
        saver_rc=running
        return 1
    fi
    saver_rc=0
    wait "$saver_pid" || saver_rc=$?
    return 0
}

window_exists() { probe wait-window "$1" 0 >/dev/null 2>&1; }

# Any process of the product still alive in this bench? Other benches on the machine (parallel
# runs) have prefixes of their own, so a process counts only when it runs in ours.
product_processes() {
    local pid
    for pid in $(pgrep -f 'ルモヴェイン\.(scr|dll)'); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" &&
            echo "$pid"
    done
    return 0
}

# The renderer's process (or its stand-in's) in this bench, by process id.
renderer_process() {
    local pid
    for pid in $(product_processes); do
        tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q 'ルモヴェイン\.dll' && echo "$pid"
    done
    return 0
}

# Esc in the renderer, as a user would press it.
press_escape() {
    local id
    id=$(xdotool search --name '^Lumovane_VC$' | head -n1) || true
    [ -n "$id" ] || fail "no renderer window to press Esc in"
    xdotool windowfocus "$id" 2>/dev/null || true
    xdotool key Escape
}

# Seconds (with fraction) since the epoch.
now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'; }
at_least() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }

# ---- sound: one recorder for the whole test; positions are byte counts of its output ----
RECORDING=$WORK/sink.raw
BYTES_PER_SECOND=$((44100 * 4))

start_recorder() {
    parec -d "$LUMO_SINK_MONITOR" --latency-msec=20 --format=s16le --rate=44100 --channels=2 \
        >"$RECORDING" &
    recorder_pid=$!
    # Samples flow only a second or two after the recorder connects.
    for _ in $(seq 50); do
        [ "$(stat -c %s "$RECORDING")" -gt $((BYTES_PER_SECOND / 2)) ] && return 0
        sleep 0.1
    done
    fail "the sink's monitor delivers no samples"
}

# The position now, in seconds of recording.
mark() { awk -v b="$(stat -c %s "$RECORDING")" -v r=$BYTES_PER_SECOND 'BEGIN { printf "%.3f", b / r }'; }

stop_recorder() {
    [ -n "$recorder_pid" ] || return 0
    kill -INT "$recorder_pid" 2>/dev/null || true
    wait "$recorder_pid" 2>/dev/null || true
    recorder_pid=""
}

# RMS amplitude (0..1) of the recording from $1 for $2 seconds.
rms() {
    sox -t raw -r 44100 -e signed -b 16 -c 2 "$RECORDING" -n trim "$1" "$2" stat 2>&1 |
        awk '/RMS +amplitude/ { print $3 }'
}

# How many of the quarter-second windows between $1 and $2 hold sound (RMS above 0.01).
loud_windows() {
    local t=$1 n=0 level
    while at_least "$2" "$(awk -v t="$t" 'BEGIN { print t + 0.25 }')"; do
        level=$(rms "$t" 0.25)
        at_least "${level:-0}" 0.01 && n=$((n + 1))
        t=$(awk -v t="$t" 'BEGIN { print t + 0.25 }')
    done
    echo "$n"
}

cleanup_saver() {
    stop_recorder
    # Only what this test started, by process id.
    for pid in $saver_pid $desktop_pid; do
        kill "$pid" 2>/dev/null || true
    done
}
trap cleanup_saver EXIT
