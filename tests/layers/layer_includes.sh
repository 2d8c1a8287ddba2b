#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# No layer includes a layer above it: each src/ folder may include only the folders listed
# for it here. A new folder must be added to the table.
set -euo pipefail
src=$1
declare -A may_use=(
  [data]=""
  [format]="data"
  [fixtures]="data"
  [platform]=""
  [screens]="data format platform"
  [export]="data format platform screens assess"
  [assess]="data format"
  [analysis]="data format"
  [logbook]="data format assess analysis"
  [report]="data format platform screens export assess analysis"
  [app]="data format platform screens export assess analysis logbook report"
  [cli]="data format platform screens export assess analysis logbook report"
  [version]=""
)
status=0
for dir in "$src"/*/; do
  layer=$(basename "$dir")
  if [ -z "${may_use[$layer]+known}" ]; then
    echo "FAIL: src/$layer is not in the layer table"
    status=1
    continue
  fi
  while IFS=: read -r file _ line; do
    used=$(sed -n 's/.*#include "\([a-z_]*\)\/.*/\1/p' <<<"$line")
    [ -n "$used" ] && [ "$used" != "$layer" ] || continue
    if [[ " ${may_use[$layer]} " != *" $used "* ]]; then
      echo "FAIL: ${file#"$src"/} includes $used/, above or beside its layer $layer"
      status=1
    fi
  done < <(grep -rn '#include "[a-z_]*/' "$dir" || true)
done
[ $status -eq 0 ] && echo "no layer includes one above it"
exit $status
