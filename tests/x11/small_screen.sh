#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the small-screen test program on a private Xvfb server with a
# 1366 x 768 screen and the xcb platform; the caller sets QT_FONT_DPI and
# EXPECT_SCROLLING.
# Usage: small_screen.sh <tst_small_screen> [test function...]
set -eu
program=$1
shift
. "$(dirname "$0")/private_x_server.sh"

work=$(mktemp -d)
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT
if ! start_x_server "$work" 1366x768; then
    echo "FAIL: Xvfb did not start: $(cat "$work/xvfb.log")" >&2
    exit 1
fi
QT_QPA_PLATFORM=xcb "$program" "$@"
