#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) and
# runs each one after the other for SECONDS seconds (default 300). Corpora grow in
# build-fuzz/corpus/<target>; crashes are written to build-fuzz/findings/<target>.
# Usage: scripts/run-fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(fuzz_read_map fuzz_profile fuzz_engine_header fuzz_engine_bitmaps fuzz_engine_world fuzz_wad_reader)
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DQZ_FUZZ=ON -DBUILD_TESTING=ON -DQZ_BENCH=OFF
cmake --build build-fuzz -j"$(nproc)" --target fuzz_seeds "${targets[@]}"

bin=build-fuzz/bin
seeds=build-fuzz/seeds
rm -rf "$seeds"
"$bin/fuzz_seeds" "$seeds"

for target in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$target" "build-fuzz/findings/$target"
  echo "== $target for $seconds seconds"
  "$bin/$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="build-fuzz/findings/$target/" \
    "build-fuzz/corpus/$target" "$seeds/$target"
done
