#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# End to end on the emulated Zaurus: boots qemu's MACHINE (spitz, borzoi or terrier) from a
# disk with the armel package DEB installed and the kernel module built in MODULE-SOURCE loaded
# at boot, beside a stand-in for the core-voltage regulator qemu lacks. It waits for the panel
# on the 480 x 640 screen and works it with the Zaurus's keyboard through qemu's monitor, as a
# user would: what it writes must reach cpufreq and the regulator, as qemu's own output and the
# kernel's files show. Then writers and readers work both files at once, the module is reloaded
# under a reader, and the test kernel's checkers (lockdep among them) must have found nothing in
# the kernel's log. The screens are saved in the working folder as zaurus-MACHINE-*.png,
# beside the build machine's PELVARO on Qt's VNC screen of the same size and register values.
#
#   e2e_zaurus.sh MACHINE KERNEL-BUILD ROOT DEB MODULE-SOURCE PELVARO SIMULATED-DEVICE VNC.PL
set -uo pipefail
source "$(dirname "$0")/../check.sh"
source "$(dirname "$0")/../../scripts/lib/common.sh"
source "$(dirname "$0")/../../scripts/lib/zaurus.sh"
machine=$1 zaurus_kernel_build=$2 zaurus_root=$3 deb=$4 module=$5/pelvaro_zaurus.ko
pelvaro=$6 simulated_device=$7 vnc=(perl "$8")
tool=$(dirname "$0")/machine.pl
ensure_zaurus_emulator

work=$PWD/zaurus-$machine
rm -rf "$work" && mkdir -p "$work/device"
qemu= reference=
trap '[ -z "$qemu" ] || kill $qemu 2>/dev/null; [ -z "$reference" ] || kill $reference 2>/dev/null' EXIT

# The build machine's panel at the Zaurus's size, from the registers the Zaurus starts with,
# and with the Zaurus's fonts and fontconfig rules: this machine may have other fonts that
# fontconfig prefers for "helvetica".
printf '02000210\n' >"$work/device/CCCR"
printf '0A\n' >"$work/device/VCORE"
cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$zaurus_root/usr/share/fonts</dir>
  <include ignore_missing="yes">$zaurus_root/etc/fonts/conf.d</include>
  <cachedir>$work/fontconfig</cachedir>
</fontconfig>
CONF
port=$(free_port)
FONTCONFIG_FILE=$work/fonts.conf "$simulated_device" "$work/device" -- "$pelvaro" \
    -platform "vnc:size=480x640:depth=16:port=$port" >"$work/reference.log" 2>&1 &
reference=$!
"${vnc[@]}" "$port" screen "$work/zaurus-$machine-expected.png" >/dev/null
kill $reference

build_zaurus_standin "$work/vcc-core" || exit 1
# The stand-in before cpufreq on spitz, as a real SL-C3000's regulator comes first; after it on
# borzoi, where cpufreq then has the kernel's dummy regulator, and only the module keeps the
# voltage fit for the clock.
standin=$work/vcc-core/vcc_core_standin.ko
case $machine in spitz) order=("$standin" pxa2xx-cpufreq) ;; *) order=(pxa2xx-cpufreq "$standin") ;; esac
zaurus_modules_tree "$work/modules" "${order[@]}" "$module"
make_zaurus_disk "$work/disk.img" "$deb" "$work/modules" || { echo "FAIL: making the disk"; exit 1; }
zaurus_command "$machine" "$work/disk.img"
start_zaurus_headless "$work"
qemu=$zaurus_pid
# The kernel's log from the machine's memory, which holds it however the kernel ended: __log_buf
# is at its kernel address less 0xc0000000 plus 0xa0000000, where the PXA270's memory starts.
log_buf=($(arm-linux-gnueabi-nm -S "$zaurus_kernel_build/vmlinux" |
    awk '$4 == "__log_buf" { print $1, $2 }'))
kernel_log() {
    "$tool" "$work/monitor" command "pmemsave $((0x${log_buf[0]} - 0x20000000)) 0x${log_buf[1]} \
        \"$work/log_buf\"" >/dev/null && strings -n 6 "$work/log_buf"
}
console_tail() { echo "the serial console's last lines:"; tail -n 25 "$work/console.log" |
    sed 's/^/  /'; echo "the kernel's log:"; kernel_log | tail -n 25 | sed 's/^/  /'; }
report() { cat "$work/stopped" 2>/dev/null || console_tail; } # when it stopped answering, or now

