#!/usr/bin/env bash
# Takes the README's pictures: every program's main window, About box and message boxes, under
# Wine with its light theme on an off-screen display, saved as docs/screenshots/*.png.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j2 --target screenshots >/dev/null

# A prefix of its own, so that the theme set here never reaches the tests.
export WINEPREFIX="$PWD/build/wineprefix-screenshots"
. tools/wine-env.sh
wine_prepare_prefix
theme='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
shots="$PWD/build/screenshots"
rm -rf "$shots" && mkdir -p "$shots" docs/screenshots
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" tools/wine-session bash -c "
    wine reg add '$theme' /v ThemeActive /d 1 /f >/dev/null 2>&1
    wine reg add '$theme' /v DllName /d 'C:\\windows\\resources\\themes\\light\\light.msstyles' /f >/dev/null 2>&1
    wine reg add '$theme' /v ColorName /d Blue /f >/dev/null 2>&1
    wine reg add '$theme' /v SizeName /d NormalSize /f >/dev/null 2>&1
    wine build/win32/bin/screenshots.exe 'Z:${shots//\//\\}'
"
for bmp in "$shots"/*.bmp; do
    convert "$bmp" "docs/screenshots/$(basename "$bmp" .bmp).png"
done
ls docs/screenshots
