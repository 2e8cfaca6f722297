#!/usr/bin/env bash
# Installs the Debian packages a build needs, when any is missing.
# install-deps.sh [windows]: the Linux build, the tests and the demo; with "windows" also the
# mingw-w64 cross compiler, Wine and the sources the Windows build compiles (GoogleTest's, and
# Xerces-C's source package, for which a deb-src line of the machine's own Debian is added).
set -euo pipefail
packages=(build-essential cmake pkg-config git
          libxerces-c-dev libstb-dev libgtk-3-dev libcairo2-dev libpango1.0-dev
          fonts-dejavu-core xvfb xauth
          libgtest-dev libgmock-dev libbenchmark-dev
          clang libclang-rt-14-dev python3 locales)
if [ "${1:-}" = "windows" ]; then
  packages+=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 googletest dpkg-dev)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
need_sources=false
if [ "${1:-}" = "windows" ] && [ -z "$(apt-cache showsrc xerces-c 2>/dev/null | head -n1)" ]; then
  need_sources=true
fi
[ ${#missing[@]} -eq 0 ] && ! $need_sources && exit 0
line="apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
  echo "Missing packages. Install them with:" >&2
  $need_sources && echo "  (add a deb-src line for your Debian suite, then) sudo apt-get update" >&2
  [ ${#missing[@]} -gt 0 ] && echo "  sudo apt-get update && sudo $line" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if $need_sources; then
  # The same mirrors, suites and components as the machine's own binary packages.
  for list in /etc/apt/sources.list.d/*.sources; do
    [ -f "$list" ] || continue
    if grep -q '^Types:.*\bdeb\b' "$list" && grep -q 'debian' "$list"; then
      sed -e 's/^Types:.*/Types: deb-src/' "$list" >/etc/apt/sources.list.d/tarnova-src.sources
      break
    fi
  done
  if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list; then
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >/etc/apt/sources.list.d/tarnova-src.list
  fi
  apt-get update >/dev/null
fi
[ ${#missing[@]} -eq 0 ] && exit 0
if ! $line >/dev/null; then
  apt-get update >/dev/null && $line >/dev/null || {
    echo "Could not install the packages. Run:" >&2
    echo "  apt-get update && $line" >&2
    exit 1
  }
fi
