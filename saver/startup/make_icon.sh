#!/usr/bin/env bash
# Draws the program's 32x32, 256-colour icon: a tilted bright panel crossed by light on dark
# blue, after the scene the saver shows. Run it again only to change the picture; the result,
# lumovane.ico, is kept beside this script.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
/usr/bin/convert -size 32x32 gradient:'#000018-#102060' \
    -fill '#f0e0a0' -stroke '#ffffff' -strokewidth 1 \
    -draw 'polygon 6,12 22,5 26,20 10,27' \
    -fill none -stroke '#80c0ff' -draw 'line 0,31 31,0' \
    -stroke '#ffd060' -draw 'line 0,16 31,14' \
    -fill '#ffffff' -stroke none -draw 'circle 16,16 16,14' \
    -colors 256 -type Palette "$tmp/icon.bmp"
/usr/bin/convert "$tmp/icon.bmp" -define icon:auto-resize=32 "$here/lumovane.ico"
