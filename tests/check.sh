# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# The shell tests' helpers: check each result and end with summary; start_panel on X.
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

# Starts the command given on the X display and sets program (its pid) and window (the id of
# its visible window titled "pelvaro", waited for up to 20 s).
start_panel() { # COMMAND [ARG...]
    QT_QPA_PLATFORM=xcb "$@" &
    program=$!
    local why="the panel's window did not appear on $DISPLAY"
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^pelvaro$' 2>/dev/null | head -n1)
        [ -n "$window" ] && return 0
        kill -0 "$program" 2>/dev/null || { why="the program ended before its window appeared"; break; }
        sleep 0.2
    done
    echo "FAIL: $why"
    kill "$program" 2>/dev/null
    failures=$((failures + 1))
    return 1
}
