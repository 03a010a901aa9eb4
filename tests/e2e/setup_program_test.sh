#!/usr/bin/env bash
# The setup program as a user and an administrator run it: "/S" installs both programs, the
# read-mes and an uninstaller into %LOCALAPPDATA%\Programs\ルモヴェイン, chooses the saver and
# lists it among the installed programs; the installed saver shows the star field and its
# settings window saves beside it; installing again while the display settings' preview runs it
# ends the preview, replaces both programs and keeps those settings. Running copies are asked to
# end first: a session ends by its own end (exit code 0, its photo gone, its renderer gone), an
# open settings window closes without writing; one that does not answer is ended by force after
# a few seconds and the setup removes its photo. The uninstaller's quiet command, run while the
# preview runs, leaves no file of its own (an interrupted save's temporary files included), list
# entry, photo or screen-saver choice behind, and keeps a file of the user's (notes.tmp) and the
# folder with it. Into a user folder with a blank ("Mary Ann") the setup chooses the saver by a
# path without blanks; an uninstall that cannot remove the files keeps everything, its list entry
# included; one that cannot remove its uninstaller keeps the list entry and the choice until it
# is run again; one that can keeps a screen saver the user has chosen since.
# bench-size: 1024x768
set -euo pipefail
source "$(dirname "$0")/saver_lib.sh"

root=$(cd "$(dirname "$0")/../.." && pwd)
LUMO_RELEASE_DIR=$WORK/out "$root/scripts/release.sh" --no-build >"$WORK/release.log" ||
    fail "release.sh failed: $(cat "$WORK/release.log")"
SETUP=$WORK/out/ルモヴェイン-1.00-setup.exe
[ -f "$SETUP" ] || fail "release.sh made no setup program: $(cat "$WORK/release.log")"

DESKTOP_KEY='HKCU\Control Panel\Desktop'
UNINSTALL_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumovane'
# reg and cmd write to a pipe in the console's code page.
console() { wine "$@" 2>/dev/null | iconv -f CP932 -t UTF-8 | tr -d '\r'; }
# "name|TYPE|data" of each value of a key (or of the one value named); nothing when none.
reg_values() { # key [name]
    { console reg query "$1" ${2:+/v "$2"} || true; } |
        sed -nE 's/^    ([^ ]+) {4}(REG_[A-Z_]+) {4}(.*)$/\1|\2|\3/p'
}
screen_saver() { reg_values "$DESKTOP_KEY" SCRNSAVE.EXE | cut -d'|' -f3; }
install() {
    wine "$SETUP" /S || fail "setup /S ended with $?"
}
winpath() { echo "Z:$(readlink -f "$1" | tr / '\\')"; }

# The display settings' preview: a host window runs the saver with /p by the path Windows takes,
# the one in SCRNSAVE.EXE.
HOST_EXE="$(dirname "$LUMO_PROBE")/preview_host.exe"
host_pid=""
start_preview() {
    rm -f "$WORK/go" "$WORK/host.out"
    wine "$HOST_EXE" "$(screen_saver)" 152 112 "$(winpath "$WORK")\\go" >"$WORK/host.out" 2>/dev/null &
    host_pid=$!
    for _ in $(seq 200); do
        grep -q '^child' "$WORK/host.out" 2>/dev/null && return 0
        grep -q '^no-child' "$WORK/host.out" 2>/dev/null && break
        sleep 0.1
    done
    fail "the preview did not start: $(tr '\n' ' ' <"$WORK/host.out")"
}
# The host keeps its window until told: the saver must have gone before that, closed by $1.
expect_preview_ended() { # by-whom
    for _ in $(seq 100); do
        grep -q '^saver-gone' "$WORK/host.out" && break
        sleep 0.1
    done
    touch "$WORK/go"
    wait "$host_pid" || true
    host_pid=""
    grep -q '^saver-gone' "$WORK/host.out" ||
        fail "$1 left the preview running: $(tr '\n' ' ' <"$WORK/host.out")"
    # Closed, as its window's going closes it: ended by force, it would end with 1.
    grep -qx 'saver-gone 0' <(tr -d '\r' <"$WORK/host.out") ||
        fail "$1 did not close the preview but ended it: $(tr '\n' ' ' <"$WORK/host.out")"
}
cleanup_setup() {
    [ -z "$host_pid" ] || kill "$host_pid" 2>/dev/null || true
    [ -z "${locked_dir:-}" ] || chattr -i "$locked_dir" 2>/dev/null || true
    [ -z "${stopped:-}" ] || kill -CONT $stopped 2>/dev/null || true
    cleanup_saver
}
trap cleanup_setup EXIT

