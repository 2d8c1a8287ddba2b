#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# With the installed MIME package in the database, a meter file is of Mirelta's type and an
# unrelated .dat file is not.
set -euo pipefail
root=$1 meter_file=$2
type=application/x-mirelta-meter-memory
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/data/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$root"/usr/share/mime/packages/*.xml \
   "$work/data/mime/packages/"
update-mime-database "$work/data/mime"
cp "$meter_file" "$work/MEMORY.dat"
head -c 42652 /dev/urandom > "$work/random.dat"
printf 'frequency;level\n1702;57\n' > "$work/table.dat"

query() {
  # GNOME's xdg-mime asks GIO, which reads the shared MIME database.
  XDG_DATA_HOME=$work/data XDG_DATA_DIRS=$work/data XDG_CURRENT_DESKTOP=GNOME \
    xdg-mime query filetype "$1"
}
[ "$(query "$work/MEMORY.dat")" = "$type" ] || { echo "FAIL: meter file: $(query "$work/MEMORY.dat")"; exit 1; }
for other in random table; do
  got=$(query "$work/$other.dat")
  [ "$got" != "$type" ] || { echo "FAIL: $other.dat is claimed as $got"; exit 1; }
done
echo "the meter file is $type; unrelated .dat files are not"
