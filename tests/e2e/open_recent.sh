#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A file opened in one run is in the next run's Open Recent submenu of the window's context
# menu; choosing it there shows the same replica as `mirelta-cli render`. Exits 77 (skipped)
# when the X tools are missing.
# Usage: open_recent.sh MIRELTA MIRELTA-CLI DEMO-FILE ARTEFACT-FOLDER
set -u
gui=$1 cli=$2 file=$3 artefacts=$4
source "$(dirname "$0")/x_session.sh"

x_session_start 24
export XDG_CONFIG_HOME=$work/config
cp "$file" "$work/meter.dat"
remembered() { grep -q meter.dat "$work/config/org.mirelta.Mirelta.conf" 2>/dev/null; }

app_start "$work/meter.dat"
poll 5 remembered || fail "the opened file was not remembered"
kill "$app_pid"
wait "$app_pid" 2>/dev/null

app_start
click 360 240 3
wait_window '^Mirelta$' >/dev/null || fail "a right click showed no context menu"
xdotool key Down Right Return
replica_matches recent "$file" --screen find
echo "Open Recent reopened the file of the last run"
