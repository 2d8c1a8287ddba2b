#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: translations_complete.sh LUPDATE SOURCE_DIR TS_FILE
# Every window text marked for translation has its French: lupdate, run over the sources into a
# copy of the Linguist file, leaves no message unfinished.
set -euo pipefail
lupdate=$1 sources=$2 ts=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$ts" "$scratch/words.ts"
"$lupdate" -silent "$sources" -ts "$scratch/words.ts" >/dev/null 2>&1
if grep -B1 '<translation type="unfinished"' "$scratch/words.ts" | grep '<source>'; then
  echo "The texts above have no French in $ts; refresh it with lupdate and translate them." >&2
  exit 1
fi
