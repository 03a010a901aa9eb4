#!/usr/bin/env bash
# The setup program as a user and an administrator run it: "/S" installs both programs, the
# read-mes and an uninstaller into %LOCALAPPDATA%\Programs\ルモヴェイン, chooses the saver and
# lists it among the installed programs; the installed saver shows the star field and its
# settings window saves beside it; installing again keeps those settings; the uninstaller's quiet
# command leaves no file, folder, list entry or screen-saver choice of it behind, but keeps a
# screen saver the user has chosen since.
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
# As Programs and Features runs it. The uninstaller goes on from a copy in the temporary folder,
# so wait until Wine has nothing left running.
uninstall() {
    local quiet exe
    quiet=$(reg_values "$UNINSTALL_KEY" QuietUninstallString | cut -d'|' -f3)
    exe=${quiet#\"}
    exe=${exe%%\"*}
    wine "$exe" "${quiet##*\" }" || fail "the uninstaller ended with $?"
    timeout 60 wineserver -w || fail "the uninstaller did not end within 60 s"
}

LOCAL_WIN=$(console cmd /c echo %LOCALAPPDATA%)
INSTALL_WIN="$LOCAL_WIN\\Programs\\ルモヴェイン"
SAVER_DIR=$(winepath -u "$INSTALL_WIN" 2>/dev/null)
SAVER_DIR=${SAVER_DIR%/}
source "$(dirname "$0")/dialog_lib.sh" # its settings file is the installed one

install
listed=$(cd "$SAVER_DIR" && LC_ALL=C ls | tr '\n' ' ')
[ "$listed" = "README-en.txt README-ja.txt uninstall.exe ルモヴェイン.dll ルモヴェイン.scr " ] ||
    fail "installed in $INSTALL_WIN: $listed"
for program in ルモヴェイン.scr ルモヴェイン.dll; do
    cmp -s "$SAVER_DIR/$program" "$LUMO_DIST/$program" || fail "the installed $program is not dist's"
done
echo "ok: installed in $INSTALL_WIN: $listed"

[ "$(screen_saver)" = "$INSTALL_WIN\\ルモヴェイン.scr" ] || fail "SCRNSAVE.EXE is '$(screen_saver)'"
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

install
cmp -s "$INI" "$WORK/settings.ini" || fail "installing again changed or removed the settings file"
echo "ok: installing again kept the settings file"

probe close "probe desktop" >/dev/null
wait "$desktop_pid" || true
desktop_pid=""

# A session that never saw its renderer leaves the photograph for it; the uninstaller takes it.
mkdir -p "$(dirname "$SNAPSHOT")"
cp "$WORK/stars.png" "$SNAPSHOT"
uninstall
[ ! -e "$SAVER_DIR" ] || fail "left in $INSTALL_WIN: $(ls -A "$SAVER_DIR" | tr '\n' ' ')"
[ ! -e "$(dirname "$SNAPSHOT")" ] || fail "left: C:\\v_olka with $(ls -A "$(dirname "$SNAPSHOT")")"
[ -z "$(reg_values "$UNINSTALL_KEY")" ] || fail "the list entry is still there"
[ -z "$(screen_saver)" ] || fail "SCRNSAVE.EXE still names the saver: $(screen_saver)"
echo "ok: uninstalled: no folder, no snapshot, no list entry, no screen-saver choice"

install
other='C:\windows\system32\other.scr'
wine reg add "$DESKTOP_KEY" /v SCRNSAVE.EXE /d "$other" /f >/dev/null 2>&1
# A session that never saw its renderer leaves the photograph for it; the uninstaller takes it.
mkdir -p "$(dirname "$SNAPSHOT")"
cp "$WORK/stars.png" "$SNAPSHOT"
uninstall
[ ! -e "$SAVER_DIR" ] || fail "the second uninstall left $INSTALL_WIN"
[ "$(screen_saver)" = "$other" ] || fail "the uninstaller changed another saver's choice: '$(screen_saver)'"
echo "PASS: setup program: install, run, upgrade, uninstall; another saver's choice is kept"
