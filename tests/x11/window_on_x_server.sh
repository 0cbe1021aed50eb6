#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program on a private Xvfb server with the xcb platform and checks
# what the window system sees: a window titled exactly "Quenvale" whose
# minimum and maximum sizes are its size, with no minimize or maximize button
# and no position of its own, and a program that ends, with exit code 0, when
# that window is asked to close.
# Usage: window_on_x_server.sh <quenvale> <close_window>
set -eu
program=$1
close_window=$2
. "$(dirname "$0")/private_x_server.sh"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
xvfb_pid=""
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_x_server "$work" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"

QT_QPA_PLATFORM=xcb "$program" 2>"$work/program.log" &
program_pid=$!

window=$(wait_for_window) || true
[ -n "$window" ] || fail "no visible window titled Quenvale: $(cat "$work/program.log")"
echo "window $window"

title=$(xdotool getwindowname "$window")
[ "$title" = "Quenvale" ] || fail "title is '$title'"
net_title=$(xprop -id "$window" _NET_WM_NAME)
[ "$net_title" = '_NET_WM_NAME(UTF8_STRING) = "Quenvale"' ] || fail "$net_title"

hints=$(xprop -id "$window" WM_NORMAL_HINTS)
minimum=$(echo "$hints" | sed -n 's/.*minimum size: \([0-9]* by [0-9]*\).*/\1/p')
maximum=$(echo "$hints" | sed -n 's/.*maximum size: \([0-9]* by [0-9]*\).*/\1/p')
[ -n "$minimum" ] && [ "$minimum" = "$maximum" ] || fail "not a fixed size: $hints"
size=$(xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w " by " h }')
[ "$size" = "$minimum" ] || fail "window is $size, fixed size is $minimum"
echo "fixed size $size"
echo "$hints" | grep -q "specified location" && fail "the program chose a position: $hints"

# Motif hints, read by window managers: flags, functions, decorations.
motif=$(xprop -id "$window" -notype _MOTIF_WM_HINTS | sed -n 's/^_MOTIF_WM_HINTS = //p')
[ -n "$motif" ] || fail "no _MOTIF_WM_HINTS"
functions=$(echo "$motif" | cut -d, -f2)
decorations=$(echo "$motif" | cut -d, -f3)
[ $((functions & 0x1)) -eq 0 ] && [ $((decorations & 0x1)) -eq 0 ] || fail "all functions allowed: $motif"
[ $((functions & 0x18)) -eq 0 ] || fail "minimize or maximize allowed: $motif"
[ $((decorations & 0x60)) -eq 0 ] || fail "minimize or maximize button: $motif"
[ $((functions & 0x20)) -ne 0 ] || fail "no close: $motif"
echo "no minimize, no maximize: $motif"

"$close_window" "$window"
for _ in $(seq 100); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null && fail "the program still runs after its window closed"
if wait "$program_pid"; then status=0; else status=$?; fi
program_pid=""
[ "$status" -eq 0 ] || fail "exit code $status"
echo "PASS: the program ended when its window closed"
