# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# A virtual X display and the panel's window on it, for screenshots and end-to-end tests.
# shellcheck shell=bash

# True when the display in DISPLAY accepts a client within five seconds.
display_answers() {
    local tries
    for tries in $(seq 25); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        sleep 0.2
    done
    return 1
}

# Prints what the virtual display's server said, for a failure report.
report_virtual_display() {
    if [ -n "${xvfb_pid:-}" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "Xvfb (pid $xvfb_pid, DISPLAY ${DISPLAY:-unset}) is running; its log:" >&2
    else
        echo "Xvfb (DISPLAY ${DISPLAY:-unset}) is no longer running; its log:" >&2
    fi
    sed 's/^/  Xvfb: /' "${xvfb_log:-/dev/null}" >&2
}

start_xvfb() {
    local display_file tries=0
    display_file=$(mktemp)
    xvfb_log=$(mktemp)
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$display_file" \
        >"$xvfb_log" 2>&1 &
    xvfb_pid=$!
    until [ -s "$display_file" ]; do
        sleep 0.1
        tries=$((tries + 1))
        [ $tries -lt 100 ] && kill -0 "$xvfb_pid" 2>/dev/null || break
    done
    [ -s "$display_file" ] && export DISPLAY=:$(head -n1 "$display_file")
    rm -f "$display_file"
    [ -n "${DISPLAY:-}" ] && display_answers
}

# Starts Xvfb on a free display, waits until it accepts clients and exports DISPLAY; a server
# that fails is reported and replaced, three times at most. The server ends with the calling
# shell through stop_virtual_display.
start_virtual_display() {
    local attempt
    for attempt in 1 2 3; do
        unset DISPLAY
        start_xvfb && return 0
        echo "the virtual display did not start (attempt $attempt of 3)" >&2
        report_virtual_display
        stop_virtual_display
    done
    return 1
}

stop_virtual_display() {
    if [ -n "${xvfb_pid:-}" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -f "${xvfb_log:-}"
    xvfb_pid= xvfb_log=
}

# Prints the id of the visible window titled "pelvaro", waiting up to 20 s for it, or less when
# the process given ends before.
panel_window() { # [PID]
    local window tries=0
    until window=$(xdotool search --onlyvisible --name '^pelvaro$' 2>/dev/null | head -n1) &&
        [ -n "$window" ]; do
        if [ -n "${1:-}" ] && ! kill -0 "$1" 2>/dev/null; then
            echo "the program ended before its window appeared" >&2
            return 1
        fi
        sleep 0.2
        tries=$((tries + 1))
        [ $tries -lt 100 ] || { echo "the panel's window did not appear" >&2; return 1; }
    done
    echo "$window"
}

# Starts the command given on the virtual display and sets program (its pid) and window (its
# panel). When the panel does not appear because the display itself stopped answering, the
# display is reported, started again and the command with it, once; a display that still
# answers means the program failed, and nothing is retried.
start_panel() { # COMMAND [ARG...]
    local attempt
    for attempt in 1 2; do
        QT_QPA_PLATFORM=xcb "$@" &
        program=$!
        window=$(panel_window "$program") && return 0
        kill "$program" 2>/dev/null
        wait "$program" 2>/dev/null
        if display_answers; then
            return 1
        fi
        echo "the virtual display stopped answering" >&2
        report_virtual_display
        [ $attempt = 1 ] || return 1
        stop_virtual_display
        start_virtual_display || return 1
    done
}

# Runs the command given on a virtual display, saves a picture of its panel to $1 and ends it.
screenshot_panel() {
    local out=$1 status=0
    shift
    start_virtual_display || return 1
    if start_panel "$@"; then
        sleep 1
        import -window "$window" "$out" || status=1
    else
        status=1
    fi
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    stop_virtual_display
    return $status
}
