#!/usr/bin/env bash
# Installs what is needed, builds everything with warnings as errors and runs every test, then
# builds the tests again with AddressSanitizer and UndefinedBehaviorSanitizer and runs them too,
# and last runs every fuzz target for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
# New build folders reuse earlier compiles when ccache is there.
if command -v ccache >/dev/null; then export CMAKE_CXX_COMPILER_LAUNCHER=ccache; fi

cmake -S . -B build -DQZ_WERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-asan -DQZ_WERROR=ON -DQZ_SANITIZE=ON -DQZ_BENCH=OFF
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"

scripts/run-fuzz.sh 20
