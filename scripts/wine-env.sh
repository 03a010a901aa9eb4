# Sourced: the environment every Wine run of this project uses.
# LUMO_ROOT: the repository; LUMO_BUILD: the build folder (default $LUMO_ROOT/build).
LUMO_ROOT=${LUMO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
LUMO_BUILD=${LUMO_BUILD:-$LUMO_ROOT/build}
# LUMO_WINE_LANG picks the system's code page: ja_JP.UTF-8 (932, the default) or en_US.UTF-8
# (1252, an English or European Windows). The prefix serves both.
LUMO_WINE_LANG=${LUMO_WINE_LANG:-ja_JP.UTF-8}
export LANG=$LUMO_WINE_LANG LC_ALL=$LUMO_WINE_LANG
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
export WINEARCH=win64

# The prefix template is made once and cached; a run copies it so that runs never share a
# wineserver or each other's files.
lumo_prefix_template() {
    local tpl="$LUMO_BUILD/wine/prefix-template"
    local stamp="$tpl/.lumo-ready-2"
    if [ ! -f "$stamp" ]; then
        # Built aside and renamed, so that a bench starting meanwhile never copies half a prefix.
        local tmp="$tpl.new.$$"
        rm -rf "$tmp"
        mkdir -p "$tmp"
        echo "wine: creating the prefix template (once)" >&2
        WINEPREFIX="$tmp" wineboot -i >/dev/null 2>&1 || true
        # Japanese UI font: the dialogs ask for "ＭＳ Ｐゴシック"; map it to the proportional IPA font.
        # Unmanaged windows: with no window manager on the bench, Wine otherwise waits two seconds
        # for one whenever a full-screen window goes, and the renderer would linger after Esc.
        local reg="$LUMO_BUILD/wine/prefix.reg"
        printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
            '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]' \
            '"ＭＳ Ｐゴシック"="IPAPGothic"' '"ＭＳ ゴシック"="IPAGothic"' '' \
            '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '' |
            iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
        WINEPREFIX="$tmp" wine regedit /S "$(winepath_w "$reg")" >/dev/null 2>&1 || true
        WINEPREFIX="$tmp" wineserver -w
        touch "$tmp/.lumo-ready-2"
        rm -rf "$tpl.old.$$"
        [ -d "$tpl" ] && mv "$tpl" "$tpl.old.$$"
        mv "$tmp" "$tpl"
        rm -rf "$tpl.old.$$"
    fi
    echo "$tpl"
}

# Z: maps the Unix root, so any Unix path is reachable from Wine.
winepath_w() { printf 'Z:%s' "$(readlink -f "$1" | tr / '\\')"; }
