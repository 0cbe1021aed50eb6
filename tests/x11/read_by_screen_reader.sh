#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the program the way a screen reader does: on a private D-Bus session
# with its own accessibility bus and a private Xvfb server, starts the
# program on the xcb platform with its accessibility bridge on, and lets an
# AT-SPI client (read_by_screen_reader.py) walk its tree from the desktop.
# Usage: read_by_screen_reader.sh <quenvale>
set -eu
program=$1
here=$(cd "$(dirname "$0")" && pwd)
# Debian's AT-SPI client library is for Debian's own Python, which a python3
# found first on PATH may not be.
python=/usr/bin/python3

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Everything below runs on a session bus of its own, gone when this ends.
if [ -z "${QUENVALE_PRIVATE_SESSION:-}" ]; then
    command -v dbus-run-session >/dev/null || fail "dbus-run-session not found (package dbus)"
    QUENVALE_PRIVATE_SESSION=1 exec timeout 100 dbus-run-session -- "$0" "$@"
fi

bus_launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$bus_launcher" ] || fail "$bus_launcher not found (package at-spi2-core)"
"$python" -c 'import gi; gi.require_version("Atspi", "2.0")' ||
    fail "no AT-SPI client for $python (packages python3-gi, gir1.2-atspi-2.0)"
. "$here/private_x_server.sh"

work=$(mktemp -d)
chmod 700 "$work"
export XDG_RUNTIME_DIR="$work"
xvfb_pid=""
launcher_pid=""
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$launcher_pid" ] && kill "$launcher_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_x_server "$work" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"

# The program is the X server's only client: the server resets whenever its
# last client leaves, and a client connecting during the reset is refused.
# The accessibility bus and its client find each other over D-Bus instead.
env -u DISPLAY "$bus_launcher" --launch-immediately 2>"$work/launcher.log" &
launcher_pid=$!

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" 2>"$work/program.log" &
program_pid=$!

if ! env -u DISPLAY timeout 60 "$python" "$here/read_by_screen_reader.py"; then
    echo "--- program" >&2
    cat "$work/program.log" >&2
    echo "--- accessibility bus" >&2
    cat "$work/launcher.log" >&2
    echo "--- X server on $DISPLAY" >&2
    kill -0 "$xvfb_pid" 2>/dev/null || echo "(no longer running)" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
kill -0 "$program_pid" 2>/dev/null || fail "the program ended: $(cat "$work/program.log")"
