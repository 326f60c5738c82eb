#!/usr/bin/env bash
# Fails on every C++ file of the repository that clang-format (Debian's,
# with .clang-format) would change, and names it. Formatting stays the
# machine's business: run `clang-format -i FILE` on what it names.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
changed=()
for f in "${files[@]}"; do
  if ! clang-format --style=file "$f" | cmp -s - "$f"; then changed+=("$f"); fi
done
if [ ${#changed[@]} -gt 0 ]; then
  echo "clang-format would change ${#changed[@]} file(s):"
  printf '  %s\n' "${changed[@]}"
  exit 1
fi
echo "clang-format: ${#files[@]} files as formatted"
