#!/usr/bin/env bash
# Makes the README's pictures from the real programs under Wine, on the bench's virtual display:
#   docs/star-field.png      a frame of the star field over the run command's sample desktop
#   docs/settings-dialog.png the settings window (/c)
#   docs/setup-welcome.png   the setup program's first page
# Run it again when one of them changes; the pictures are kept in the repository.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

# The star field exactly as the run command shows it, at half size.
env -u DISPLAY bash scripts/run.sh /s >/dev/null
convert build/screenshot.png -resize 50% docs/star-field.png

LUMO_RELEASE_DIR="$root/build/release" bash scripts/release.sh --no-build >/dev/null
export LUMO_ROOT="$root"
scripts/with-bench.sh --size 800x600 -- bash -c '
    set -euo pipefail
    probe() { wine "$LUMO_ROOT/build/win/tests/e2e/probe.exe" "$@"; }
    # The screen inside a top-level window, frame included.
    shoot() { # title picture
        local x y w h
        probe wait-window "$1" 20000 >/dev/null
        sleep 2 # opening animations, then the painting
        read -r x y w h _ < <(probe window-info "$1" | tr -d "\r")
        import -window root -crop "${w}x${h}+${x}+${y}" +repage "$2"
        probe close "$1" >/dev/null
    }
    (cd "$LUMO_ROOT/dist" && wine ./ルモヴェイン.scr /c) &
    shoot "<ルモヴェイン>" "$LUMO_ROOT/docs/settings-dialog.png"
    wait $!
    wine "$LUMO_ROOT/build/release/ルモヴェイン-1.00-setup.exe" &
    shoot "ルモヴェイン セットアップ" "$LUMO_ROOT/docs/setup-welcome.png"
    # Closing the setup asks whether to quit; the bench ends it with everything else.
'
ls -l docs/*.png
