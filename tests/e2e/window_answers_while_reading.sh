#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window opened on a pipe whose writer stays silent keeps answering: F1 brings up the About
# box at once, long before the read's deadline. Exits 77 (skipped) when the X tools are missing.
# Usage: window_answers_while_reading.sh MIRELTA ARTEFACT-FOLDER
set -u
gui=$1 artefacts=$2
source "$(dirname "$0")/x_session.sh"

x_session_start 24
mkfifo "$work/meter.dat"
exec 3<>"$work/meter.dat"  # a writer that never writes
app_start "$work/meter.dat"

start=$(date +%s%N)
xdotool windowactivate --sync "$win" key F1 2>/dev/null || xdotool windowfocus --sync "$win" key F1
wait_window '^About Mirelta$' >/dev/null || fail "no About box: the window is not answering"
took=$(( ($(date +%s%N) - start) / 1000000 ))
# The read's deadline is 5 s; an answer well before it shows the read did not hold the window.
[ "$took" -lt 4000 ] || fail "the About box took $took ms: the window waited for the read"
echo "the window answered in $took ms while the read was pending"