# The screen as the Zaurus shows it, saved as NAME, and how many of its pixels differ from the
# screen saved as OTHER (the build machine's) by more than a 16-bit screen's step (8 of 255).
screen_differs_by() { # NAME [OTHER]
    "$tool" "$work/monitor" screen "$work/zaurus-$machine-$1.png" && { compare -metric AE \
        -fuzz 3.2% "$work/zaurus-$machine-"{"${2:-expected}","$1"}.png null: 2>&1 || [ $? -eq 1 ]; }
}
# The panel is up once the screens agree but for the blinking text cursor in the spin box that
# has the focus (about 30 pixels), or the machine has stopped or its kernel has reported a fault.
faults='WARNING:|Warning:|\<BUG\>|[Ll]ockdep|Oops|Internal error|Unable to handle|Kernel panic'
panel_or_stop() {
    kernel_log | grep -q -E "$faults" && return 0
    ended "$qemu" && return 0
    [ "$(screen_differs_by start 2>/dev/null || echo 999999)" -le 64 ]
}
wait_seconds=180 wait_for "the panel on $machine's screen" panel_or_stop
check "the kernel does not panic" "" "$(kernel_log | grep -m1 -B3 'Kernel panic')"
differing=$(screen_differs_by start)
echo "$differing pixels differ from the build machine's panel"
check "the Zaurus shows the panel as the build machine does" yes "$([ "$differing" -le 64 ] && echo yes)"
[ $failures -eq 0 ] || { console_tail; summary; exit 1; }

# Each step from here builds on the one before: the first that is not seen ends the test.
step() { wait_for "$@" && [ ! -e "$work/stopped" ] || { "$tool" "$work/monitor" screen \
    "$work/zaurus-$machine-failed.png"; report; summary; exit 1; }; } # WHAT COMMAND [ARG...]
# What the kernel holds, read in the machine, and how often qemu saw the clocks change. A console
# that does not answer within a minute is a stopped machine: what it showed then is kept, and
# every later command fails at once.
guest() { # COMMAND, run in the machine's root shell
    [ ! -e "$work/stopped" ] || return 124
    "$tool" "$work/console" run "$1" && return 0
    [ $? -ne 124 ] || { echo "FAIL: the machine stopped answering"; console_tail; } >"$work/stopped"
    return 1
}
line() { printf "$1" | od -An -c; } # TEXT: its bytes, as od shows them
holds() { [ "$(guest "od -An -c $1")" = "$(line "$2")" ]; } # FILE TEXT
frequency() { guest "cat /sys/devices/system/cpu/cpu0/cpufreq/scaling_cur_freq"; }
microvolts() { guest 'for r in /sys/class/regulator/*; do [ "$(cat $r/name)" != "vcc_core range" ] ||
    cat $r/microvolts; done'; }
changes() { grep -c 'pxa2xx_clkcfg_write: CPU frequency change attempt' "$work/qemu.log"; }
check "the panel's files are the hardware's CCCR and the regulator's step" \
    "$(line '02000210\n0A\n')" "$(guest "od -An -c /proc/zaurus/CCCR /proc/zaurus/VCORE")"
check "cpufreq has the stand-in on spitz, the dummy regulator on borzoi" \
    "$([ $machine = spitz ] && echo 0 || echo 1)" "$(guest dmesg | grep -c 'vcc_core not found')"

# Keys go to an idle machine: one busy with the panel's start may scan a key after it is up.
idle() { [ "$(guest "$(printf %s 'read -r _ u n s i _ </proc/stat; sleep 1; read -r _ U N S I _ ' \
    '</proc/stat; echo $(((I - i) * 100 / (U + N + S + I - u - n - s - i)))')")" -ge 90 ]; }
step "the machine to settle after the panel's start" idle
# From A, where the focus starts, five Tabs reach VCORE: Up makes it 0B, and one Tab more
# reaches Write VCORE.
"$tool" "$work/monitor" keys tab tab tab tab tab up tab spc
step "Write VCORE on $machine" holds /proc/zaurus/VCORE '0B\n'
check "Write VCORE sets the regulator to 1.40 V" 1400000 "$(microvolts)"
# Three Shift+Tabs go back to 2N: Down makes it 3, so 312 MHz, and a Tab reaches Write CCCR.
before=$(changes)
"$tool" "$work/monitor" keys shift-tab shift-tab shift-tab down tab spc
step "Write CCCR on $machine" holds /proc/zaurus/CCCR '02000190\n'
check "cpufreq runs at 312 MHz" 312000 "$(frequency)"
check "qemu saw the clocks change" yes "$([ "$(changes)" -gt "$before" ] && echo yes)"
# Under the performance governor that write is refused as busy, with a message (read from the
# screen by OCR) that names the governor and how to choose userspace; under userspace, it is taken.
governor=/sys/devices/system/cpu/cpu0/cpufreq/scaling_governor
guest "echo performance >$governor" && "$tool" "$work/monitor" keys spc
text_on_screen() { local png=$work/zaurus-$machine-$1.png; "$tool" "$work/monitor" screen "$png" &&
    convert "$png" -resize 300% png:- | tesseract - - 2>/dev/null | tr -s '[:space:]' ' '; }
step "the busy refusal's message" eval 'text_on_screen busy | grep -q "is performance.*Choose userspace"'
guest "echo userspace >$governor" && "$tool" "$work/monitor" keys ret spc
step "Write CCCR under userspace again on $machine" eval '[ "$(frequency)" = 312000 ]'
# L 30 and 2N 6 name no operating point: refused, the panel's message differs from the panel alone
# (focus on Write CCCR: no blinking cursor) only where the box stands. Return (the Zaurus has no
# Escape) takes it away, so that Write VCORE 0A after it reaches the kernel.
before=$(changes)
"$tool" "$work/monitor" keys shift-tab up up up shift-tab $(printf 'up %.0s' {1..14}) tab tab
settled() { mv -f "$work/zaurus-$machine-"{alone,a}.png; [ "$(screen_differs_by alone a)" = 0 ]; }
step "the edited panel to settle on $machine" settled 2>/dev/null
"$tool" "$work/monitor" keys spc
step "the refusal's message on $machine" eval '[ "$(screen_differs_by refused alone)" -gt 2000 ]'
check "the message names the kernel's operating points" 1 \
    "$(text_on_screen refused | grep -c 'name none of the .*operating points')"
"$tool" "$work/monitor" keys ret tab down tab spc
step "Write VCORE after the refused Write CCCR on $machine" holds /proc/zaurus/VCORE '0A\n'
check "a CCCR with no operating point changes nothing" "$(line '02000190\n') 312000 $before" \
    "$(guest "od -An -c /proc/zaurus/CCCR") $(frequency) $(changes)"
screen_differs_by written >/dev/null
# 312 MHz runs on 1.25 V (VCORE 08) at least, 416 MHz on 1.35 V: VCORE 07 there, and 416 MHz on
# VCORE 08, are out of range, whichever of cpufreq and the module has the regulator.
check "a VCORE below the clock's least and a clock above the VCORE are out of range, changing nothing" \
    "2 $(line '02000190\n08\n') 312000 $before" "$(guest "{ printf '07\n' >/proc/zaurus/VCORE
        printf '08\n' >/proc/zaurus/VCORE && printf '02000210\n' >/proc/zaurus/CCCR; } 2>&1" |
        grep -c 'out of range') $(guest "od -An -c /proc/zaurus/CCCR /proc/zaurus/VCORE; printf \
        '0A\n' >/proc/zaurus/VCORE") $(frequency) $(changes)"
