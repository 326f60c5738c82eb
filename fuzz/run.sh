#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz (the fuzz preset) and runs each for a
# bounded time, starting from its seeds in fuzz/corpus/<target>/ (new
# inputs go to build-fuzz/corpus/, never into the repository). A crash, a
# sanitizer report, a timeout (2 s for one input) or running out of memory
# fails the run; the input that did it is kept in build-fuzz/artifacts/.
#
#   bash fuzz/run.sh [seconds per target] [target ...]   # default: 40, all
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-40}"
shift $(( $# > 0 ? 1 : 0 ))
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for d in fuzz/corpus/*/; do targets+=("$(basename "$d")"); done
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

export ASAN_OPTIONS="abort_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
mkdir -p build-fuzz/artifacts build-fuzz/logs
failed=()
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t"
  log="build-fuzz/logs/$t.log"
  if "build-fuzz/fuzz/fuzz_$t" "build-fuzz/corpus/$t" "fuzz/corpus/$t" \
       -max_total_time="$seconds" -timeout=2 -rss_limit_mb=2048 \
       -artifact_prefix="build-fuzz/artifacts/$t-" >"$log" 2>&1; then
    echo "fuzz_$t: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1)"
  else
    echo "fuzz_$t FAILED; the end of $log:"
    tail -n 40 "$log"
    failed+=("$t")
  fi
done
[ ${#failed[@]} -eq 0 ] || { echo "fuzz targets that failed: ${failed[*]}"; exit 1; }
