#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# End to end without X: the real pelvaro on Qt's framebuffer screen (the vnc platform, which
# draws through the same code as linuxfb and needs no device), on the simulated device, clicked
# through the platform's own input path: a pointer event over the RFB protocol. Also starts it
# on a screen smaller than the panel. The screens are saved as framebuffer-WxH.png in the
# working folder.
#
#   e2e_framebuffer.sh PELVARO RFBCLIENT SIMULATED-DEVICE [EMULATOR [ARG...]]
set -uo pipefail
source "$(dirname "$0")/common.sh"
rfbclient=("${emulator[@]}" "$2")

work=$(mktemp -d)
trap 'kill $program 2>/dev/null; rm -rf "$work"' EXIT
program=
device=$work/device
mkdir "$device"
printf '02000210\n' >"$device/CCCR"
printf '1A\n' >"$device/VCORE"
require_simulated_device "$device"

port=$((20000 + $$ % 20000))
start_on_framebuffer() { # WIDTHxHEIGHT
    port=$((port + 1))
    "$simulated_device" "$device" -- "${pelvaro[@]}" \
        -platform "vnc:size=$1:depth=16:port=$port" >"$work/pelvaro-$1.log" 2>&1 &
    program=$!
}
stop_program() {
    kill "$program" 2>/dev/null
    wait "$program" 2>/dev/null
}

# 640 x 480 at 16 bits per pixel; "Write VCORE" is at 490,180 91x31.
start_on_framebuffer 640x480
check "the screen is 640 x 480 at 16 bits per pixel" "640x480 16" \
    "$("${rfbclient[@]}" $port framebuffer-640x480.png 535 195)"
for _ in $(seq 50); do
    [ "$(od -An -c "$device/VCORE")" = "$(printf '0A\n' | od -An -c)" ] && break
    sleep 0.1
done
check "a click on Write VCORE writes VCORE 1A back as 0A" "$(printf '0A\n' | od -An -c)" \
    "$(od -An -c "$device/VCORE")"
check "and leaves CCCR as it was" "$(printf '02000210\n' | od -An -c)" "$(od -An -c "$device/CCCR")"
check "the program still runs" yes "$(kill -0 "$program" 2>/dev/null && echo yes)"
stop_program
cat "$work/pelvaro-640x480.log"

# On a screen smaller than the panel it starts all the same and shows what fits.
start_on_framebuffer 320x240
check "the small screen is 320 x 240" "320x240 16" \
    "$("${rfbclient[@]}" $port framebuffer-320x240.png)"
check "the program runs on the small screen" yes "$(kill -0 "$program" 2>/dev/null && echo yes)"
stop_program
cat "$work/pelvaro-320x240.log"

summary