# The line's first 34 bytes name 104 MHz, which the voltage step 0A allows; 0C would be taken.
check "a read at an offset gives the rest; a line too long or without its newline is refused" \
    "$(line '0190\n') refused refused $(line '02000190\n0A\n') 312000 $before" \
    "$(guest "dd if=/proc/zaurus/CCCR bs=1 skip=4 2>/dev/null | od -An -c") $(guest \
        "printf '%026d020001087\n' 0 >/proc/zaurus/CCCR 2>/dev/null || echo refused") $(guest \
        "printf 0C >/proc/zaurus/VCORE 2>/dev/null || echo refused") $(guest \
        "od -An -c /proc/zaurus/CCCR /proc/zaurus/VCORE") $(frequency) $(changes)"

# For 20 s two writers (valid and invalid CCCR lines, VCORE steps) and two readers work both
# files at once; the readers keep every CCCR they read. Then the module goes while a reader
# holds CCCR open, and comes back.
guest 'for job in "echo 02000190; echo 0A00031E; echo 02000108; echo 02000210" "echo 0C; echo 0A" \
    "cat /proc/zaurus/CCCR /proc/zaurus/VCORE" "cat /proc/zaurus/VCORE /proc/zaurus/CCCR"; do
    end=$((SECONDS + 20)); case $job in echo*0C*) file=VCORE ;; echo*) file=CCCR ;; *) file= ;; esac
    while [ $SECONDS -lt $end ]; do eval "$job" | while read -r v; do
        if [ -n "$file" ]; then echo "$v" >/proc/zaurus/$file; else echo "$v"; fi; done; done \
        2>/dev/null >>/tmp/read &
    done; wait' >/dev/null
check "every CCCR read is an operating point" "" "$(guest "sort -u /tmp/read" |
    tr -d '\r' | sed -E '/^(02000190|02000108|02000210|0[ABC])$/d' | xargs)"
check "cpufreq runs at the turbo clock CCCR names" yes "$(c=$(guest "cat /proc/zaurus/CCCR")
    f=$(frequency); case $c in 02000190) t=312000 ;; 02000210) t=416000 ;; *) t=104000 ;; esac
    [ "$f" = $t ] && echo yes)"
check "the module goes while CCCR is open, and comes back" "gone $(guest "cat /proc/zaurus/CCCR")" \
    "$(guest "exec 3</proc/zaurus/CCCR; rmmod pelvaro_zaurus && [ ! -e /proc/zaurus ] && echo gone; \
        cat <&3 2>/dev/null; exec 3<&-; modprobe pelvaro_zaurus && cat /proc/zaurus/CCCR" | xargs)"
# The panel, from Write VCORE, where the focus is: Up makes VCORE one step more than it was.
"$tool" "$work/monitor" keys shift-tab up tab spc
step "Write VCORE after the module's return on $machine" holds /proc/zaurus/VCORE '0B\n'
check "the kernel's log has no warning, bug, lockdep report or oops" "" "$(guest dmesg |
    grep -E "$faults")"
check "unloading the module removes /proc/zaurus" gone \
    "$(guest "rmmod pelvaro_zaurus && [ ! -e /proc/zaurus ] && echo gone")"
[ $failures -eq 0 ] || report
summary
