# A virtual X display and the panel's window on it, for screenshots and end-to-end tests.
# shellcheck shell=bash

# Starts Xvfb on a free display and exports DISPLAY; the server ends with the calling shell.
start_virtual_display() {
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    local tries=0
    until [ -s "$display_file" ]; do
        sleep 0.1
        tries=$((tries + 1))
        [ $tries -lt 100 ] || { echo "Xvfb did not start" >&2; rm -f "$display_file"; return 1; }
    done
    export DISPLAY=:$(head -n1 "$display_file")
    rm -f "$display_file"
}

stop_virtual_display() {
    if [ -n "${xvfb_pid:-}" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    xvfb_pid=
}

# Prints the id of the visible window titled "pelvaro", waiting up to 20 s for it.
panel_window() {
    local window tries=0
    until window=$(xdotool search --onlyvisible --name '^pelvaro$' 2>/dev/null | head -n1) &&
        [ -n "$window" ]; do
        sleep 0.2
        tries=$((tries + 1))
        [ $tries -lt 100 ] || { echo "the panel's window did not appear" >&2; return 1; }
    done
    echo "$window"
}

# Runs the command given on a virtual display, saves a picture of its panel to $1 and ends it.
screenshot_panel() {
    local out=$1 program window="" status=0
    shift
    start_virtual_display || return 1
    QT_QPA_PLATFORM=xcb "$@" &
    program=$!
    if window=$(panel_window); then
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
