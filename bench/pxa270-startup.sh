#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Prints the start-up figures on the handheld's processor of docs/performance.md: the guest
# instructions executed and the distinct guest code (the instructions at distinct addresses
# qemu translated) of the armel startup_panel and startup_floor, from their start to their first
# frame, phase by phase, on qemu-arm's PXA270 model and the offscreen platform. They are counted
# by bench/guestcount.c, a TCG plugin built here against the plugin API of Debian's qemu, whose
# header comes from Debian's qemu source package (fetched once into ~/.cache/pelvaro).
#
#   bench/pxa270-startup.sh                 (its work in build-armel-bench/)
#   bench/pxa270-startup.sh --debian 13     the same with Debian 13's armel build, qemu and Qt,
#                                           in the container scripts/test --debian 13 runs in
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
source "$repo/scripts/lib/common.sh"
source "$repo/scripts/lib/zaurus.sh"
packages=("${build_packages[@]}" g++-arm-linux-gnueabi gcc qemu-user mmdebstrap xz-utils)
if [ "${1:-}" = --debian ]; then
    debian_codename "${2:-}" >/dev/null || exit 2
    container_packages=("${packages[@]}")
    run_in_debian "$2" bench/pxa270-startup.sh
    exit
fi
ensure_packages "${packages[@]}"
ensure_cross_root armel
build=$repo/build-armel-bench
build_targets=(startup_panel startup_floor)
build_project "$build" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/armel-toolchain.cmake" \
    -DPELVARO_SYSROOT="$cross_root" -DPELVARO_BENCHMARKS=ON -DBUILD_TESTING=OFF

# qemu-arm with TCG plugins: Debian 13 builds it without, so there Debian 12's runs the counts.
# The plugin API's header comes from the source of that qemu release, read through a list of
# sources of its own: the machine's apt configuration stays as it is.
qemu_arm=(qemu-arm) qemu_release=$(debian_release)
if ! qemu-arm -h | grep -q -- '^-plugin'; then
    ensure_debian12_qemu qemu-arm
    qemu_arm=("${debian12_qemu[@]}") qemu_release=12
fi
release=$("${qemu_arm[@]}" --version | sed -n -E '1s/.*\(Debian [0-9]+:(.*)-[^-]*\)$/\1/p')
header=$pelvaro_cache/qemu-$release-plugin/qemu-plugin.h
if [ ! -s "$header" ]; then
    apt_dir=$(mktemp -d)
    trap 'rm -rf "$apt_dir"' EXIT
    own_apt "$apt_dir" deb-src "" "$qemu_release"
    mkdir -p "$(dirname "$header")"
    "${apt[@]}" update >&2
    (cd "$apt_dir" && "${apt[@]}" source --download-only qemu >&2)
    tar -xJf "$apt_dir"/qemu_*.orig.tar.xz -C "$apt_dir" --wildcards '*/include/qemu/qemu-plugin.h'
    mv "$apt_dir"/qemu-*/include/qemu/qemu-plugin.h "$header"
fi
gcc -O2 -Wall -Wextra -shared -fPIC -I "$(dirname "$header")" -o "$build/guestcount.so" \
    "$repo/bench/guestcount.c"

run=("${qemu_arm[@]}" -cpu pxa270 -L "$cross_root" -E FONTCONFIG_SYSROOT="$cross_root"
    -E QT_QPA_PLATFORM=offscreen)
qt=$(ls "$cross_root"/usr/lib/arm-linux-gnueabi/libQt6Core.so.6.*)
echo "Debian $(debian_release "$cross_root") armel, Qt ${qt##*.so.}, on qemu-arm $release's PXA270"
echo "model, offscreen platform; millions of guest instructions"
echo "executed, and thousands of distinct ones, at the end of each phase"
for program in floor panel; do
    # Once without counting, so that fontconfig's caches are there for the counted start.
    "${run[@]}" "$build/bench/startup_$program" 2>/dev/null
    "${run[@]}" -plugin "$build/guestcount.so,out=$build/guestcount-$program.txt" \
        "$build/bench/startup_$program" 2>/dev/null
done
# Each file's lines: "MARK EXECUTED DISTINCT", marks 1 to 5 and "end".
awk 'BEGIN { split("loading and linking,application object,window built,shown,first frame", name, ",") }
    FNR == 1 { program = FILENAME ~ /panel/ ? "panel" : "floor" }
    $1 ~ /^[0-9]+$/ { executed[program, $1] = $2; distinct[program, $1] = $3 }
    END {
        printf "  %-22s %22s %22s\n", "phase", "floor: executed  distinct", "panel: executed  distinct"
        for (mark = 1; mark <= 5; mark++)
            printf "  %-22s %14.1f M %6.1f K %14.1f M %6.1f K\n", name[mark],
                (executed["floor", mark] - executed["floor", mark - 1]) / 1e6,
                (distinct["floor", mark] - distinct["floor", mark - 1]) / 1e3,
                (executed["panel", mark] - executed["panel", mark - 1]) / 1e6,
                (distinct["panel", mark] - distinct["panel", mark - 1]) / 1e3
        printf "  %-22s %14.1f M %6.1f K %14.1f M %6.1f K\n", "start to first frame",
            executed["floor", 5] / 1e6, distinct["floor", 5] / 1e3,
            executed["panel", 5] / 1e6, distinct["panel", 5] / 1e3
        printf "  panel / floor: %.3f x the instructions, %.3f x the distinct code\n",
            executed["panel", 5] / executed["floor", 5], distinct["panel", 5] / distinct["floor", 5]
    }' "$build/guestcount-floor.txt" "$build/guestcount-panel.txt"
