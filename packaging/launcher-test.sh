#!/usr/bin/env bash
# The launcher in an install tree whose folders have blanks and Cyrillic
# names: it starts the program in the data folder unless the working folder
# has wheels of its own, also when called through a link, and passes the
# arguments on untouched.
# Usage: launcher-test.sh LAUNCHER LAUNCHER-TO-PROGRAM LAUNCHER-TO-DATA
set -euo pipefail
launcher=$1 to_program=$2 to_data=$3

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix="$tmp/мой префикс/usr"
bin="$prefix/bin"
mkdir -p "$bin" "$bin/$to_data" "$(dirname "$bin/$to_program")"
cp "$launcher" "$bin/trimel"
# A stand-in program that tells where it was started and with what.
printf '#!/bin/sh\npwd\nfor a in "$@"; do echo "[$a]"; done\n' >"$bin/$to_program"
chmod +x "$bin/trimel" "$bin/$to_program"
data=$(cd "$bin/$to_data" && pwd)

fail=0
expect() {  # expect NAME WANTED GOT
    if [ "$2" != "$3" ]; then
        echo "FAIL $1: wanted"; echo "$2"; echo "got"; echo "$3"
        fail=1
    fi
}

work="$tmp/рабочая папка с пробелами"
mkdir -p "$work"
cd "$work"
expect "no wheels: the data folder" "$data" "$("$bin/trimel")"
expect "arguments pass on" "$data"$'\n[-platform]\n[a b]\n[]' "$("$bin/trimel" -platform "a b" "")"
ln -s "$bin/trimel" "$tmp/ссылка на trimel"
expect "through a link" "$data" "$("$tmp/ссылка на trimel")"
mkdir wheels
expect "own wheels: the working folder" "$work" "$("$bin/trimel")"
expect "found through PATH" "$work" "$(PATH="$bin:$PATH" trimel)"
exit $fail
