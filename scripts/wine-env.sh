# Sourced: the environment every Wine run of this project uses.
# LUMO_ROOT: the repository; LUMO_BUILD: the build folder (default $LUMO_ROOT/build).
LUMO_ROOT=${LUMO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
LUMO_BUILD=${LUMO_BUILD:-$LUMO_ROOT/build}
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
export WINEARCH=win64

# The prefix template is made once and cached; a run copies it so that runs never share a
# wineserver or each other's files.
lumo_prefix_template() {
    local tpl="$LUMO_BUILD/wine/prefix-template"
    if [ ! -f "$tpl/.lumo-ready" ]; then
        rm -rf "$tpl"
        mkdir -p "$tpl"
        echo "wine: creating the prefix template (once)" >&2
        WINEPREFIX="$tpl" wineboot -i >/dev/null 2>&1 || true
        # Japanese UI font: the dialogs ask for "ＭＳ Ｐゴシック"; map it to the proportional IPA font.
        local reg="$LUMO_BUILD/wine/fonts.reg"
        printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n"ＭＳ Ｐゴシック"="IPAPGothic"\r\n"ＭＳ ゴシック"="IPAGothic"\r\n\r\n' |
            iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
        WINEPREFIX="$tpl" wine regedit /S "$(winepath_w "$reg")" >/dev/null 2>&1 || true
        WINEPREFIX="$tpl" wineserver -w
        touch "$tpl/.lumo-ready"
    fi
    echo "$tpl"
}

# Z: maps the Unix root, so any Unix path is reachable from Wine.
winepath_w() { printf 'Z:%s' "$(readlink -f "$1" | tr / '\\')"; }
