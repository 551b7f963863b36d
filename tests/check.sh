# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# The shell tests' one way to pass or fail: check each result, then end with summary.
# shellcheck shell=bash

passes=0 failures=0
check() { # DESCRIPTION EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then
        echo "PASS: $1"
        passes=$((passes + 1))
    else
        echo "FAIL: $1: expected [$2], got [$3]"
        failures=$((failures + 1))
    fi
}

# Prints the count and fails where a check failed; a test run by xvfb-run also shows the X
# server's log (XVFB_LOG) then.
summary() {
    echo "$passes passed, $failures failed"
    [ $failures -eq 0 ] && return 0
    [ -s "${XVFB_LOG:-}" ] && sed 's/^/  Xvfb: /' "$XVFB_LOG"
    return 1
}
