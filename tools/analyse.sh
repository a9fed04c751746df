#!/usr/bin/env bash
# Static analysis: clang-tidy with the checks in .clang-tidy, then cppcheck. Exits non-zero on any
# finding of either.
#
# clang-tidy reads the compile commands of a host build (the host tests and what they test) and
# of a 32-bit Windows build, the latter as clang targeting i686-w64-mingw32 with the MinGW C++
# headers. It leaves out the tests in tests/wine/<program>/: they capture structured bindings in
# lambdas, which GCC accepts in C++17 and clang before 16 rejects. cppcheck checks every source,
# those included.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=${ANALYSE_BUILD:-build/analyse}
JOBS=${ANALYSE_JOBS:-2}
MINGW=i686-w64-mingw32
status=0

cmake -S . -B "$BUILD/host" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake -S . -B "$BUILD/win32" --toolchain cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCMAKE_CXX_USE_RESPONSE_FILE_FOR_INCLUDES=OFF \
    -DCMAKE_C_USE_RESPONSE_FILE_FOR_INCLUDES=OFF >/dev/null

# The project's own sources in a compile database (not GoogleTest's), minus EXCLUDE (a regex).
sources() {
    python3 - "$1" "${2:-^$}" <<'EOF'
import json, os, re, sys
root = os.getcwd() + os.sep
exclude = re.compile(sys.argv[2])
files = {e['file'] for e in json.load(open(sys.argv[1]))}
for f in sorted(files):
    rel = f[len(root):] if f.startswith(root) else f
    if f.startswith(root) and not rel.startswith('build/') and not exclude.search(rel):
        print(rel)
EOF
}

# tidy OPTIONS...: clang-tidy on each file named on standard input, JOBS at a time.
tidy() {
    xargs -r -P "$JOBS" -I{} clang-tidy --quiet {} "$@" 2>/dev/null
}

echo "clang-tidy: host sources and tests"
sources "$BUILD/host/compile_commands.json" | tidy -p "$BUILD/host" || status=1
ls tests/fuzz/*.cpp | tidy -- -std=c++17 -Ishell -Itests/common || status=1

echo "clang-tidy: Windows sources ($MINGW)"
cxx_includes=()
while read -r dir; do
    cxx_includes+=("--extra-arg=-isystem$dir")
done < <("$MINGW-g++-posix" -v -x c++ -E /dev/null 2>&1 | sed -n 's/^ *\(.*\/include\/c++.*\)$/\1/p')
sources "$BUILD/win32/compile_commands.json" '^tests/(host|wine/(velmora[0-9]|varnix))/' \
    | tidy -p "$BUILD/win32" "--extra-arg=--target=$MINGW" "${cxx_includes[@]}" || status=1

echo "cppcheck: every source"
mapfile -t all < <(find shell bench tests velmora* varnix tools -name '*.cpp' -o -name '*.c' 2>/dev/null | sort)
cppcheck -q --error-exitcode=1 --enable=warning,performance,portability --inline-suppr --std=c++17 \
    --library=windows --library=googletest --platform=win32W \
    -D_WIN32 -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -DNOMINMAX \
    -Ishell -Itests/wine/support -Itests/fuzz -Itests/common "${all[@]}" || status=1

[ $status -eq 0 ] && echo "analyse: clean" || echo "analyse: FINDINGS"
exit $status
