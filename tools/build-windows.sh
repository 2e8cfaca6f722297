#!/usr/bin/env bash
# Cross-builds everything that has a Windows build, for 64-bit Windows with mingw-w64.
# build-windows.sh [build-dir] [cmake options...] (build-win64/ by default). Installs what is
# missing, builds Xerces-C and GoogleTest for Windows once into a prefix outside the tree
# ($TN_WINDOWS_PREFIX, by default ~/.cache/tarnova/win64), and the build-time generators for this
# machine in <build-dir>/native.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$(realpath -m "${1:-$root/build-win64}"); shift || true
prefix=${TN_WINDOWS_PREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/tarnova/win64}
bash "$root/tools/install-deps.sh" windows
bash "$root/tools/windows-deps.sh" "$prefix"

native=$dir/native
cmake -S "$root" -B "$native" -DTN_BUILD_TESTS=OFF -DTN_BUILD_BENCH=OFF >/dev/null
cmake --build "$native" -j"$(nproc)" --target tn_rescomp tn_artwork tncatgen
cmake -S "$root" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DTN_WINDOWS_PREFIX="$prefix" -DTN_NATIVE_BUILD_DIR="$native" -DTN_BUILD_BENCH=OFF "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
