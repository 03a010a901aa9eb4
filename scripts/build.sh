#!/usr/bin/env bash
# Installs what is needed and builds the two shipped programs into dist/.
#   scripts/build.sh            dist/ only
#   scripts/build.sh --all      also every test program, host and Windows
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/setup.sh
jobs=$(nproc)

cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
if [ "${1:-}" = "--all" ]; then
    cmake --build build/win -j "$jobs"
    cmake -S . -B build/host -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
    cmake --build build/host -j "$jobs"
else
    targets=()
    cmake --build build/win --target help | grep -q '^saver:' && targets+=(saver)
    targets+=(renderer)
    cmake --build build/win -j "$jobs" --target "${targets[@]}"
fi
ls -1 dist/
