#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the benchmarks and prints every figure of docs/performance.md and the soak figures of
# docs/reliability.md: start-up of the panel and of the floor program (instructions from
# callgrind; wall time from hyperfine, after warm-up runs; peak memory from GNU time), the cost
# of one spin step, and the soak's memory growth. hyperfine's tables go to build-bench/.
#
#   bench/run-benchmarks.sh [RUNS]     (RUNS: wall-time runs, default 21)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
source "$repo/scripts/lib/common.sh"
runs=${1:-21}
ensure_packages "${build_packages[@]}" valgrind hyperfine time
build="$repo/build-bench"
build_project "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELVARO_BENCHMARKS=ON -DBUILD_TESTING=OFF
export QT_QPA_PLATFORM=offscreen
bench="$build/bench"

instructions() { # COMMAND...: instructions callgrind collected
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 |
        sed -n 's/.*Collected : //p'
}
peak_kib() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1; } # the process's peak RSS
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

echo "machine: $(nproc) cores, $(sed -n 's/model name\s*: //p' /proc/cpuinfo | head -n1)"
echo "Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6), offscreen platform"
echo
echo "start-up to the first painted frame"
floor_ir=$(instructions "$bench/startup_floor")
panel_ir=$(instructions "$bench/startup_panel")
hyperfine --shell=none --warmup 3 --runs "$runs" --style basic \
    --export-markdown "$build/startup.md" --export-csv "$build/startup.csv" \
    -n floor "$bench/startup_floor" -n panel "$bench/startup_panel" | sed 's/^/  /'
median_ms() { awk -F, -v name="$1" '$1 == name { printf "%.1f", $4 * 1000 }' "$build/startup.csv"; }
floor_ms=$(median_ms floor)
panel_ms=$(median_ms panel)
floor_kib=$(peak_kib "$bench/startup_floor")
panel_kib=$(peak_kib "$bench/startup_panel")
echo
printf '  %-22s %14s %12s %14s\n' "" instructions "median (ms)" "peak (KiB)"
printf '  %-22s %14s %12s %14s\n' floor "$floor_ir" "$floor_ms" "$floor_kib"
printf '  %-22s %14s %12s %14s\n' panel "$panel_ir" "$panel_ms" "$panel_kib"
printf '  %-22s %14s %12s %14s\n' "panel / floor" "$(ratio "${panel_ir//,/}" "${floor_ir//,/}")" \
    "$(ratio "$panel_ms" "$floor_ms")" "$(ratio "$panel_kib" "$floor_kib")"
echo
echo "one spin step (200 steps measured, after 50 of warm-up)"
for what in show_freq show_vcore step; do
    total=$(valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file=/dev/null \
        "$bench/spin_step" "$what" 200 2>&1 | sed -n 's/.*Collected : //p')
    micro=$("$bench/spin_step" "$what" 2000 2>/dev/null | sed -n 's/.*, \(.*\) us per step/\1/p')
    printf '  %-32s %10d instructions %10s us\n' "$what$([ "$what" = step ] && echo ' (changeL with repaint)')" \
        $((${total//,/} / 200)) "$micro"
done
echo
echo "soak: stretches of 100 application font changes and 100000 spin steps, until the heap stops"
"$bench/soak" 2>/dev/null | sed 's/^/  /'
