#!/usr/bin/env bash
# Runs a test preset's tests (CMakePresets.json) and fails on any test that
# failed or did not run: a test skipped where CI runs is a test that
# proves nothing, so a skip has to be expected to pass here.
#
#   bash tools/ctest.sh PRESET [ctest arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
preset="$1"
shift
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
status=0
ctest --preset "$preset" -j"$(nproc)" "$@" 2>&1 | tee "$log" || status=$?
# CTest lists every test that did not run, skipped ones included, as
# "<number> - <name> (<reason>)" under "The following tests did not run".
if skipped=$(sed -n '/The following tests did not run/,/^$/p' "$log" | grep -E '\((Skipped|Not Run|Disabled)\)'); then
  echo "tests that did not run (unexpected skips):"
  echo "$skipped"
  status=1
fi
exit "$status"
