#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# cpack builds mirelta_<version>_<arch>.deb holding the install tree plus Debian's copyright and
# changelog, with shlibdeps' libraries and the fonts among its relations, and lintian finds no
# error in it.
set -euo pipefail
build=$1 expected=$2 version=$3
fail() { echo "FAIL: $*"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >cpack.log 2>&1) ||
  fail "$(cat "$work/cpack.log")"
deb=$work/mirelta_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"); built: $(ls "$work")"

actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sed 's|^\./||' | LC_ALL=C sort)
wanted=$( (cat "$expected"; echo usr/share/doc/mirelta/copyright
           echo usr/share/doc/mirelta/changelog.gz) | LC_ALL=C sort)
diff -u <(echo "$wanted") <(echo "$actual") || fail "the package's files differ (- expected, + packaged)"

depends=$(dpkg-deb -f "$deb" Depends)
for wanted in libqt6widgets6 libc6 qt6-qpa-plugins fonts-liberation2; do
  [[ ",$depends," == *", $wanted"[\ ,]* || ",$depends," == *",$wanted"[\ ,]* ]] ||
    fail "Depends lacks $wanted: $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = "fonts-wqy-microhei, dtv-scan-tables, qt6-translations-l10n" ] || fail "Recommends"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "Version"

lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
cat "$work/lintian.log"
if grep -q '^E: ' "$work/lintian.log"; then
  fail "lintian reports errors"
fi
echo "$(basename "$deb") holds the expected files and lintian reports no error"
