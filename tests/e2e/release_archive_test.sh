#!/usr/bin/env bash
# The release archive: packed from dist/ by scripts/release.sh, it holds exactly the two
# programs and the two read-mes, under names flagged as UTF-8 (so that Windows' Explorer shows
# the Japanese names), the programs unchanged, the read-mes as Notepad wants them (UTF-8 with a
# byte order mark, CRLF lines), and packing again gives the same bytes.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d "${LUMO_BENCH_DIR:-/tmp}/release-e2e.XXXXXX")
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

LUMO_RELEASE_DIR=$work/out "$root/scripts/release.sh" --no-build >"$work/log" ||
    fail "release.sh failed: $(cat "$work/log")"
archive=$work/out/ルモヴェイン-1.00-win64.zip
[ -f "$archive" ] || fail "no $archive: $(ls "$work/out")"
grep -qFx "$archive" "$work/log" || fail "release.sh names $(cat "$work/log")"

expected=$(printf '%s\n' README-en.txt README-ja.txt ルモヴェイン.dll ルモヴェイン.scr)
listed=$(LC_ALL=C.UTF-8 zipinfo -1 "$archive" | LC_ALL=C sort)
[ "$listed" = "$expected" ] || fail "the archive lists: $(tr '\n' '|' <<<"$listed")"
echo "ok: exactly $(wc -l <<<"$listed") files: $(tr '\n' ' ' <<<"$listed")"

# Bit 11 of every entry with a Japanese name, in the central directory and the local header.
/usr/bin/python3 - "$archive" <<'CHECK' || fail "names not flagged as UTF-8"
import struct, sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    raw = open(sys.argv[1], "rb").read()
    for info in z.infolist():
        local_flags = struct.unpack_from("<H", raw, info.header_offset + 6)[0]
        if info.filename.isascii():
            continue  # the same bytes in every code page
        if not (info.flag_bits & 0x800 and local_flags & 0x800):
            sys.exit(f"{info.filename}: flags {info.flag_bits:#06x} / {local_flags:#06x}")
CHECK
echo "ok: the Japanese names carry the UTF-8 flag"

mkdir "$work/x"
(cd "$work/x" && LC_ALL=C.UTF-8 unzip -q "$archive") || fail "the archive does not extract"
for program in ルモヴェイン.scr ルモヴェイン.dll; do
    cmp -s "$work/x/$program" "$LUMO_DIST/$program" || fail "$program differs from dist/"
done
echo "ok: the programs are those of dist/"

for text in README-ja.txt README-en.txt; do
    f=$work/x/$text
    [ "$(head -c3 "$f" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "$text has no UTF-8 byte order mark"
    iconv -f UTF-8 -t UTF-8 "$f" >/dev/null 2>&1 || fail "$text is not UTF-8"
    bare=$(tr -d '\r' <"$f" | wc -l)
    crlf=$(grep -c $'\r$' "$f" || true)
    [ "$bare" = "$crlf" ] || fail "$text: $crlf of $bare lines end in CRLF"
    grep -q 'ルモヴェイン\.dll' "$f" || fail "$text does not name the renderer"
done
grep -q 'インストール' "$work/x/README-ja.txt" || fail "README-ja.txt says nothing of installing"
grep -q 'right-click' "$work/x/README-en.txt" || fail "README-en.txt says nothing of installing"
echo "ok: read-mes in UTF-8 with a byte order mark and CRLF lines"

cp "$archive" "$work/first.zip"
LUMO_RELEASE_DIR=$work/out "$root/scripts/release.sh" --no-build >/dev/null
cmp -s "$archive" "$work/first.zip" || fail "packing the same programs again gave another archive"
echo "PASS: release archive"
