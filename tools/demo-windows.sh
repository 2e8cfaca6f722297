#!/usr/bin/env bash
# Builds the Windows build and runs the main job on the bundled sample catalogue through
# addon-host.exe and tarnova.dll under Wine: demo-windows.sh [build-dir] [addon-host options...].
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$(realpath -m "${1:-$root/build-win64}")
shift || true
bash "$root/tools/build-windows.sh" "$dir"
bash "$root/hostapp/run-demo.sh" "$dir" "$@"
