#!/usr/bin/env bash
# Checks the inner order of the form services: every file of saver/forms (a header with its
# source) includes only files placed before it in the order its README lists, so no two include
# each other and no include runs back down the order. Prints each that does not, and fails then.
set -euo pipefail
forms=$(cd "$(dirname "${BASH_SOURCE[0]}")/../saver/forms" && pwd)

# The order: the names in backquotes in the numbered list of the README's "Inner order".
mapfile -t order < <(awk '/^## /{inside = ($0 ~ /^## Inner order/)} /^[0-9]+\. /{item = 1}
                          /^$/{item = 0} inside && item' "$forms/README.md" |
    grep -o '`[a-z0-9_]*`' | tr -d '`')
declare -A place
for i in "${!order[@]}"; do place[${order[$i]}]=$i; done
[ ${#order[@]} -gt 0 ] || { echo "no inner order in $forms/README.md"; exit 1; }

faults=0
for file in "$forms"/*.h "$forms"/*.cpp; do
    name=$(basename "${file%.*}")
    if [ -z "${place[$name]+set}" ]; then
        echo "$(basename "$file"): not placed in the inner order"
        faults=$((faults + 1))
        continue
    fi
    for used in $(sed -n 's/^#include "\([a-z0-9_]*\)\.h"/\1/p' "$file"); do
        [ "$used" != "$name" ] && [ -e "$forms/$used.h" ] || continue
        # One not placed is told of as a file of its own.
        if [ -n "${place[$used]+set}" ] && [ "${place[$used]}" -gt "${place[$name]}" ]; then
            echo "$(basename "$file"): includes $used.h, which comes after $name"
            faults=$((faults + 1))
        fi
    done
done
[ "$faults" -eq 0 ] && echo "form services: ${#order[@]} files in order, no include runs back"
[ "$faults" -eq 0 ]
