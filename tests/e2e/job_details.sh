#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Job Details with real X input: Ctrl+J opens the form for the open meter file, what is typed is
# saved beside it as NAME.job.json on Enter, edits left with Esc change nothing, and with
# LANGUAGE=fr the form's title is French.
# Exits 77 (skipped) when the X tools are missing.
# Usage: job_details.sh MIRELTA MIRELTA-CLI DEMO-FILE ARTEFACT-FOLDER
set -u
gui=$1 cli=$2 file=$3 artefacts=$4
source "$(dirname "$0")/x_session.sh"

x_session_start 24 1920x1080
mkdir -p "$work/site"
cp "$file" "$work/site/roof.dat"
app_start "$work/site/roof.dat"
xdotool windowmove --sync "$win" 0 0

echo "Ctrl+J opens the form; what is typed is saved beside the meter file"
xdotool key ctrl+j
form=$(wait_window '^Job Details - roof.job.json') || fail "Ctrl+J showed no Job Details form"
xdotool windowactivate --sync "$form"
xdotool type --delay 20 'Camille Martin'
xdotool key alt+z
xdotool type --delay 20 '80 cm'
xdotool key Return
job=$work/site/roof.job.json
saved() { grep -q '"customer": "Camille Martin"' "$job" 2>/dev/null; }
poll 5 saved || fail "no job file with the customer beside the meter file"
grep -q '"dishSize": "80 cm"' "$job" || fail "the dish size was not saved: $(cat "$job")"
poll 5 window_gone '^Job Details' || fail "the form stayed open after saving"

echo "Edits left with Esc leave the file as it is"
before=$(sha256sum "$job")
click 360 20
xdotool key ctrl+j
form=$(wait_window '^Job Details') || fail "Ctrl+J did not reopen the form"
xdotool windowactivate --sync "$form"
xdotool key ctrl+a
xdotool type --delay 20 'Someone else'
xdotool key Escape
poll 5 window_gone '^Job Details' || fail "Esc did not close the form"
[ "$(sha256sum "$job")" = "$before" ] || fail "Esc changed the job file"
echo "With LANGUAGE=fr the window's own words are French: the form is \"Intervention\""
kill "$app_pid"; wait "$app_pid" 2>/dev/null
LANGUAGE=fr app_start "$work/site/roof.dat"
xdotool key ctrl+j
wait_window '^Intervention - roof.job.json$' >/dev/null || fail "no French title on the form"
echo "PASS: job details are typed, saved beside the meter file and kept; French chrome by locale"
