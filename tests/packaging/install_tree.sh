#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into ROOT with prefix /usr, as a package would; the other packaging
# checks look at that tree.
set -euo pipefail
build=$1 root=$2
rm -rf "$root"
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
