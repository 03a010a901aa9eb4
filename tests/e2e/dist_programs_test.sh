#!/usr/bin/env bash
# The shipped programs: exact names, 64-bit GUI executables that import only Windows' own DLLs,
# so that the two files need nothing beside them. (What resources they carry is read under Wine
# by the identity tests.)
set -euo pipefail
# The bench runs in a Japanese locale; binutils would answer in Japanese.
export LC_ALL=C
fail() { echo "FAIL: $*"; exit 1; }
system_dlls='^(kernel32|user32|gdi32|advapi32|msvcrt|winmm|comdlg32|shell32|msimg32|ole32|oleaut32|oleacc|opengl32|glu32|ws2_32|api-ms-win-crt-[a-z0-9-]+|comctl32|version)\.dll$'

for name in ルモヴェイン.dll ルモヴェイン.scr; do
    f="$LUMO_DIST/$name"
    [ -f "$f" ] || fail "$name is missing from dist/"
    dump=$(x86_64-w64-mingw32-objdump -p "$f")
    grep -q 'file format pei-x86-64' <<<"$dump" || fail "$name is not a 64-bit PE"
    grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]' <<<"$dump" || fail "$name is not a GUI program"
    while read -r dll; do
        lc=$(tr 'A-Z' 'a-z' <<<"$dll")
        grep -Eq "$system_dlls" <<<"$lc" || fail "$name imports $dll"
    done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump")
    echo "ok: $name imports $(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump" | tr '\n' ' ')"
done

x86_64-w64-mingw32-objdump -h "$LUMO_DIST/ルモヴェイン.scr" | grep -q '\.rsrc' ||
    fail "the saver has no version and icon resources"
echo "ok: resources"
