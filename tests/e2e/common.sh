# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Shared by the end-to-end scripts, which are called as
#   SCRIPT PELVARO HELPER SIMULATED-DEVICE [EMULATOR [ARG...]]
# EMULATOR, where given, runs both programs (qemu-arm for a cross-built suite). The X tests run
# under xvfb-run, whose log XVFB_LOG names.
# shellcheck shell=bash
source "$(dirname "${BASH_SOURCE[0]}")/../check.sh"

skip_code=77
simulated_device=$3
emulator=("${@:4}")
# The folder under which the emulator looks up every absolute path first (qemu-arm's -L).
emulator_root=
for ((i = 0; i + 1 < ${#emulator[@]}; i++)); do
    [ "${emulator[i]}" = -L ] && emulator_root=${emulator[i + 1]}
done
pelvaro=("${emulator[@]}" "$1")
xclose=("${emulator[@]}" "$2")

require_tools() { # TOOL...: skips the test when one is missing
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit $skip_code; }
    done
}

# Skips the test where this machine cannot simulate the device (the simulator's own 77), but not
# under CI, where it must; any other failure of the simulator fails the test.
require_simulated_device() { # DIR
    "$simulated_device" "$1" -- true
    local status=$?
    [ $status -eq 0 ] && return 0
    [ $status -eq $skip_code ] && [ "${CI:-}" != true ] && exit $skip_code
    echo "FAIL: the simulated device cannot be made (status $status)"
    exit 1
}

# Asks the window to close and sets exit_status to the program's, or to "timeout".
close_and_wait() { # WINDOW PID
    "${xclose[@]}" "$1"
    exit_status=timeout
    wait_for "the program to end" ended "$2" || { kill "$2"; return; }
    wait "$2"
    exit_status=$?
}

# Watches FOLDER from outside the program with inotify, one event a line ("EVENTS NAME") into
# EVENTS, and waits until the watches are established; sets watcher.
watch_folder() { # FOLDER EVENTS
    inotifywait -m --format '%e %f' -e modify,close_write,attrib,create,delete,move "$1" \
        >"$2" 2>"$2.log" &
    watcher=$!
    wait_for "inotify's watches on $1" grep -q '^Watches established' "$2.log"
}

# Returns once the watcher has reported every event in FOLDER until now: it makes a marker file
# and waits for its event, which comes after all before it. device_events leaves the markers out.
fences=0
fence() { # FOLDER EVENTS
    fences=$((fences + 1))
    : >"$1/.fence-$fences"
    wait_for "inotify's report of .fence-$fences" grep -q " \.fence-$fences\$" "$2"
}
device_events() { grep -v ' \.fence-[0-9]*$' "$1"; } # EVENTS
