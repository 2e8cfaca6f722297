#!/usr/bin/env bash
# Builds the two fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each on its seeds for a while, one after the other.
# fuzz.sh [seconds per target] [build-dir]
#
# Seeds: tests/fuzz/corpus/<target>, tests/fuzz/regressions/<target> and, for the catalogue, the
# sample catalogue. New inputs are kept in <build-dir>/fuzz-corpus/<target>, so that a later run
# goes on from there; an input that fails is written to <build-dir>/fuzz-artifacts/<target>/ and
# the run fails. Such an input belongs in tests/fuzz/regressions/<target> once fixed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
dir=${2:-$root/build-fuzz}
bash "$root/tools/install-deps.sh"
CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -DTN_FUZZ=ON -DTN_BUILD_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j"$(nproc)" --target fuzz_catalogue fuzz_texture tncatgen >/dev/null

sample=$dir/fuzz-seeds/sample-catalogue
if [ ! -f "$sample/colours.xml" ]; then
  "$dir/tools/catgen/tncatgen" sample "$dir/fuzz-seeds/sample" >/dev/null
  mkdir -p "$sample" && cp "$dir/fuzz-seeds/sample/colours.xml" "$sample/"
fi

# A leak counts as a failure, as in the sanitizer tests.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
for target in catalogue texture; do
  corpus=$dir/fuzz-corpus/$target
  artifacts=$dir/fuzz-artifacts/$target
  mkdir -p "$corpus" "$artifacts"
  seeds=("$root/tests/fuzz/corpus/$target")
  [ -d "$root/tests/fuzz/regressions/$target" ] && seeds+=("$root/tests/fuzz/regressions/$target")
  [ "$target" = catalogue ] && seeds+=("$sample")
  echo "fuzz_$target: $seconds s"
  "$dir/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
    -dict="$root/tests/fuzz/$target.dict" -artifact_prefix="$artifacts/" "$corpus" "${seeds[@]}" \
    2>"$dir/fuzz-$target.log" || { tail -60 "$dir/fuzz-$target.log" >&2; exit 1; }
  grep -E "^(#[0-9]+[[:space:]]+DONE|stat::)" "$dir/fuzz-$target.log" || true
done
