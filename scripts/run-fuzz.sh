#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) in
# build-fuzz and runs each for SECONDS seconds (default 300), as many at a time as there are
# cores. Fails when a target finds a crash. The targets are the tests labelled "fuzz"
# (tests/fuzz/CMakeLists.txt); each run's output is in build-fuzz/Testing/Temporary/LastTest.log.
# Corpora grow in build-fuzz/corpus/<target>; crashes are written to build-fuzz/findings/<target>.
# Usage: scripts/run-fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
shift || true
jobs=$(nproc)
# New build folders reuse earlier compiles when ccache is there.
if command -v ccache >/dev/null; then export CMAKE_CXX_COMPILER_LAUNCHER=ccache; fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DQZ_FUZZ=ON -DBUILD_TESTING=ON -DQZ_BENCH=OFF \
  -DQZ_FUZZ_SECONDS="$seconds"
cmake --build build-fuzz -j"$jobs" --target fuzz_targets

only=()
if [ $# -gt 0 ]; then
  only=(-R "^($(IFS='|'; echo "$*"))\$")
fi
ctest --test-dir build-fuzz -L fuzz "${only[@]}" --no-tests=error --output-on-failure -j"$jobs"
