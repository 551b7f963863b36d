#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the build into a scratch root with cmake --install and validates what a desktop
# reads: the desktop entry, the AppStream metainfo, the icon and the catalogues.
#
#   check_install.sh BUILD-DIR
set -uo pipefail
source "$(dirname "$0")/../check.sh"
build=$1
for tool in desktop-file-validate appstreamcli; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

app=org.pelvaro.pelvaro
for file in bin/pelvaro share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
    share/icons/hicolor/scalable/apps/$app.svg; do
    check "installs $file" yes "$(test -s "$root/usr/$file" && echo yes)"
done
check "the program has no library search path of its own" "" \
    "$(readelf -d "$root/usr/bin/pelvaro" | grep -E 'RPATH|RUNPATH')"
check "leaves Debian's changelog and copyright file to the package" "" \
    "$(ls -A "$root/usr/share/doc" 2>/dev/null)"
desktop-file-validate "$root/usr/share/applications/$app.desktop"
check "desktop entry is valid" 0 $?
appstreamcli validate --no-net --explain "$root/usr/share/metainfo/$app.metainfo.xml"
check "metainfo is valid" 0 $?
appstreamcli validate-tree --no-net "$root"
check "metainfo and desktop entry agree" 0 $?
check "icon is an SVG drawing" yes \
    "$(grep -q '<svg' "$root/usr/share/icons/hicolor/scalable/apps/$app.svg" && echo yes)"
summary
