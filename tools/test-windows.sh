#!/usr/bin/env bash
# Builds the Windows build and runs every test program it has under Wine on a virtual display.
# test-windows.sh [build-dir] (build-win64/ by default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$(realpath -m "${1:-$root/build-win64}")
bash "$root/tools/build-windows.sh" "$dir"
cache=${XDG_CACHE_HOME:-$HOME/.cache}/tarnova
# Wine runs in a Western-European locale, whose code page (1252) lacks ő and ű: the programs'
# own UTF-8 code page must carry them. The locale is compiled for Wine when the system lacks it.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  mkdir -p "$cache/locale"
  [ -d "$cache/locale/de_DE.UTF-8" ] || localedef -i de_DE -f UTF-8 "$cache/locale/de_DE.UTF-8"
  export LOCPATH=$cache/locale
fi
export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
# Wine's own prefix, made on first use (some seconds), apart from the user's.
export WINEPREFIX=${WINEPREFIX:-$cache/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
cd "$dir"
bash "$root/tools/virtual-display.sh" ctest --output-on-failure -j"$(nproc)"
