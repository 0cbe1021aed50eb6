#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program with nothing to show a window on, from an emptied
# environment and from one where the display variables are set but empty: it
# must print one line on stderr saying so and end with status 1, without Qt's
# abort.
# Usage: no_graphical_session.sh <quenvale>
set -eu
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

check() {
    description=$1
    shift
    if timeout 20 env -i "$@" "$program" >"$work/out" 2>"$work/err"; then status=0; else status=$?; fi
    [ "$status" -eq 1 ] || fail "$description: status $status, stderr: $(cat "$work/err")"
    [ ! -s "$work/out" ] || fail "$description: wrote to stdout: $(cat "$work/out")"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$description: stderr is not one line: $(cat "$work/err")"
    grep -q "needs a graphical session" "$work/err" || fail "$description: $(cat "$work/err")"
    echo "$description: $(cat "$work/err")"
}

check "empty environment"
check "empty variables" DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM= HOME=/nonexistent
