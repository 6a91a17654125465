#!/usr/bin/env bash
# Builds everything and runs the benchmarks (release build in build-bench/).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
export BUILD_DIR="${BUILD_DIR:-$root/build-bench}"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)" --target automation_benchmark startup_benchmark >/dev/null
export QT_QPA_PLATFORM=offscreen
for benchmark in "$BUILD_DIR"/bin/*_benchmark; do
  echo "== $(basename "$benchmark")"
  "$benchmark" "$@"
done
