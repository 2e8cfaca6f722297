#!/usr/bin/env bash
# Builds everything and runs every test; the tests that need windows get a virtual display.
# test.sh [build-dir] [cmake options...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/install-deps.sh"
dir=${1:-$root/build}; shift || true
bash "$root/tools/build.sh" "$dir" "$@"
cd "$dir"
# GTK's accessibility bridge keeps process-long allocations the leak checker would report.
export NO_AT_BRIDGE=1
bash "$root/tools/virtual-display.sh" ctest --output-on-failure -j"$(nproc)"
