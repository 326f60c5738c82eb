#!/usr/bin/env bash
# Retakes every picture of the windows in docs/ (those of the user guide
# and of the README) over the real example history and the shipped wheels,
# on a virtual X screen with a window manager (needs xvfb, openbox and
# imagemagick).
# Usage: tools/screenshots.sh [build-folder]   (default build-test)
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(realpath "${1:-build-test}")"
cmake --build "$build" --target trimel_screenshots -j"$(nproc)"
cd examples
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  openbox >/dev/null 2>&1 &
  wm=$!
  sleep 1
  "$0"/tools/trimel_screenshots history-645-korea.txt ../docs
  rc=$?
  kill $wm
  exit $rc' "$build"
