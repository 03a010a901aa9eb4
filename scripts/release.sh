#!/usr/bin/env bash
# The release: builds the two programs if needed and packs them with the Japanese and English
# read-mes into build/release/ルモヴェイン-<version>-win64.zip, and builds the setup program
# build/release/ルモヴェイン-<version>-setup.exe (release/setup.nsi) from the same files.
#
#   scripts/release.sh              build dist/ (scripts/build.sh), then pack it
#   scripts/release.sh --no-build   pack dist/ as it is
#
# LUMO_DIST names another folder with the programs, LUMO_RELEASE_DIR another folder for the
# archive and the setup program. The version is the saver's own FileVersion. Prints the paths of
# the archive and of the setup program.
#
# Made for Windows' own Explorer: the Japanese names are stored in UTF-8 with the UTF-8 flag
# (general purpose bit 11) set, so that "Extract All" shows ルモヴェイン.scr rather than mojibake;
# the read-mes have CRLF lines and a UTF-8 byte order mark, which every Notepad reads right,
# whatever the system's code page. Every entry carries one time stamp (SOURCE_DATE_EPOCH, else
# the time of the last commit), so packing the same programs again gives the same archive.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Absolute, from where it was called: makensis reads the paths from its script's own folder.
dist=$(realpath -ms "${LUMO_DIST:-$root/dist}")
out=$(realpath -ms "${LUMO_RELEASE_DIR:-$root/build/release}")
cd "$root"

case "${1:-}" in
"") bash scripts/build.sh >/dev/null ;;
--no-build) ;;
*)
    echo "usage: $0 [--no-build]" >&2
    exit 2
    ;;
esac

name=ルモヴェイン
version=$(sed -n 's/^ *VALUE "FileVersion", L"\([0-9.]*\)".*/\1/p' saver/startup/saver.rc)
[ -n "$version" ] || {
    echo "release: no FileVersion in saver/startup/saver.rc" >&2
    exit 1
}
for program in "$name.scr" "$name.dll"; do
    [ -f "$dist/$program" ] || {
        echo "release: $dist/$program is missing" >&2
        exit 1
    }
done
# Windows' version records take four numbers: 1.00 is 1.0.0.0.
vi_version() {
    local major=${1%%.*} minor=${1#*.}
    echo "$major.$((10#$minor)).0.0"
}
stamp=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}

mkdir -p "$out"
archive="$out/$name-$version-win64.zip"
setup="$out/$name-$version-setup.exe"
rm -f "$archive" "$setup"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
/usr/bin/python3 - "$archive" "$dist" "$root/release" "$stamp" "$stage" <<'PACK'
import sys
import time
import zipfile

archive, dist, texts, stamp, stage = sys.argv[1:6]
name = "ルモヴェイン"


def windows_text(file_name):
    with open(f"{texts}/{file_name}", encoding="utf-8") as f:
        text = f.read()
    text = text.replace("\r\n", "\n").replace("\n", "\r\n")
    data = "\ufeff".encode("utf-8") + text.encode("utf-8")
    # The setup program installs the very same bytes.
    with open(f"{stage}/{file_name}", "wb") as f:
        f.write(data)
    return data


def program(file_name):
    with open(f"{dist}/{file_name}", "rb") as f:
        return f.read()


entries = [
    (f"{name}.scr", program(f"{name}.scr")),
    (f"{name}.dll", program(f"{name}.dll")),
    ("README-ja.txt", windows_text("README-ja.txt")),
    ("README-en.txt", windows_text("README-en.txt")),
]
# Zip times are local DOS times from 1980 on; the archive should not depend on the packer's zone.
when = time.gmtime(max(int(stamp), 315532800))[:6]
# zipfile stores a name that is not plain ASCII in UTF-8 and sets bit 11 for it by itself; an
# ASCII name reads the same in every code page and goes without.
with zipfile.ZipFile(archive, "w") as z:
    for entry_name, data in entries:
        info = zipfile.ZipInfo(entry_name, date_time=when)
        info.compress_type = zipfile.ZIP_DEFLATED
        # Unix as the maker: Info-ZIP's unzip would otherwise take the names for DOS code page
        # bytes despite the UTF-8 flag; Windows' Explorer reads the flag alone.
        info.create_system = 3
        info.external_attr = (0o100644 << 16) | 0x20  # rw-r--r--, and the archive attribute
        z.writestr(info, data, compresslevel=9)
PACK

# The first and last page's picture: the program's icon, enlarged pixel for pixel, over the
# dark blue of its own background, at the size the wizard pages show.
convert -size 164x314 gradient:'#000018-#102060' \
    \( saver/startup/lumovane.ico -filter point -resize 96x96 \) -gravity north -geometry +0+48 \
    -composite -type TrueColor BMP3:"$stage/wizard.bmp"
# In the UTF-8 locale makensis reads its arguments' non-ASCII paths right.
LC_ALL=C.UTF-8 makensis -V2 -WX -INPUTCHARSET UTF8 \
    -DVERSION="$version" -DVI_VERSION="$(vi_version "$version")" \
    -DDIST="$dist" -DTEXTS="$stage" -DICON="$root/saver/startup/lumovane.ico" \
    -DWIZARD="$stage/wizard.bmp" -DOUTDIR="$out" release/setup.nsi >"$stage/makensis.log" || {
    cat "$stage/makensis.log" >&2
    echo "release: makensis failed" >&2
    exit 1
}
echo "$archive"
echo "$setup"
