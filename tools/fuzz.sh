#!/usr/bin/env bash
# Fuzzes the code that reads text it did not write, with clang's libFuzzer (host build, with
# AddressSanitizer and UndefinedBehaviorSanitizer).
#
#   tools/fuzz.sh [check [SECONDS]]   builds, then runs each target SECONDS (30) from the corpus
#   tools/fuzz.sh long [RUNS]         builds, then runs each target RUNS (10000000) executions
#   tools/fuzz.sh merge               adds what the runs found that covers anything new to the corpus
#   tools/fuzz.sh build               builds only
#
# Targets are tests/fuzz/<target>.cpp with seeds in tests/fuzz/corpus/<target>/. New inputs go to
# $FUZZ_BUILD/found/<target>/ (FUZZ_BUILD defaults to build/fuzz), never into the repository;
# an input that breaks a property is saved as $FUZZ_BUILD/crash-<target>-*.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=${FUZZ_BUILD:-build/fuzz}
CXX=${FUZZ_CXX:-clang++}
targets=(parse_number format_number command_tail launch_keys)
mode=${1:-check}

build() {
    mkdir -p "$BUILD"
    for target in "${targets[@]}"; do
        local sources=("tests/fuzz/$target.cpp")
        case $target in parse_number|format_number) sources+=(shell/NumberText.cpp shell/DecimalDigits.cpp) ;; esac
        # Rebuild only when a source or this script is newer than the binary.
        if [ -x "$BUILD/$target" ] && [ -z "$(find "${sources[@]}" tests/fuzz/FuzzText.h tests/common/*.h shell/*.h "$0" \
                -newer "$BUILD/$target" 2>/dev/null)" ]; then
            continue
        fi
        echo "Building $target"
        "$CXX" -std=c++17 -g -O1 -Wall -Wextra -Werror \
            -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
            -Ishell -Itests/common -o "$BUILD/$target" "${sources[@]}"
    done
}

# run TARGET OPTIONS...: one target from its corpus (and what earlier runs found), one process.
run() {
    local target=$1
    shift
    local options=()
    [ -f "tests/fuzz/$target.dict" ] && options+=("-dict=tests/fuzz/$target.dict")
    mkdir -p "$BUILD/found/$target"
    "$BUILD/$target" "$@" "${options[@]}" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$BUILD/crash-$target-" \
        "$BUILD/found/$target" "tests/fuzz/corpus/$target" 2>"$BUILD/$target.log" \
        || { tail -n 40 "$BUILD/$target.log"; echo "fuzz: $target FAILED"; return 1; }
    local runs
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$BUILD/$target.log")
    echo "fuzz: $target passed, $runs executions"
}

case $mode in
build)
    build
    ;;
check)
    build
    for target in "${targets[@]}"; do run "$target" -max_total_time="${2:-30}"; done
    ;;
long)
    build
    for target in "${targets[@]}"; do run "$target" -runs="${2:-10000000}"; done
    ;;
merge)
    build
    for target in "${targets[@]}"; do
        "$BUILD/$target" -merge=1 "tests/fuzz/corpus/$target" "$BUILD/found/$target" 2>"$BUILD/$target-merge.log"
        tail -n 1 "$BUILD/$target-merge.log"
    done
    ;;
*)
    echo "usage: tools/fuzz.sh [check [SECONDS] | long [RUNS] | merge | build]" >&2
    exit 2
    ;;
esac
