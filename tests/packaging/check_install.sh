#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the build into a scratch root with cmake --install and validates what a desktop
# reads: the desktop entry, the AppStream metainfo, the icon and the catalogues.
#
#   check_install.sh BUILD-DIR
set -uo pipefail
build=$1
for tool in desktop-file-validate appstreamcli; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

failures=0 passes=0
check() { # DESCRIPTION COMMAND...
    local description=$1
    shift
    if output=$("$@" 2>&1); then
        echo "PASS: $description"
        passes=$((passes + 1))
    else
        echo "FAIL: $description"
        echo "$output"
        failures=$((failures + 1))
    fi
}

app=org.pelvaro.pelvaro
for file in bin/pelvaro share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
    share/icons/hicolor/scalable/apps/$app.svg share/pelvaro/translations/pelvaro_de.qm \
    share/pelvaro/translations/pelvaro_ja.qm; do
    check "installs $file" test -s "$root/usr/$file"
done
check "desktop entry is valid" desktop-file-validate "$root/usr/share/applications/$app.desktop"
check "metainfo is valid" appstreamcli validate --no-net --explain \
    "$root/usr/share/metainfo/$app.metainfo.xml"
check "metainfo and desktop entry agree" appstreamcli validate-tree --no-net "$root"
check "icon is an SVG drawing" grep -q '<svg' "$root/usr/share/icons/hicolor/scalable/apps/$app.svg"

echo "$passes passed, $failures failed"
[ $failures -eq 0 ]
