#!/usr/bin/env bash
# Writes a release into build/release/: the ZIP and the MSI of each architecture and SHA256SUMS
# over them. The files depend on the commit alone (tools/reproduce.sh checks it).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh

version=$(sed -n 's/^project(velmora VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
out=build/release
rm -rf "$out"
mkdir -p "$out"
for arch in win32 win64; do
    cmake --preset $arch >/dev/null
    cmake --build --preset $arch -j2 --target package
    cp "build/$arch/velmora-$version-$arch.zip" "build/$arch/velmora-$version-$arch.msi" "$out/"
done
(cd "$out" && sha256sum "velmora-$version"-* > SHA256SUMS)
echo "Release files in $out:"
cat "$out/SHA256SUMS"
