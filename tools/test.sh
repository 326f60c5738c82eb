#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything and
# runs every test twice: the plain build (warnings as errors) and one with
# AddressSanitizer and UndefinedBehaviorSanitizer, where any sanitizer
# report fails the run; a test that skips fails it too. Then the Debian
# package's check, a smoke test of the program on a virtual X screen, and
# the fuzz targets for a bounded time (TRIMEL_FUZZ_SECONDS per target,
# default 40). The builds are the presets of CMakePresets.json.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
jobs="$(nproc)"

echo "== formatting =="
bash tools/check-format.sh

echo "== plain build =="
cmake --preset plain
cmake --build --preset plain -j"$jobs"
bash tools/ctest.sh plain

echo "== sanitized build =="
cmake --preset sanitized
cmake --build --preset sanitized -j"$jobs"
bash tools/ctest.sh sanitized

echo "== package =="
# Builds the Debian package, lints it, installs it, runs the installed
# program on a virtual screen and removes the package again.
bash packaging/check-package.sh

echo "== smoke test on a virtual X screen =="
bash tools/smoke.sh build-test/trimel build-test/smoke

echo "== fuzzing (clang, libFuzzer) =="
bash fuzz/run.sh "${TRIMEL_FUZZ_SECONDS:-40}"
