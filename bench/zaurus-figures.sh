#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Prints the emulated Zaurus's figures of docs/performance.md: the time from power-on to the
# panel's first frame, with the disk's font cache and without it, and, with the panel shown and
# then with a one-label Qt window instead, the machine's MemTotal and MemAvailable and the
# program's VmRSS and VmHWM. Also the time from each program's start to its first frame, with
# the font cache warm. The machine runs this machine's Debian release (12 with Linux 6.1, 13 with
# 6.12) and its package, all built here; --debian runs the whole in a container of the release
# named, as scripts/test --debian does. Its work goes to build-armel-bench/zaurus-MACHINE.
#
#   bench/zaurus-figures.sh [spitz|borzoi|terrier] [--debian 13|12]     (default spitz)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
source "$repo/scripts/lib/common.sh"
source "$repo/scripts/lib/zaurus.sh"
machine=${1:-spitz} release=$(debian_release)
packages=("${build_packages[@]}" g++-arm-linux-gnueabi "${zaurus_packages[@]}" imagemagick)
if [ "${2:-}" = --debian ] && [ "${3:-}" != "$release" ]; then
    debian_codename "${3:-}" >/dev/null || exit 2
    container_packages=("${packages[@]}")
    run_in_debian "$3" bench/zaurus-figures.sh "$machine"
    exit
fi
ensure_packages "${packages[@]}"
ensure_zaurus_parts "$release"
build="$repo/build-armel-bench"
build_targets=(startup_panel startup_floor)
build_project "$build" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/armel-toolchain.cmake" \
    -DPELVARO_SYSROOT="$cross_root" -DPELVARO_BENCHMARKS=ON -DBUILD_TESTING=OFF
tool=$repo/tests/zaurus/machine.pl
work=$build/zaurus-$machine
rm -rf "$work" && mkdir -p "$work/extra/usr/local/bin"
# As the machine boots in scripts/run: with cpufreq and the module, so /proc/zaurus.
zaurus_modules_tree "$work/extra" pxa2xx-cpufreq "$zaurus_module"
cp "$build/bench/startup_panel" "$build/bench/startup_floor" "$work/extra/usr/local/bin"
qemu=
trap '[ -z "$qemu" ] || kill $qemu 2>/dev/null' EXIT

# Waits for a frame on the Zaurus's 480 x 640 screen, which stays black until a program draws
# on it; before the machine sets its screen up, qemu shows a picture of its own of another size.
# A screendump holds qemu's lock: taken without a pause between them, they slowed the boot to
# the panel from 12 s to 24-27 s, so they are 0.2 s apart, which is the figures' resolution.
await_frame() { # DEADLINE
    local screen
    until screen=$("$tool" "$work/monitor" screen "$work/screen.png" 2>/dev/null &&
        identify -format '%w %[max]' "$work/screen.png") && [[ $screen == 480\ * && $screen != "480 0" ]]
    do
        [ $SECONDS -lt $1 ] && kill -0 $qemu 2>/dev/null ||
            { say "no frame on $machine's screen; its console:"; tail -n 20 "$work/console.log" >&2; exit 1; }
        sleep 0.2
    done
}
# Boots DISK; sets first_frame to the seconds from qemu's start to the first frame.
boot_to_first_frame() { # DISK
    local start
    zaurus_command "$machine" "$1"
    start=$(date +%s.%N)
    start_zaurus_headless "$work"
    qemu=$zaurus_pid
    await_frame $((SECONDS + 300))
    first_frame=$(awk -v start="$start" -v now="$(date +%s.%N)" 'BEGIN { printf "%.1f", now - start }')
}
halt() { kill $qemu && wait $qemu 2>/dev/null || true; qemu=; }
guest() { "$tool" "$work/console" run "$1"; } # COMMAND, run in the machine's root shell
# The memory with the program NAME shown: MemTotal and MemAvailable, its VmRSS and VmHWM. The
# machine has bash and coreutils, not sed or awk: it reads, this machine picks.
memory_of() { # NAME
    guest "cat /proc/meminfo /proc/\$(pids_of $1)/status" |
        awk '/^(MemTotal|MemAvailable|VmRSS|VmHWM):/ { v[$1] = $2 }
            END { printf "%8s %8s %8s %8s kB\n", v["MemTotal:"], v["MemAvailable:"], v["VmRSS:"], v["VmHWM:"] }'
}
# Ends the program NAME and blanks the screen.
end_program() { # NAME
    guest "kill \$(pids_of $1); while [ -n \"\$(pids_of $1)\" ]; do :; done; cat /dev/zero >/dev/fb0 2>/dev/null; true"
}
start_to_first_frame() { # COMMAND: its start to its first frame, in the machine's own clock
    guest "{ time $1 -platform linuxfb >/dev/null 2>&1; } 2>&1" | awk '$1 == "real" { print $2 }'
}

make_zaurus_disk "$work/warm.img" "$zaurus_deb" "$work/extra"
cp "$work/warm.img" "$work/cold.img"
for cache in "$zaurus_root"/var/cache/fontconfig/*; do
    echo "rm /var/cache/fontconfig/${cache##*/}"
done | debugfs -w -f - "$work/cold.img" >/dev/null 2>&1

echo "emulated $machine with Debian $release and Linux $(cat \
    "$zaurus_kernel_build/include/config/kernel.release"): qemu $("${zaurus_emulator[@]}" --version |
    sed -n '1s/.* version //p'), on" \
    "$(nproc) cores of $(sed -n 's/model name\s*: //p' /proc/cpuinfo | head -n1)"
boot_to_first_frame "$work/cold.img"
cold=$first_frame

halt
boot_to_first_frame "$work/warm.img"
warm=$first_frame
echo "power-on to the panel's first frame: $cold s without the font cache, $warm s with it"
echo
# In the machine's shell: the process ids of a program, by its name.
guest 'pids_of() { for p in /proc/[0-9]*; do [ "$(cat $p/comm 2>/dev/null)" = "$1" ] && echo ${p#/proc/}; done; }' >/dev/null
printf '  %-34s %8s %8s %8s %8s\n' "shown" MemTotal MemAvail. VmRSS VmHWM
printf '  %-34s %s\n' "the panel" "$(memory_of pelvaro)"
end_program pelvaro
panel_start=$(start_to_first_frame /usr/local/bin/startup_panel)
floor_start=$(start_to_first_frame /usr/local/bin/startup_floor)
guest "{ /usr/local/bin/startup_floor --keep-open -platform linuxfb >/dev/null 2>&1 & }" >/dev/null
await_frame $((SECONDS + 300))
printf '  %-34s %s\n' "a one-label window (startup_floor)" "$(memory_of startup_floor)"
echo
echo "start to first frame, warm font cache: the panel $panel_start, a one-label window $floor_start"

halt
