#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on the bundled
# example data (examples/: the wheels/ library and a draw history).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTRIMEL_GUI=ON -DTRIMEL_TESTS=OFF -DTRIMEL_BENCH=OFF
cmake --build build -j"$(nproc)" --target trimel

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to show the window on; run it under a desktop session or xvfb-run." >&2
fi
# The program looks for wheels/ in its working folder.
cd examples
exec ../build/trimel
