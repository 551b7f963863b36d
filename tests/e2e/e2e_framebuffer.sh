#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# End to end without X: the real pelvaro on Qt's framebuffer screen (the vnc platform, which
# draws through the same code as linuxfb and needs no device), on the simulated device, used
# over VNC as a person would: on the handheld's VGA screen, and on screens smaller than the
# panel, where the write buttons are reached with the stylus on the scroll bar or with Tab.
# The screens are saved as framebuffer-WxH*.png in the working folder.
#
#   e2e_framebuffer.sh PELVARO VNC.PL SIMULATED-DEVICE [EMULATOR [ARG...]]
set -uo pipefail
source "$(dirname "$0")/common.sh"
vnc=(perl "$2")
perl -MNet::VNC -e 1 2>/dev/null || { echo "SKIP: Net::VNC (libnet-vnc-perl) is missing"; exit 77; }

work=$(mktemp -d)
trap 'kill $program 2>/dev/null; rm -rf "$work"' EXIT
program=
device=$work/device
mkdir "$device"
require_simulated_device "$device"

start_on_framebuffer() { # WIDTHxHEIGHT
    # Register texts that differ from the lines a write puts there, so that every write shows.
    printf '2000210\n' >"$device/CCCR"
    printf '1A\n' >"$device/VCORE"
    port=$(free_port)
    "$simulated_device" "$device" -- "${pelvaro[@]}" \
        -platform "vnc:size=$1:depth=16:port=$port" >"$work/pelvaro-$1.log" 2>&1 &
    program=$!
}
stop_program() { # WIDTHxHEIGHT
    check "the program still runs at $1" yes "$(kill -0 "$program" 2>/dev/null && echo yes)"
    kill "$program" 2>/dev/null
    wait "$program" 2>/dev/null
    cat "$work/pelvaro-$1.log"
}
bytes() { od -An -c "$@"; }
# The file's bytes once they are the expected ones, waited for.
settled_bytes() { # FILE EXPECTED-BYTES
    wait_for "$1 to hold the line written" holds "$1" "$2"
    bytes "$1"
}
holds() { [ "$(bytes "$1")" = "$2" ]; } # FILE BYTES
# Presses the top- or bottom-most write button on the screen, and checks what each file holds:
# first the file the button writes, then, once that write is done, the other.
press_and_expect() { # top|bottom SCREEN-FILE BUTTON CCCR-TEXT VCORE-TEXT
    "${vnc[@]}" $port press-red "$1" "$2" >/dev/null
    local -A text=([CCCR]=$4 [VCORE]=$5)
    local written=${3#Write } other=CCCR file
    [ "$written" = CCCR ] && other=VCORE
    for file in "$written" "$other"; do
        check "after $3, $file holds ${text[$file]}" "$(printf "${text[$file]}" | bytes)" \
            "$(settled_bytes "$device/$file" "$(printf "${text[$file]}" | bytes)")"
    done
}

# The VGA screen, 640 x 480 at 16 bits per pixel: the panel fits, and is its own window at the
# top left, with the bare screen beside and below it.
start_on_framebuffer 640x480
# A system without what Qt's VNC screen links (QtNetwork's OpenSSL) cannot show it at all.
wait_for "the VNC screen, or the program's end" eval \
    '(: <>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || ended $program'
ended $program && grep -q 'Could not load the Qt platform plugin "vnc"' "$work/pelvaro-640x480.log" &&
    { echo "SKIP: Qt's VNC screen cannot load here: $(cat "$work/pelvaro-640x480.log")"; exit 77; }
check "the screen is 640 x 480" 640x480 "$("${vnc[@]}" $port screen framebuffer-640x480.png)"
check "the screen beside the panel is bare" "0 0 0" "$("${vnc[@]}" $port pixel 634 200)"
check "the screen below the panel is bare" "0 0 0" "$("${vnc[@]}" $port pixel 300 450)"
press_and_expect top framebuffer-640x480-pressed.png "Write VCORE" '2000210\n' '0A\n'
press_and_expect bottom framebuffer-640x480-pressed.png "Write CCCR" '02000210\n' '0A\n'
stop_program 640x480

# The clamshell's viewing position, 480 x 640: neither button is on the screen at first. Taps
# near the right end of the scroll bar along the bottom edge bring both in.
start_on_framebuffer 480x640
check "the screen is 480 x 640" 480x640 "$("${vnc[@]}" $port screen framebuffer-480x640.png)"
"${vnc[@]}" $port tap 440 636 5
press_and_expect bottom framebuffer-480x640-scrolled.png "Write CCCR" '02000210\n' '1A\n'
press_and_expect top framebuffer-480x640-scrolled.png "Write VCORE" '02000210\n' '0A\n'
stop_program 480x640

# QVGA, 320 x 240, by keyboard: the focus starts in A; four Tabs reach "Write CCCR", two more
# "Write VCORE", and each comes into view.
start_on_framebuffer 320x240
check "the screen is 320 x 240" 320x240 "$("${vnc[@]}" $port screen framebuffer-320x240.png)"
"${vnc[@]}" $port tab 4
press_and_expect bottom framebuffer-320x240-tab4.png "Write CCCR" '02000210\n' '1A\n'
"${vnc[@]}" $port tab 2
press_and_expect top framebuffer-320x240-tab6.png "Write VCORE" '02000210\n' '0A\n'
stop_program 320x240

summary
