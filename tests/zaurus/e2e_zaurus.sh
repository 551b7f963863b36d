#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# End to end on the emulated Zaurus: boots qemu's MACHINE (spitz, borzoi or terrier) from a
# disk with the armel package DEB installed, waits for the panel on its 480 x 640 screen, and
# works it with the Zaurus's keyboard through qemu's monitor, as a user would. The screens are
# saved in the working folder as zaurus-MACHINE-*.png, beside the build machine's PELVARO on
# Qt's VNC screen of the same size, with the same register values.
#
#   e2e_zaurus.sh MACHINE KERNEL ROOT DEB PELVARO SIMULATED-DEVICE VNC.PL
set -uo pipefail
source "$(dirname "$0")/../check.sh"
source "$(dirname "$0")/../../scripts/lib/common.sh"
source "$(dirname "$0")/../../scripts/lib/zaurus.sh"
machine=$1 zaurus_kernel=$2 zaurus_root=$3 deb=$4 pelvaro=$5 simulated_device=$6 vnc=(perl "$7")
tool=$(dirname "$0")/machine.pl
if ! qemu-system-arm -M help 2>/dev/null | grep -q "^$machine "; then
    echo "SKIP: this qemu has no $machine: qemu 7.2 has the PXA machines, later ones dropped them"
    exit 77
fi

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

make_zaurus_disk "$work/disk.img" "$deb"
zaurus_command "$machine" "$work/disk.img"
"${zaurus_qemu[@]}" -display none -monitor "unix:$work/monitor,server=on,wait=off" \
    -chardev "socket,id=console,path=$work/console,server=on,wait=off,logfile=$work/console.log" \
    -serial chardev:console >"$work/qemu.log" 2>&1 &
qemu=$!
console_tail() { echo "the serial console's last lines:"; tail -n 25 "$work/console.log" | sed 's/^/  /'; }

# The screen as the Zaurus shows it, and how many of its pixels differ from the build machine's.
screen_differs_by() {
    "$tool" "$work/monitor" screen "$work/zaurus-$machine-$1.png" >/dev/null &&
        "$tool" "$work/zaurus-$machine-expected.png" compare "$work/zaurus-$machine-$1.png"
}
# The panel is up once the screens agree but for the blinking text cursor in the spin box that
# has the focus (about 30 pixels), or the machine has stopped.
panel_or_stop() {
    grep -q -E 'Kernel panic|end Kernel panic' "$work/console.log" 2>/dev/null && return 0
    ended "$qemu" && return 0
    [ "$(screen_differs_by start 2>/dev/null || echo 999999)" -le 64 ]
}
wait_seconds=300 wait_for "the panel on $machine's screen" panel_or_stop
check "the kernel does not panic" "" "$(grep -m1 -A3 'Kernel panic' "$work/console.log")"
differing=$(screen_differs_by start)
echo "$differing pixels differ from the build machine's panel"
check "the Zaurus shows the panel as the build machine does" yes "$([ "$differing" -le 64 ] && echo yes)"
[ $failures -eq 0 ] || { console_tail; summary; exit 1; }

# From A, where the focus starts, five Tabs reach VCORE: Up makes it 0B, and one Tab more
# reaches Write VCORE. Then four Shift+Tabs go back to L, Up makes it 17, and two Tabs reach
# Write CCCR.
files=/root/.local/state/pelvaro/simulated-device
line() { printf "$1" | od -An -c; } # TEXT: its bytes, as od shows them
guest_bytes() { "$tool" "$work/console" run "od -An -c $files/$1"; } # FILE, read in the machine
holds() { [ "$(guest_bytes "$1")" = "$(line "$2")" ]; } # FILE TEXT
"$tool" "$work/monitor" keys tab tab tab tab tab up tab spc
wait_for "Write VCORE on $machine" holds VCORE '0B\n'
check "keys on the Zaurus write VCORE 0B" "$(line '0B\n')" "$(guest_bytes VCORE)"
"$tool" "$work/monitor" keys shift-tab shift-tab shift-tab shift-tab up tab tab spc
wait_for "Write CCCR on $machine" holds CCCR '02000211\n'
check "keys on the Zaurus write CCCR 02000211" "$(line '02000211\n')" "$(guest_bytes CCCR)"
screen_differs_by written >/dev/null

# On the disk, once the Zaurus has put it in order.
"$tool" "$work/console" run "sync; mount -o remount,ro /" >/dev/null
kill $qemu && wait $qemu 2>/dev/null
qemu=
disk_bytes() { debugfs -R "cat $files/$1" "$work/disk.img" 2>/dev/null | od -An -c; } # FILE
check "the disk holds VCORE 0B" "$(line '0B\n')" "$(disk_bytes VCORE)"
check "the disk holds CCCR 02000211" "$(line '02000211\n')" "$(disk_bytes CCCR)"
[ $failures -eq 0 ] || console_tail
summary
