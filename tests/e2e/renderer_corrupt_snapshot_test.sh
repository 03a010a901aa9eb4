#!/usr/bin/env bash
# Each kind of damaged snapshot is refused: the renderer runs on with flat tinted squares and
# still ends with Esc.
set -euo pipefail
source "$(dirname "$0")/renderer_lib.sh"

make_snapshot
good=$WORK/good.bmp
cp "$SNAPSHOT" "$good"

# Writes little-endian bytes (given as \x.. escapes) at an offset of the snapshot.
patch() { printf "$2" | dd of="$SNAPSHOT" bs=1 seek="$1" conv=notrunc status=none; }

corrupt() {
    cp "$good" "$SNAPSHOT"
    case "$1" in
    empty) : >"$SNAPSHOT" ;;
    truncated) head -c "$(($(stat -c %s "$good") / 2))" "$good" >"$SNAPSHOT" ;;
    not-bm) patch 0 'XX' ;;
    offbits-20) patch 10 '\x14\x00\x00\x00' ;;
    offbits-huge) patch 10 '\xff\xff\xff\x7f' ;;
    zero-height) patch 22 '\x00\x00\x00\x00' ;;
    huge-width) patch 18 '\xff\xff\xff\x00' ;;
    size-image-short) patch 34 '\x10\x00\x00\x00' ;;
    depth-32) patch 28 '\x20\x00' ;;
    esac
}

for kind in empty truncated not-bm offbits-20 offbits-huge zero-height huge-width \
    size-image-short depth-32; do
    corrupt "$kind"
    start_renderer
    sleep 1.5
    renderer_running || fail "$kind: the renderer ended"
    expect_flat_stars "$WORK/$kind.png" "$kind"
    end_with_escape
done
echo "PASS: every damaged snapshot gives flat squares, Esc ends each run with 0"
