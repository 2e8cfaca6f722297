#!/usr/bin/env bash
# windows-deps.sh PREFIX: builds what the Windows build needs and Debian has only as sources,
# Xerces-C (a DLL, so that the host, the platform library and the add-on share one) and GoogleTest,
# for 64-bit Windows into PREFIX. Each is built once and again only when
# Debian's version of it changes (PREFIX/<name>.version says which is there).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
prefix=$1
toolchain=$root/cmake/mingw-w64-x86_64.cmake
mkdir -p "$prefix"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

built() { [ -f "$prefix/$1.version" ] && [ "$(cat "$prefix/$1.version")" = "$2" ]; }

# cross_cmake SOURCE BUILD TARGET [OPTIONS...]
cross_cmake() {
  local source=$1 build=$2 target=$3; shift 3
  cmake -S "$source" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DTN_WINDOWS_PREFIX="$prefix" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$build" -j"$(nproc)" --target "$target" >/dev/null
}

# Xerces-C from Debian's source package, on the Windows API alone.
xerces_version=$(apt-cache showsrc xerces-c 2>/dev/null | sed -n 's/^Version: //p' | head -n1)
if [ -z "$xerces_version" ]; then
  echo "windows-deps.sh: no source package xerces-c; is there a deb-src line?" >&2
  exit 1
fi
if ! built xerces-c "$xerces_version"; then
  echo "building Xerces-C $xerces_version for Windows" >&2
  (cd "$work" && apt-get source -qq xerces-c >/dev/null 2>&1)
  source=$(find "$work" -maxdepth 1 -type d -name 'xerces-c-*' | head -n1)
  cross_cmake "$source" "$work/xerces-build" xerces-c -DBUILD_SHARED_LIBS=ON -Dnetwork=OFF \
    -Dtranscoder=windows -Dmessage-loader=inmemory
  # The whole install also wants documentation the source package lacks: the library, its
  # headers and its CMake package are installed alone.
  cmake --install "$work/xerces-build/src" >/dev/null
  echo "$xerces_version" >"$prefix/xerces-c.version"
fi

# Google Benchmark from Debian's source package, for the benchmarks' Windows build.
benchmark_version=$(apt-cache showsrc benchmark 2>/dev/null | sed -n 's/^Version: //p' | head -n1)
if [ -n "$benchmark_version" ] && ! built benchmark "$benchmark_version"; then
  echo "building Google Benchmark $benchmark_version for Windows" >&2
  (cd "$work" && apt-get source -qq benchmark >/dev/null 2>&1)
  source=$(find "$work" -maxdepth 1 -type d -name 'benchmark-*' | head -n1)
  # Without its git history the source names its version only through GIT_VERSION.
  cross_cmake "$source" "$work/benchmark-build" all -DBUILD_SHARED_LIBS=OFF -DGIT_VERSION="${benchmark_version%%-*}" \
    -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF -DBENCHMARK_ENABLE_WERROR=OFF
  cmake --install "$work/benchmark-build" >/dev/null
  echo "$benchmark_version" >"$prefix/benchmark.version"
fi

# GoogleTest from Debian's googletest package, which carries its sources.
gtest_version=$(dpkg-query -W -f='${Version}' googletest)
if ! built googletest "$gtest_version"; then
  echo "building GoogleTest $gtest_version for Windows" >&2
  cross_cmake /usr/src/googletest "$work/gtest-build" all -DBUILD_SHARED_LIBS=OFF
  cmake --install "$work/gtest-build" >/dev/null
  echo "$gtest_version" >"$prefix/googletest.version"
fi
