#!/usr/bin/env bash
# Builds the release files twice from the checkout's sources, in two folders of different names
# and one after the other, and compares the programs (32- and 64-bit), ZIPs and MSIs byte for
# byte. Non-zero, naming the files, if any differ.
set -euo pipefail
cd "$(dirname "$0")/.."

work=build/reproduce
rm -rf "$work"
mkdir -p "$work"
# The time every file carries: the commit's, the same in both builds (they hold no history).
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || echo 1704067200)
export SOURCE_DATE_EPOCH

build() {  # build FOLDER: the release files of both architectures from a copy of the sources
    mkdir -p "$1"
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files -z --cached --others --exclude-standard | tar --null -T - -c | tar -x -C "$1"
    else
        tar -c --exclude=./build . | tar -x -C "$1"
    fi
    for arch in win32 win64; do
        (cd "$1" && cmake --preset $arch -DGOOGLETEST_SOURCE_DIR=/nonexistent >/dev/null &&
            cmake --build --preset $arch -j2 --target package >/dev/null)
    done
}
build "$work/first"
build "$work/second-build-elsewhere"

differ=0
compared=0
for arch in win32 win64; do
    for file in "$work/first/build/$arch"/bin/*.exe "$work/first/build/$arch"/*.zip "$work/first/build/$arch"/*.msi; do
        other="$work/second-build-elsewhere/build/$arch/${file#"$work/first/build/$arch/"}"
        compared=$((compared + 1))
        if ! cmp -s "$file" "$other"; then
            echo "differs: build/$arch/${file#"$work/first/build/$arch/"} ($(cmp -l "$file" "$other" 2>/dev/null | wc -l) bytes)"
            differ=1
        fi
    done
done
[ $differ -eq 0 ] || exit 1
echo "reproducible: $compared files identical in two builds"
rm -rf "$work"
