#!/usr/bin/env bash
# Installs what is missing, builds everything (host, 32-bit and 64-bit Windows) and runs every test,
# the fuzz targets, the static analysers and the check that the release files are reproducible.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh
# The tests expect the programs in a neutral locale ('.' as the decimal separator, English); the
# locale tests set their own.
export LC_ALL=C.UTF-8

cmake --preset host >/dev/null
cmake --build --preset host -j2
ctest --preset host

# The host tests again under AddressSanitizer and UndefinedBehaviorSanitizer, each fuzz target
# briefly from its corpus, and both static analysers.
cmake --preset host-asan >/dev/null
cmake --build --preset host-asan -j2
ctest --preset host-asan
tools/fuzz.sh check 30
tools/analyse.sh

for arch in win32 win64; do
    cmake --preset $arch >/dev/null
    cmake --build --preset $arch -j2
    cmake --build --preset $arch --target package >/dev/null   # the release ZIP and MSI
done
# Two more builds of the release files in other folders, compared byte for byte.
tools/reproduce.sh

# The Windows tests run under Wine on a private off-screen display.
for arch in win32 win64; do
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" tools/wine-session ctest --preset $arch
done

# The benchmark once, briefly: it proves it still runs and asserts no timing.
bench/run.sh --quick
