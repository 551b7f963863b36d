#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# End to end: the real pelvaro on Xvfb on the simulated device, driven through the X server.
# Start-up must change neither register file, turning spin boxes must write nothing, each write
# button must write exactly its line, and closing the window must end the program with 0.
# inotify watches the device's folder from outside.
#
#   e2e_session.sh PELVARO XCLOSE SIMULATED-DEVICE [EMULATOR [ARG...]]
#
# EMULATOR, where given, runs both programs (qemu-arm for a cross-built suite).
set -uo pipefail
source "$(dirname "$0")/common.sh"
require_tools xdotool inotifywait

work=$(mktemp -d)
device=$work/device events=$work/events watcher=
mkdir "$device"
trap 'kill $watcher 2>/dev/null; rm -rf "$work"' EXIT
printf '02000210\n' >"$device/CCCR"
printf '0A\n' >"$device/VCORE"

# The device is checked before the display is started, so that its absence is a clean skip.
require_simulated_device "$device"
watch_folder "$device" "$events" || { summary; exit 1; }
start_panel "$simulated_device" "$device" -- "${pelvaro[@]}" || { summary; exit 1; }

# L from 16 to 17 in "changeL" (50,330 70x30); VCORE from 10 to 9 in "changeVCORE" (500,90).
xdotool mousemove --window "$window" 85 345 click 1 key Up
xdotool mousemove --window "$window" 535 105 click 1 key Down

# "Write CCCR" at 520,310 91x31; "Write VCORE" at 490,180 91x31.
closed() { grep -q "^CLOSE_WRITE.* $1\$" "$events"; } # FILE
xdotool mousemove --window "$window" 565 325 click 1
wait_for "CCCR to be written" closed CCCR
check "Write CCCR writes L 17, 2N 4, A 1" "$(printf '02000211\n' | od -An -c)" \
    "$(od -An -c "$device/CCCR")"
xdotool mousemove --window "$window" 535 195 click 1
wait_for "VCORE to be written" closed VCORE
check "Write VCORE writes 09" "$(printf '09\n' | od -An -c)" "$(od -An -c "$device/VCORE")"

close_and_wait "$window" $program
check "closing the window ends the program with status 0" 0 "$exit_status"

# The program has ended: once the watcher has reported all until now, its log is complete.
fence "$device" "$events"
check "start-up and turning change neither file; each click changes its own, once" \
    "MODIFY CCCR CLOSE_WRITE,CLOSE CCCR MODIFY VCORE CLOSE_WRITE,CLOSE VCORE" \
    "$(device_events "$events" | uniq | xargs)"

summary
