#!/usr/bin/env bash
# Builds the Windows build and runs every test program it has under Wine on a virtual display.
# test-windows.sh [build-dir] (build-win64/ by default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$(realpath -m "${1:-$root/build-win64}")
bash "$root/tools/build-windows.sh" "$dir"
. "$root/tools/wine-env.sh"
cd "$dir"
bash "$root/tools/virtual-display.sh" ctest --output-on-failure -j"$(nproc)"
