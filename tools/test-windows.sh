#!/usr/bin/env bash
# Builds the Windows build and runs every test program it has under Wine on a virtual display.
# test-windows.sh [build-dir] (build-win64/ by default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build-win64}
bash "$root/tools/build-windows.sh" "$dir"
# Wine's own prefix, made on first use (some seconds), apart from the user's.
export WINEPREFIX=${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/tarnova/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
cd "$dir"
bash "$root/tools/virtual-display.sh" ctest --output-on-failure -j"$(nproc)"
