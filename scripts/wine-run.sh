#!/usr/bin/env bash
# Runs one Windows program under Wine with the project's environment and passes its exit code
# through. Inside with-bench.sh the bench's prefix and display are used; alone, a prefix of its
# own next to the template.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
if [ -z "${WINEPREFIX:-}" ]; then
    tpl=$(lumo_prefix_template)
    export WINEPREFIX="$LUMO_BUILD/wine/prefix-standalone"
    [ -d "$WINEPREFIX" ] || cp -a "$tpl" "$WINEPREFIX"
fi
exec wine "$@"
