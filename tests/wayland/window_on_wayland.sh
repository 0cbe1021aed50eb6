#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a headless weston with a runtime folder and socket of its own, runs
# the program on it natively (the wayland platform, no XWayland) and reads the
# Wayland protocol as the client speaks it: one toplevel window with the app_id
# of the desktop entry, the title "Quenvale", a fixed size, and a first frame
# drawn after the compositor configured it.  Then ends the program and weston.
# Usage: window_on_wayland.sh <quenvale>
set -eu
program=$1

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
weston_pid=""
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The program and weston must see only this compositor.
unset DISPLAY WAYLAND_SOCKET
XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR
socket=quenvale-wayland-test

weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --no-config \
    >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
    kill -0 "$weston_pid" 2>/dev/null || fail "weston ended: $(cat "$work/weston.log")"
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "weston made no socket: $(cat "$work/weston.log")"
echo "weston is listening on $socket"

WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$program" \
    >"$work/program.log" 2>&1 &
program_pid=$!

# The first frame: a buffer attached after the toplevel's first configure.
drawn() {
    sed -n '/xdg_toplevel@[0-9]*\.configure(/,$p' "$work/program.log" |
        grep -q -- '-> wl_surface@[0-9]*\.attach(wl_buffer@'
}
for _ in $(seq 300); do
    drawn && break
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended: $(grep -v '^\[' "$work/program.log")"
    sleep 0.1
done
drawn || fail "no frame drawn within 30 s: $(grep -v '^\[' "$work/program.log")"

requests=$(grep -o -- '-> xdg_toplevel@[0-9]*\.[a-z_]*(.*)' "$work/program.log" | sed 's/@[0-9]*//')
echo "$requests"
[ "$(echo "$requests" | grep -c -- '-> xdg_toplevel.set_app_id(')" -eq 1 ] || fail "one toplevel wanted"
echo "$requests" | grep -qx -- '-> xdg_toplevel.set_app_id("org.quenvale.Quenvale")' ||
    fail "app_id is not org.quenvale.Quenvale"
echo "$requests" | grep -qx -- '-> xdg_toplevel.set_title("Quenvale")' || fail "title is not Quenvale"
minimum=$(echo "$requests" | sed -n 's/^-> xdg_toplevel.set_min_size(\(.*\))$/\1/p' | tail -n 1)
maximum=$(echo "$requests" | sed -n 's/^-> xdg_toplevel.set_max_size(\(.*\))$/\1/p' | tail -n 1)
[ -n "$minimum" ] && [ "$minimum" = "$maximum" ] || fail "not a fixed size: $minimum, $maximum"
grep -q 'wl_display@[0-9]*\.error(' "$work/program.log" && fail "protocol error: $(grep 'error(' "$work/program.log")"
echo "window drawn natively on Wayland, fixed size $minimum"

# A headless compositor has no close button to press: the program is asked to
# end by SIGTERM, and must be gone within 5 s.
kill -TERM "$program_pid"
for _ in $(seq 50); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null && fail "the program still runs 5 s after SIGTERM"
if wait "$program_pid"; then status=0; else status=$?; fi
program_pid=""
[ "$status" -eq 0 ] || [ "$status" -eq 143 ] || fail "the program ended with status $status"

kill -TERM "$weston_pid"
if wait "$weston_pid"; then :; fi
weston_pid=""
echo "PASS: the program runs natively on Wayland"
