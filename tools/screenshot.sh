#!/usr/bin/env bash
# screenshot.sh EXE: starts a program under Wine on the current display, waits for its window,
# saves a PNG of it in build/screenshots/ and ends the program.
set -euo pipefail
exe="$1"
name=$(basename "$exe" .exe)
out="build/screenshots/$name.png"
mkdir -p build/screenshots

wine "$exe" >/dev/null 2>&1 </dev/null &
pid=$!
window=""
for _ in $(seq 1 300); do
    window=$(xdotool search --onlyvisible --class "$name.exe" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "$name showed no window" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
fi
sleep 0.5  # let the first paint finish
import -window "$window" "$out"
wineserver -k >/dev/null 2>&1 || true
wait "$pid" 2>/dev/null || true
echo "$name ran off-screen (no display); its window is in $out"
