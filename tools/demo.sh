#!/usr/bin/env bash
# Builds everything and runs the main job on the bundled sample catalogue.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/install-deps.sh"
bash "$root/tools/build.sh" "$root/build"
bash "$root/hostapp/run-demo.sh" "$root/build" "$@"
