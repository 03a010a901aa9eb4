#!/usr/bin/env bash
# Every test of every tier, from a fresh machine: set-up, host tests with sanitizers and fuzzing,
# Windows tests under Wine, the end-to-end tests, each on a bench of its own, and last every
# benchmark once in its short mode.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/build.sh --all || { echo "build failed"; exit 1; }

passed=0
failed=0
failures=()
record() { # name rc
    if [ "$2" -eq 0 ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        failures+=("$1")
    fi
}

echo "== format: clang-format on every C++ file =="
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
record "clang-format" $?

echo "== tier 1: host tests (ASan, UBSan, libFuzzer) =="
ctest --test-dir build/host --output-on-failure -j 2
record "host tests" $?

echo "== tier 2: Windows tests under Wine =="
scripts/with-bench.sh --size 1024x768 -- ctest --test-dir build/win --output-on-failure
record "Windows tests" $?

echo "== tier 3: end to end =="
export LUMO_DIST="$root/dist" LUMO_PROBE="$root/build/win/tests/e2e/probe.exe"
# A test that names its code pages ("# code-pages: 932 1252") runs once under each: Wine takes
# code page 932 from ja_JP.UTF-8 and 1252 (an English or European Windows) from en_US.UTF-8.
for t in tests/e2e/*_test.sh; do
    [ -e "$t" ] || continue
    size=$(sed -n 's/^# bench-size: *//p' "$t" | head -n1)
    monitors=$(sed -n 's/^# bench-monitors: *//p' "$t" | head -n1)
    dpi=$(sed -n 's/^# bench-dpi: *//p' "$t" | head -n1)
    layout=$(sed -n 's/^# bench-layout: *//p' "$t" | head -n1)
    primary=$(sed -n 's/^# bench-primary: *//p' "$t" | head -n1)
    pages=$(sed -n 's/^# code-pages: *//p' "$t" | head -n1)
    for page in ${pages:-932}; do
        lang=ja_JP.UTF-8
        [ "$page" = 1252 ] && lang=en_US.UTF-8
        name="$t$([ -n "$pages" ] && echo " (code page $page)")"
        echo "-- $name"
        start=$(date +%s)
        LUMO_WINE_LANG=$lang scripts/with-bench.sh --size "${size:-1024x768}" \
            --monitors "${monitors:-1}" ${layout:+--layout "$layout" --primary "${primary:-0}"} \
            ${dpi:+--dpi "$dpi"} -- bash "$t"
        rc=$?
        echo "-- $name: $([ $rc -eq 0 ] && echo passed || echo FAILED) in $(($(date +%s) - start)) s"
        record "$name" $rc
    done
done

echo "== benchmarks: each once in its short mode =="
# A benchmark that no test runs breaks unseen. Here each only has to run: its figures are
# printed, and none of them passes or fails.
broken=()
for b in bench/*.sh; do
    [ -e "$b" ] || continue
    echo "-- $b --quick"
    start=$(date +%s)
    bash "$b" --quick
    rc=$?
    echo "-- $b: $([ $rc -eq 0 ] && echo ran || echo "COULD NOT RUN ($rc)") in $(($(date +%s) - start)) s"
    [ $rc -eq 0 ] || broken+=("$b")
done
record "benchmarks${broken[*]:+ (could not run: ${broken[*]})}" ${#broken[@]}

echo
for f in "${failures[@]}"; do echo "failed: $f"; done
echo "suites: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
