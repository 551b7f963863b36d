# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# The shell tests' helpers: check each result and end with summary; wait_for an event;
# start_panel on X.
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

# Runs COMMAND until it succeeds, for up to wait_seconds (a minute), however busy the machine;
# where it never does, fails the test's count and returns 1.
wait_seconds=60
wait_for() { # WHAT COMMAND [ARG...]
    local deadline=$((SECONDS + wait_seconds))
    until "${@:2}"; do
        if [ $SECONDS -ge $deadline ]; then
            echo "FAIL: waited $wait_seconds s for $1"
            failures=$((failures + 1))
            return 1
        fi
        sleep 0.1
    done
}

# A TCP port on the loopback address that no one listens on now.
free_port() {
    perl -MIO::Socket::INET -e \
        'print IO::Socket::INET->new(Listen => 1, LocalAddr => "127.0.0.1", LocalPort => 0)->sockport'
}

# Starts the command given on the X display and sets program (its pid) and window (the id of
# its visible window titled "pelvaro").
start_panel() { # COMMAND [ARG...]
    QT_QPA_PLATFORM=xcb "$@" &
    program=$!
    window=
    wait_for "the panel's window on $DISPLAY" panel_shown_or_ended
    [ -n "$window" ] && return 0
    ended "$program" && check "the program runs until its window appears" running ended
    kill "$program" 2>/dev/null
    return 1
}
panel_shown_or_ended() {
    window=$(xdotool search --onlyvisible --name '^pelvaro$' 2>/dev/null | head -n1)
    [ -n "$window" ] || ended "$program"
}
ended() { ! kill -0 "$1" 2>/dev/null; } # PID

# The file's bytes, as od shows them, once a write has changed them from BEFORE: the program
# writes its line in one call, so the file then holds it whole, never the empty file that its
# opening for writing leaves for a moment.
changed_bytes() { # FILE BEFORE
    wait_for "$1 to change" written_over "$1" "$2"
    od -An -c "$1"
}
written_over() { [ -s "$1" ] && [ "$(od -An -c "$1")" != "$2" ]; }
