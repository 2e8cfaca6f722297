#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, when any is missing.
set -euo pipefail
packages=(build-essential cmake pkg-config git
          libxerces-c-dev libstb-dev libgtk-3-dev libcairo2-dev libpango1.0-dev
          fonts-dejavu-core xvfb xauth
          libgtest-dev libgmock-dev libbenchmark-dev
          clang libclang-rt-14-dev python3 locales)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
line="apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
  echo "Missing packages. Install them with:" >&2
  echo "  sudo apt-get update && sudo $line" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if ! $line >/dev/null; then
  apt-get update >/dev/null && $line >/dev/null || {
    echo "Could not install the packages. Run:" >&2
    echo "  apt-get update && $line" >&2
    exit 1
  }
fi
