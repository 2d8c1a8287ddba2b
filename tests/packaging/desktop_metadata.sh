#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed desktop entry, metainfo, MIME package and man pages pass their validators
# without a single hint or warning, and share one application id and version.
set -euo pipefail
root=$1 id=$2 version=$3
share=$root/usr/share
fail() { echo "FAIL: $*"; exit 1; }

out=$(desktop-file-validate "$share/applications/$id.desktop" 2>&1) || fail "$out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
grep -qx "Icon=$id" "$share/applications/$id.desktop" || fail "the desktop entry's icon is not $id"
for key in 'Name\[fr\]' 'GenericName\[fr\]' 'Comment\[fr\]' MimeType Keywords GenericName TryExec \
           Categories; do
  grep -q "^$key=" "$share/applications/$id.desktop" || fail "the desktop entry has no $key"
done

metainfo=$share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$metainfo" >/dev/null 2>&1 ||
  fail "$(appstreamcli validate --no-net "$metainfo" 2>&1)"
xmllint --noout "$metainfo" "$share/mime/packages/$id.xml" || fail "xmllint"
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo id is not $id"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fail "licence"

for page in mirelta mirelta-cli; do
  warnings=$(zcat "$share/man/man1/$page.1.gz" | LC_ALL=C.UTF-8 groff -ww -man -Tutf8 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page.1: $warnings"
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS 'EXIT STATUS' FILES EXAMPLES; do
    zgrep -q "^\.SH \"\?$section\"\?$" "$share/man/man1/$page.1.gz" || fail "$page.1 has no $section"
  done
  zgrep -q "\"Mirelta $version\"" "$share/man/man1/$page.1.gz" || fail "$page.1 is not of $version"
done
echo "desktop entry, metainfo, MIME package and man pages are valid"
