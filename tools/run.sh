#!/usr/bin/env bash
# Installs what is missing, builds the 32-bit programs and starts one (velmora4 unless named) under
# Wine. On a display it runs until you close it; with none it runs off-screen, saves a screenshot
# of its window as build/screenshots/<program>.png, says where, and ends it.
set -euo pipefail
cd "$(dirname "$0")/.."
program="${1:-velmora4}"
case "$program" in
    velmora2|velmora3|velmora4|varnix) ;;
    *) echo "usage: $0 [velmora2|velmora3|velmora4|varnix]" >&2; exit 2 ;;
esac

tools/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j2 --target "$program" >/dev/null
exe="build/win32/bin/$program.exe"
[ -f "$exe" ] || { echo "$program is not built yet" >&2; exit 1; }

if [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
    exec tools/wine-session wine "$exe"
fi

exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" tools/wine-session tools/screenshot.sh "$exe"
