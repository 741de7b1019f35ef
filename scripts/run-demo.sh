#!/usr/bin/env bash
# Installs what is needed, builds, and runs the main program on the bundled demo.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build
cmake --build build -j"$(nproc)"
