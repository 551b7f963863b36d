#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# End to end: the real pelvaro on Xvfb on the simulated device, driven through the X server.
# Start-up must change neither register file, turning spin boxes must write nothing, each write
# button must write exactly its line, and closing the window must end the program with 0.
#
#   e2e_session.sh PELVARO XCLOSE SIMULATED-DEVICE [EMULATOR [ARG...]]
#
# EMULATOR, where given, runs both programs (qemu-arm for a cross-built suite).
set -uo pipefail
source "$(dirname "$0")/common.sh"
require_tools xdotool

file_state() { stat -c '%i %Y.%y' "$1" 2>/dev/null; od -An -c "$1" 2>/dev/null; }
wait_for_change() { # FILE OLD-STATE
    local tries=0
    while [ "$(file_state "$1")" = "$2" ] && [ $tries -lt 50 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
}

device=$(mktemp -d)
trap 'rm -rf "$device"' EXIT
printf '02000210\n' >"$device/CCCR"
printf '0A\n' >"$device/VCORE"

# The device is checked before the display is started, so that its absence is a clean skip.
require_simulated_device "$device"

cccr_start=$(file_state "$device/CCCR")
vcore_start=$(file_state "$device/VCORE")

start_panel "$simulated_device" "$device" -- "${pelvaro[@]}" || { summary; exit 1; }
sleep 0.5

check "start-up leaves CCCR as it was" "$cccr_start" "$(file_state "$device/CCCR")"
check "start-up leaves VCORE as it was" "$vcore_start" "$(file_state "$device/VCORE")"

# L from 16 to 17 in "changeL" (50,330 70x30); VCORE from 10 to 9 in "changeVCORE" (500,90).
xdotool mousemove --window "$window" 85 345 click 1 key Up
xdotool mousemove --window "$window" 535 105 click 1 key Down
sleep 0.5
check "turning spin boxes leaves CCCR as it was" "$cccr_start" "$(file_state "$device/CCCR")"
check "turning spin boxes leaves VCORE as it was" "$vcore_start" "$(file_state "$device/VCORE")"

# "Write CCCR" at 520,310 91x31.
xdotool mousemove --window "$window" 565 325 click 1
wait_for_change "$device/CCCR" "$cccr_start"
check "Write CCCR writes L 17, 2N 4, A 1" "$(printf '02000211\n' | od -An -c)" \
    "$(od -An -c "$device/CCCR")"
check "Write CCCR leaves VCORE as it was" "$vcore_start" "$(file_state "$device/VCORE")"

# "Write VCORE" at 490,180 91x31.
xdotool mousemove --window "$window" 535 195 click 1
wait_for_change "$device/VCORE" "$vcore_start"
check "Write VCORE writes 09" "$(printf '09\n' | od -An -c)" "$(od -An -c "$device/VCORE")"

close_and_wait "$window" $program
check "closing the window ends the program with status 0" 0 "$exit_status"

summary
