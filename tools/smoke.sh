#!/usr/bin/env bash
# Smoke test on a real X server: starts the built program in examples/,
# waits for its main window "Тримель v<version>", takes a screenshot, checks
# that the window is not blank, and closes it as a user would; the program
# must then end by itself with status 0. The screenshot is kept.
#
#   bash tools/smoke.sh [program] [folder for the screenshot]
#   (defaults: build-test/trimel, build-test/smoke)
set -euo pipefail
cd "$(dirname "$0")/.."
program="$(realpath "${1:-build-test/trimel}")"
out="$(realpath -m "${2:-build-test/smoke}")"

mkdir -p "$out"

# A virtual X screen of its own: Xvfb picks a free display and says which,
# so that runs side by side cannot take the same one (as xvfb-run -a can).
exec 3>"$out/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb=$!
exec 3>&-
pids=("$xvfb")
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
for _ in $(seq 1 100); do
  [ -s "$out/display" ] && break
  sleep 0.1
done
[ -s "$out/display" ] || { echo "smoke: the X server did not start (see $out/xvfb.log)"; exit 1; }
export DISPLAY=":$(head -n 1 "$out/display")"

# On it a window manager, as on a desktop, and the program.
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
openbox >/dev/null 2>&1 &
pids+=($!)
# A window mapped before the manager is ready can stay unmanaged.
for _ in $(seq 1 100); do
  wmctrl -m >/dev/null 2>&1 && break
  sleep 0.1
done
wmctrl -m >/dev/null 2>&1 || { echo "smoke: the window manager did not start"; exit 1; }
(cd examples && exec "$program") &
pid=$!
pids+=("$pid")

# The window's title names the version its build was configured with.
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$(dirname "$program")/CMakeCache.txt")"
title="Тримель v$version"
id=""
for _ in $(seq 1 300); do
  id="$( (wmctrl -l 2>/dev/null || true) | awk -v t="$title" 'substr($0, length($0) - length(t) + 1) == t { print $1; exit }')"
  [ -n "$id" ] && break
  kill -0 "$pid" 2>/dev/null || { echo "smoke: the program ended before its window appeared"; exit 1; }
  sleep 0.1
done
[ -n "$id" ] || { import -window root "$out/screen.png"; echo "smoke: no window \"$title\" within 30 s (see $out/screen.png)"; exit 1; }

sleep 1  # let it paint
import -window root "$out/screen.png"
import -window "$id" "$out/main-window.png"
colours="$(identify -format '%k' "$out/main-window.png")"
if [ "$colours" -lt 16 ]; then
  echo "smoke: the main window looks blank ($colours colours, see $out/main-window.png)"
  exit 1
fi

wmctrl -i -c "$id"
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "smoke: the program did not end within 10 s of its window being closed"
  exit 1
fi
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "smoke: the program ended with status $status"; exit 1; }
echo "smoke: main window shown ($colours colours) and closed cleanly; see $out/"
