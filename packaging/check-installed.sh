#!/usr/bin/env bash
# Runs the installed program on the virtual screen that xvfb-run made: first
# as its menu entry starts it, then from a folder of the user's without
# wheels and from one with wheels of its own. Each time the main window has
# to show with no message before it, the program has to work in the right
# folder, and its test hook has to tell the wheels loaded and the installed
# guide.
set -euo pipefail
# As on a desktop: the program draws on the X screen, whatever the tests
# before asked of Qt.
unset QT_QPA_PLATFORM
data=/usr/share/trimel
entry=/usr/share/applications/org.trimel.Trimel.desktop
# The window's title names the version, the package's.
main_title="Тримель v$(dpkg-query -W -f='${Version}' trimel)"

fail() { echo "installed program: $*" >&2; exit 1; }

exec_line=$(sed -n 's/^Exec=//p' "$entry")
path_line=$(sed -n 's/^Path=//p' "$entry")
# The entry's command has no quoting or field codes for a shell to mind.
[[ -n $exec_line && $exec_line != *[\"\'\\%]* ]] || fail "cannot run the entry's Exec=$exec_line"
shipped=$(find "$data/wheels" -maxdepth 1 -iname 'asys*' | wc -l)
[ "$shipped" -gt 0 ] || fail "no wheels in $data/wheels"

tmp=$(mktemp -d)
pid=""
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true; rm -rf "$tmp"' EXIT

# The titles of the program's windows on the screen.
windows() {
  LC_ALL=C.UTF-8 xwininfo -root -children 2>/dev/null | sed -n 's/^ *0x[0-9a-f]* "\(.*\)": ("trimel" "trimel").*/\1/p'
}

# check NAME FOLDER WORKING-FOLDER WHEELS COMMAND...: runs COMMAND in FOLDER
# and waits for the main window; the program must work in WORKING-FOLDER and
# have loaded WHEELS wheels.
check() {
  local name=$1 folder=$2 want_dir=$3 wheels=$4
  shift 4
  local out="$tmp/out"
  (cd "$folder" && TRIMEL_TEST_HOOK=1 exec "$@" >"$out" 2>"$tmp/err") &
  pid=$!
  local shown=""
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || { cat "$tmp/err" >&2; fail "$name: the program ended"; }
    if windows | grep -qxF "$main_title" && grep -q '^guide: ' "$out"; then shown=yes; break; fi
    sleep 0.2
  done
  [ -n "$shown" ] || { windows >&2; cat "$tmp/err" >&2; fail "$name: no main window within 20 s"; }
  windows | grep -qvxF "$main_title" && { windows >&2; fail "$name: another window showed"; }
  [ "$(readlink "/proc/$pid/cwd")" = "$(readlink -f "$want_dir")" ] ||
    fail "$name: works in $(readlink "/proc/$pid/cwd"), not in $want_dir"
  grep -qx "wheels: $wheels" "$out" || fail "$name: wanted $wheels wheels, the hook says: $(cat "$out")"
  grep -qx "guide: $data/docs/index.html" "$out" || fail "$name: the links open another guide: $(cat "$out")"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
  echo "installed program: $name: main window shown, wheels loaded: $wheels"
}

# Word splitting of the entry's plain command is what the menu does with it.
# shellcheck disable=SC2086
check "menu entry" "$path_line" "$data" "$shipped" $exec_line

home="$tmp/Мои игры 6 из 45"
mkdir -p "$home"
check "a folder without wheels" "$home" "$data" "$shipped" trimel
mkdir "$home/wheels"
cp "$(find "$data/wheels" -maxdepth 1 -iname 'asys*' | sort | head -1)" "$home/wheels/"
check "a folder with one wheel of its own" "$home" "$home" 1 trimel

# The tools come with the program: every shipped history passes the check.
for history in "$data"/*.txt; do
  trimel-history check "$history" >/dev/null || fail "trimel-history check refuses $history"
done
echo "installed program: trimel-history checks the shipped histories"
trimel-wheels check "$data"/wheels/ASys* >/dev/null || fail "trimel-wheels check fails on a shipped wheel"
echo "installed program: trimel-wheels passes every shipped wheel"
