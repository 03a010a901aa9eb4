#!/usr/bin/env bash
# Runs one fuzz target over its corpus (in the build tree, where it grows) and its seeds (only
# read), and keeps one line of what the run reached: the coverage libFuzzer saw and the corpus it
# ended with, so that a target that stops seeing its code is noticed. A crash, a leak or a
# sanitizer report fails, as does a run that ends without its final figures.
#   run_fuzz_target.sh NAME FUZZER SUMMARIES CORPUS [SEEDS] -- LIBFUZZER-FLAG...
#   run_fuzz_target.sh --summaries SUMMARIES    prints the lines the last test run kept
set -uo pipefail

if [ "$1" = --summaries ]; then
    shopt -s nullglob
    lines=("$2"/*.txt)
    if [ ${#lines[@]} -gt 0 ]; then
        echo "Fuzz targets, as their runs ended:"
        cat "${lines[@]}"
    fi
    exit 0
fi

name=$1 fuzzer=$2 summaries=$3 corpus=$4
shift 4
seeds=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    seeds+=("$1")
    shift
done
shift
mkdir -p "$corpus" "$summaries"
log=$corpus.log

# New inputs go to the first folder only, so the seeds stay as committed.
"$fuzzer" "$@" "$corpus" "${seeds[@]}" 2>&1 | tee "$log"
rc=${PIPESTATUS[0]}

seed_count=0
for dir in "${seeds[@]}"; do
    seed_count=$((seed_count + $(find "$dir" -type f | wc -l)))
done
# libFuzzer's last word: "#<runs> DONE cov: <n> ft: <n> corp: <inputs>/<size> ...".
final=$(grep -E '^#[0-9]+[[:space:]]+DONE ' "$log" | tail -n 1)
figures='^#([0-9]+)[[:space:]]+DONE +cov: ([0-9]+) ft: ([0-9]+) corp: ([0-9]+)/([0-9]+[a-zA-Z]*)'
if [ "$rc" -ne 0 ]; then
    summary="$name: FAILED (exit code $rc), see $log"
elif [[ $final =~ $figures ]]; then
    summary=$(printf '%s: coverage %s (features %s), corpus %s inputs (%s) from %s seeds, %s runs' \
        "$name" "${BASH_REMATCH[2]}" "${BASH_REMATCH[3]}" "${BASH_REMATCH[4]}" \
        "${BASH_REMATCH[5]}" "$seed_count" "${BASH_REMATCH[1]}")
else
    summary="$name: FAILED, the run ended without its final figures, see $log"
    rc=1
fi
echo "$summary"
echo "$summary" >"$summaries/$name.txt"
exit "$rc"
