#!/usr/bin/env bash
# Measures the programs beside their floors under Wine on an off-screen display and prints the
# tables. bench/run.sh [pairs] (default 100) also keeps the result in bench/RESULTS.md;
# bench/run.sh --quick only proves that the benchmark still works (2 pairs, nothing kept).
set -euo pipefail
cd "$(dirname "$0")/.."
pairs="${1:-100}"
keep=yes
if [ "$pairs" = "--quick" ]; then
    pairs=2
    keep=no
fi
programs=(velmora4 velmora3 velmora2 varnix)

tools/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j2 --target bench "${programs[@]}" >/dev/null
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2 --target "${programs[@]}" >/dev/null
bin=build/win32/bin
bin64=build/win64/bin

# Each executable's size beside its budget (cmake/size-budgets.txt; floors have none), both builds.
sizes() {
    echo "| executable | 32-bit size (bytes) | budget (KiB) | 64-bit size (bytes) | budget (KiB) | imported DLLs |"
    echo "|---|---|---|---|---|---|"
    for program in "${programs[@]}"; do
        for exe in "$program" "floor_$program"; do
            [ -f "$bin/$exe.exe" ] || continue
            dlls=$(i686-w64-mingw32-objdump -p "$bin/$exe.exe" | sed -n 's/^\s*DLL Name: //p' | sort | paste -sd ' ')
            read -r budget32 budget64 < <(awk -v p="$exe" '$1 == p { print $2, $3 }' cmake/size-budgets.txt)
            size64=$(stat -c %s "$bin64/$exe.exe" 2>/dev/null || echo -)
            echo "| $exe | $(stat -c %s "$bin/$exe.exe") | ${budget32:--} | $size64 | ${budget64:--} | $dlls |"
        done
    done
}

timings=$(xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" tools/wine-session \
    wine "$bin/bench_driver.exe" "$pairs" "${programs[@]}")
report=$(printf '%s\n\n%s\n' "$(sizes)" "$timings")
echo "$report"

if [ "$keep" = yes ]; then
    {
        echo "# Benchmark results"
        echo
        echo "$(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'),"
        echo "$(wine --version 2>/dev/null), $pairs interleaved pairs after one warm-up pair."
        echo "Ratios and differences are taken pairwise (program run i against floor run i); start to"
        echo "painted is a ratio, the other figures a difference to the floor."
        echo
        echo "$report"
    } > bench/RESULTS.md
    echo "kept in bench/RESULTS.md"
fi
