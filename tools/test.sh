#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test twice:
# a plain build (warnings as errors) and one with AddressSanitizer and
# UndefinedBehaviorSanitizer, where any sanitizer report fails the run;
# then the Debian package's check, a smoke test of the program on a virtual
# X screen, and the fuzz targets for a bounded time (TRIMEL_FUZZ_SECONDS
# per target, default 40).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

echo "== plain build =="
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRIMEL_GUI=ON -DTRIMEL_TESTS=ON -DTRIMEL_BENCH=ON -DTRIMEL_WERROR=ON
cmake --build build-test -j"$jobs"
ctest --test-dir build-test --output-on-failure -j"$jobs"

echo "== sanitized build =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTRIMEL_GUI=ON -DTRIMEL_TESTS=ON -DTRIMEL_WERROR=ON \
  -DTRIMEL_SANITIZE=address,undefined -DTRIMEL_BENCH=OFF
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS="abort_on_error=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
ctest --test-dir build-asan --output-on-failure -j"$jobs"

echo "== package =="
# Builds the Debian package, lints it, installs it, runs the installed
# program on a virtual screen and removes the package again.
bash packaging/check-package.sh

echo "== smoke test on a virtual X screen =="
bash tools/smoke.sh build-test/trimel build-test/smoke

echo "== fuzzing (clang, libFuzzer) =="
bash fuzz/run.sh "${TRIMEL_FUZZ_SECONDS:-40}"
