# Shared by the end-to-end scripts: a virtual X display and the panel's window on it.
# shellcheck shell=bash

skip_code=77

# Starts Xvfb on a free display and exports DISPLAY; the server ends with the calling shell.
start_virtual_display() {
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
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
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
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
