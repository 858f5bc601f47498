#!/usr/bin/env bash
# Builds the fuzz targets with clang into BUILD_DIR and runs each for SECONDS
# seconds from the committed seed corpus. A crash fails the run and leaves
# its input in BUILD_DIR/crashes/: turn it into a regression test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/fuzz}
seconds=${2:-30}
shift $(( $# > 2 ? 2 : $# )) || true
targets=("${@:-template cli_arguments list notice}")
targets=(${targets[*]})

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARINE_FUZZ=ON \
  -DTESSARINE_GUI=OFF -DTESSARINE_TESTS=OFF -DTESSARINE_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target $(printf 'fuzz_%s ' "${targets[@]}")
mkdir -p "$build/crashes"
for target in "${targets[@]}"; do
  work="$build/corpus/$target"
  mkdir -p "$work"
  echo "fuzzing $target for ${seconds}s"
  "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/crashes/$target-" "$work" "$root/fuzz/corpus/$target" 2>&1 | tail -n 12
  [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "fuzz_$target found a crash: see $build/crashes/" >&2; exit 1; }
done
