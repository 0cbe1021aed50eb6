# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that run the program on an X server of their own.

# start_x_server DIR [WIDTHxHEIGHT]: starts Xvfb on a free display with one
# screen (1024x768 unless given), its log in DIR/xvfb.log, sets xvfb_pid and
# exports DISPLAY.  Fails if the server does not come up.
start_x_server() {
    Xvfb -displayfd 3 -screen 0 "${2:-1024x768}x24" -nolisten tcp -noreset 3>"$1/display" 2>"$1/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$1/display" ] && break
        sleep 0.1
    done
    [ -s "$1/display" ] || return 1
    DISPLAY=":$(cat "$1/display")"
    export DISPLAY
}

# Prints the id of the program's visible window once it maps (within 30 s);
# fails when none does.
wait_for_window() {
    window_id=$(timeout 30 xdotool search --sync --onlyvisible --name '^Quenvale$' | head -n 1)
    [ -n "$window_id" ] && echo "$window_id"
}
