#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the programs need (run as root).
set -euo pipefail
packages=(
  build-essential cmake pkg-config python3
  libgtest-dev libbenchmark-dev libpng-dev
  qt6-base-dev libgl-dev fonts-dejavu-core
  clang libclang-rt-14-dev
  xvfb xauth
  freedoom
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