# As Programs and Features runs it. The uninstaller goes on from a copy in the temporary folder,
# so wait until Wine has nothing left running (a preview host only once the saver has gone).
uninstall() {
    local quiet exe
    # Wine's reg now and then answers nothing under load: ask again before calling it missing.
    for _ in 1 2 3; do
        quiet=$(reg_values "$UNINSTALL_KEY" QuietUninstallString | cut -d'|' -f3)
        [ -n "$quiet" ] && break
        sleep 1
    done
    [ -n "$quiet" ] || fail "no QuietUninstallString; the folder holds: $(ls -A "$SAVER_DIR" | tr '\n' ' ')"
    exe=${quiet#\"}
    exe=${exe%%\"*}
    # It goes on from a copy of itself and ends at once with 0: what it did shows in what it left.
    wine "$exe" "${quiet##*\" }" || true
    [ -z "$host_pid" ] || expect_preview_ended "the uninstaller"
    timeout 60 wineserver -w || fail "the uninstaller did not end within 60 s"
}
# Windows starts the saver by SCRNSAVE.EXE unquoted: it must name the installed saver and hold
# no blank.
expect_chosen() { # install-folder
    local chosen long
    chosen=$(screen_saver)
    [[ "$chosen" != *" "* ]] || fail "SCRNSAVE.EXE holds a blank: '$chosen'"
    long=$(probe long-path "$chosen" | tr -d '\r')
    [ "$long" = "$1\\ルモヴェイン.scr" ] || fail "SCRNSAVE.EXE is '$chosen' ($long)"
    echo "ok: SCRNSAVE.EXE is $chosen"
}

LOCAL_WIN=$(console cmd /c echo %LOCALAPPDATA%)
INSTALL_WIN="$LOCAL_WIN\\Programs\\ルモヴェイン"
SAVER_DIR=$(winepath -u "$INSTALL_WIN" 2>/dev/null)
SAVER_DIR=${SAVER_DIR%/}
source "$(dirname "$0")/dialog_lib.sh" # its settings file is the installed one
# The installed saver, started through the probe so that its own exit code is seen: 0 when it
# ends by its own end, 1 when the setup ends it by force.
start_saver() {
    probe run "$INSTALL_WIN\\ルモヴェイン.scr" "$*" >/dev/null &
    saver_pid=$!
}

install
listed=$(cd "$SAVER_DIR" && LC_ALL=C ls | tr '\n' ' ')
[ "$listed" = "README-en.txt README-ja.txt uninstall.exe ルモヴェイン.dll ルモヴェイン.scr " ] ||
    fail "installed in $INSTALL_WIN: $listed"
for program in ルモヴェイン.scr ルモヴェイン.dll; do
    cmp -s "$SAVER_DIR/$program" "$LUMO_DIST/$program" || fail "the installed $program is not dist's"
done
echo "ok: installed in $INSTALL_WIN: $listed"

expect_chosen "$INSTALL_WIN"
reg_values "$UNINSTALL_KEY" | LC_ALL=C sort >"$WORK/entry"
uninstaller="\"$INSTALL_WIN\\uninstall.exe\""
LC_ALL=C sort >"$WORK/expected" <<EOF
DisplayName|REG_SZ|ルモヴェイン
DisplayVersion|REG_SZ|1.00
Publisher|REG_SZ|The Lumovane developers
DisplayIcon|REG_SZ|$INSTALL_WIN\\ルモヴェイン.scr,0
InstallLocation|REG_SZ|$INSTALL_WIN
UninstallString|REG_SZ|$uninstaller
QuietUninstallString|REG_SZ|$uninstaller /S
NoModify|REG_DWORD|0x1
NoRepair|REG_DWORD|0x1
EOF
grep -v '^EstimatedSize|' "$WORK/entry" | diff "$WORK/expected" - >&2 ||
    fail "the list entry differs (above: < expected, > found)"
size=$(($(grep '^EstimatedSize|REG_DWORD|' "$WORK/entry" | cut -d'|' -f3)))
programs_kb=$(du -k --apparent-size -c "$SAVER_DIR"/ルモヴェイン.* | tail -n1 | cut -f1)
[ "$size" -ge "$programs_kb" ] && [ "$size" -le $((programs_kb + 64)) ] ||
    fail "EstimatedSize $size KB for $programs_kb KB of programs"
echo "ok: chosen as the screen saver and listed among the installed programs ($size KB)"

# The installed saver runs: the star field over the desktop, then the settings window saves.
start_desktop
start_saver /s
probe wait-window Lumovane_VC 20000 >/dev/null || fail "the installed saver showed no star field"
sleep 2
import -window root "$WORK/stars.png"
colours=$(convert "$WORK/stars.png" -format '%k' info:)
[ "$colours" -ge 5000 ] || fail "only $colours colours: no stars carrying the desktop"
press_escape
wait_saver_exit 50 || fail "the installed saver went on after Esc"
echo "ok: the installed /s showed the star field ($colours colours)"

open_dialog
click_button "$SAVE_BUTTON"
wait_saver_exit 50 || fail "the settings window went on after 設定"
[ -s "$INI" ] || fail "設定 wrote no settings file beside the installed saver"
cp "$INI" "$WORK/settings.ini"
echo "ok: /c and 設定 wrote $(basename "$INI") beside it"

# A running program cannot be replaced: the setup ends the preview first.
start_preview
# The setup writes the same bytes: a program it replaced has a new change time.
changed() { stat -c %z "$SAVER_DIR/ルモヴェイン.scr" "$SAVER_DIR/ルモヴェイン.dll"; }
changed >"$WORK/before"
install
expect_preview_ended "the setup"
changed | paste "$WORK/before" - | awk -F'\t' '$1 == $2 { exit 1 }' ||
    fail "installing over the preview left a program as it was"
for program in ルモヴェイン.scr ルモヴェイン.dll; do
    cmp -s "$SAVER_DIR/$program" "$LUMO_DIST/$program" || fail "the reinstalled $program is not dist's"
done
cmp -s "$INI" "$WORK/settings.ini" || fail "installing again changed or removed the settings file"
echo "ok: installing again while the preview ran ended it, replaced both programs, kept the settings"

# Installs over a running session beside a stand-in renderer that keeps the photo on disk (as
# the renderer does until it has read it): one that answers is asked to end and ends by its own
# end (exit code 0, photo removed by it); one whose processes are stopped answers nothing and is
# ended by force after a few seconds (exit code 1), and the setup removes its photo.
setup_over_session() { # answering|stopped
    local expected=0
    cp "$(dirname "$LUMO_PROBE")/stand_in_renderer.exe" "$SAVER_DIR/ルモヴェイン.dll"
    start_saver /s
    probe wait-window Lumovane_VC 20000 >/dev/null || fail "$1 session: no (stand-in) renderer window"
    [ -f "$SNAPSHOT" ] || fail "$1 session: no photo while it runs"
    if [ "$1" = stopped ]; then
        stopped=$(product_processes)
        # shellcheck disable=SC2086
        kill -STOP $stopped
        expected=1
    fi
    install
    if [ -n "${stopped:-}" ]; then
        # shellcheck disable=SC2086
        kill -CONT $stopped
        stopped=""
    fi
    wait_saver_exit 50 || fail "$1 session: the setup left it running"
    [ "$saver_rc" = "$expected" ] || fail "$1 session: exit code $saver_rc, expected $expected (1: ended by force)"
    [ ! -e "$SNAPSHOT" ] || fail "$1 session: the photo was left after the setup"
    [ -z "$(product_processes)" ] || fail "$1 session: left running after the setup: $(product_processes)"
    cmp -s "$SAVER_DIR/ルモヴェイン.dll" "$LUMO_DIST/ルモヴェイン.dll" ||
        fail "$1 session: the setup did not replace the renderer"
}
setup_over_session answering
echo "ok: installing over a running session ended it by its own end, photo and renderer gone"

# An open settings window with a choice not yet saved: closed as by its close box, nothing written.
open_dialog
# shellcheck disable=SC2046
press 1 $(centre_of "$(control_rect LumoLabel 音楽CD)")
[ "$(marked_kinds)" = 1 ] || fail "音楽CD was not chosen in the settings window"
install
wait_saver_exit 50 || fail "the setup left the settings window open"
[ "$saver_rc" = 0 ] || fail "the settings window was ended by force (exit code $saver_rc)"
cmp -s "$INI" "$WORK/settings.ini" || fail "closing the settings window for the setup wrote the settings"
echo "ok: installing over an open settings window closed it without writing"

setup_over_session stopped
echo "ok: a session that answered nothing was ended by force after a few seconds, its photo removed"

probe close "probe desktop" >/dev/null
wait "$desktop_pid" || true
desktop_pid=""

# A session that never saw its renderer leaves the photograph for it (here made read-only), and
# one cut short in its save the temporary beside it; the uninstaller takes both.
mkdir -p "$(dirname "$SNAPSHOT")"
cp "$WORK/stars.png" "$SNAPSHOT"
chmod a-w "$SNAPSHOT"
cp "$WORK/stars.png" "$SNAPSHOT.tmp"
# A save of the settings cut short leaves its temporary file beside them; notes.tmp is the user's.
cp "$INI" "$INI.tmp"
echo "the user's own notes" >"$SAVER_DIR/notes.tmp"
start_preview
uninstall
listed=$(ls -A "$SAVER_DIR" | tr '\n' ' ')
[ "$listed" = "notes.tmp " ] || fail "left in $INSTALL_WIN: $listed (expected the user's notes.tmp alone)"
[ ! -e "$(dirname "$SNAPSHOT")" ] || fail "left: C:\\v_olka with $(ls -A "$(dirname "$SNAPSHOT")")"
[ -z "$(reg_values "$UNINSTALL_KEY")" ] || fail "the list entry is still there"
[ -z "$(screen_saver)" ] || fail "SCRNSAVE.EXE still names the saver: $(screen_saver)"
echo "ok: uninstalled while the preview ran: the user's notes.tmp kept, nothing of its own left (list entry, photo, screen-saver choice)"
rm -r "$SAVER_DIR"

# A user folder with a blank, as the setup finds under a user called "Mary Ann". NSIS reads /D=
# verbatim to the end of its command line, so no argv may quote it.
INSTALL_WIN='C:\users\Mary Ann\AppData\Local\Programs\ルモヴェイン'
probe run "$(winpath "$SETUP")" "/S /D=$INSTALL_WIN" >/dev/null || fail "setup /S /D= ended with $?"
SAVER_DIR=$(winepath -u "$INSTALL_WIN" 2>/dev/null)
SAVER_DIR=${SAVER_DIR%/}
[ -f "$SAVER_DIR/ルモヴェイン.scr" ] || fail "setup /D= installed nothing in $INSTALL_WIN"
expect_chosen "$INSTALL_WIN"

# Files that cannot be removed keep the uninstaller and its list entry, and the choice.
locked_dir=$SAVER_DIR
chattr +i "$SAVER_DIR" || fail "chattr +i failed"
uninstall
chattr -i "$SAVER_DIR"
locked_dir=""
listed=$(cd "$SAVER_DIR" && LC_ALL=C ls | tr '\n' ' ')
[ "$listed" = "README-en.txt README-ja.txt uninstall.exe ルモヴェイン.dll ルモヴェイン.scr " ] ||
    fail "an uninstall that could not remove the files left: $listed"
[ -n "$(reg_values "$UNINSTALL_KEY" QuietUninstallString)" ] ||
    fail "an uninstall that could not remove the files took the list entry"
expect_chosen "$INSTALL_WIN"
echo "ok: an uninstall that could not remove the files left everything as it was"

# An uninstaller that cannot be removed keeps the list entry and the screen-saver choice; run
# again, it finishes, and recognises the choice of its own saver although that file has gone.
chosen=$(screen_saver)
locked_dir=$SAVER_DIR/uninstall.exe
chattr +i "$locked_dir" || fail "chattr +i failed"
uninstall
chattr -i "$locked_dir"
locked_dir=""
listed=$(ls -A "$SAVER_DIR" | tr '\n' ' ')
[ "$listed" = "uninstall.exe " ] || fail "an uninstall that could not remove its uninstaller left: $listed"
[ -n "$(reg_values "$UNINSTALL_KEY" QuietUninstallString)" ] ||
    fail "an uninstall that could not remove its uninstaller took the list entry"
[ "$(screen_saver)" = "$chosen" ] || fail "an unfinished uninstall changed the screen-saver choice"
uninstall
[ ! -e "$SAVER_DIR" ] || fail "the uninstall run again left $(ls -A "$SAVER_DIR" | tr '\n' ' ')"
[ -z "$(reg_values "$UNINSTALL_KEY")" ] || fail "the uninstall run again left the list entry"
[ -z "$(screen_saver)" ] || fail "the uninstall run again left SCRNSAVE.EXE: $(screen_saver)"
echo "ok: the uninstaller kept its entry and the choice until it could be removed itself"

probe run "$(winpath "$SETUP")" "/S /D=$INSTALL_WIN" >/dev/null || fail "setup /S /D= ended with $?"
other='C:\windows\system32\other.scr'
wine reg add "$DESKTOP_KEY" /v SCRNSAVE.EXE /d "$other" /f >/dev/null 2>&1
# A session that never saw its renderer leaves the photograph for it; the uninstaller takes it.
mkdir -p "$(dirname "$SNAPSHOT")"
cp "$WORK/stars.png" "$SNAPSHOT"
uninstall
[ ! -e "$SAVER_DIR" ] || fail "the second uninstall left $INSTALL_WIN"
[ "$(screen_saver)" = "$other" ] || fail "the uninstaller changed another saver's choice: '$(screen_saver)'"
echo "PASS: setup program: install, run, upgrade, uninstall; another saver's choice is kept"
