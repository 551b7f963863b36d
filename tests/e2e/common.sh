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

# Asks the window to close and sets exit_status to the program's, or to "timeout" after 10 s.
close_and_wait() { # WINDOW PID
    "${xclose[@]}" "$1"
    exit_status=timeout
    for _ in $(seq 100); do
        if ! kill -0 "$2" 2>/dev/null; then
            wait "$2"
            exit_status=$?
            return
        fi
        sleep 0.1
    done
    kill "$2" 2>/dev/null
}
