#!/usr/bin/env bash
# The performance record: builds the benchmarks in Release, runs every one of them once under a
# virtual display, keeps their JSON results and prints one table of the measurements against the
# goals. Exits with 1 when a goal is missed.
# perf-record.sh [build-dir] (build-release by default)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/install-deps.sh"
dir=${1:-$root/build-release}
benchmarks=(catalogue_load colour_math nearest_colours draw_grid widgets_draw export_textures startup)

cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DTN_BUILD_TESTS=OFF >/dev/null
cmake --build "$dir" -j"$(nproc)" --target "${benchmarks[@]/#/bench_}" sample_catalogue >/dev/null

results=$dir/perf
rm -rf "$results"
mkdir -p "$results"
# GTK's accessibility bridge is no part of what is measured.
export NO_AT_BRIDGE=1
bash "$root/tools/virtual-display.sh" bash -c '
  results=$1; dir=$2; shift 2
  for b in "$@"; do
    echo "running bench_$b" >&2
    "$dir/bench/bench_$b" --benchmark_out="$results/$b.json" --benchmark_out_format=json \
      >"$results/$b.txt" 2>&1 || echo "bench_$b failed; see $results/$b.txt" >&2
  done' run "$results" "$dir" "${benchmarks[@]}"
python3 "$root/tools/perf-table.py" "$results"
