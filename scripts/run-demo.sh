#!/usr/bin/env bash
# Installs what is needed, builds, and shows the bundled demo world: compiles the demo map and
# dumps it, renders a frame of it with the engine, then starts the editor on the demo map.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build
cmake --build build -j"$(nproc)"

bin=build/bin
echo "== Compiling the demo map"
"$bin/qzmap" compile "$bin/demo.map" "$bin/demo.mpb"
"$bin/qzmap" info "$bin/demo.mpb"
"$bin/qzmap" dump "$bin/demo.mpb" > "$bin/demo.json"
echo "Every record of the compiled map, as JSON: $bin/demo.json"

echo "== Rendering a frame of the demo world"
"$bin/qz3d-render" "$bin/demo.hdr" --size 640x320 --out "$bin/demo-frame.png"
echo "Rendered frame: $bin/demo-frame.png"

echo "== Starting the map editor on the demo map"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  cd "$bin" && exec ./QZ3Dedit demo.map
else
  echo "No display: starting the editor on a virtual one (xvfb-run); close it with Ctrl+C."
  cd "$bin" && exec xvfb-run -a ./QZ3Dedit demo.map
fi
