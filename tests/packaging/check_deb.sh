#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the Debian package with cpack, inspects its control fields and contents, and has
# lintian check it.
#
#   check_deb.sh BUILD-DIR EXPECTED-ARCHITECTURE
set -uo pipefail
build=$1 architecture=$2
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || {
    cat "$out/cpack.log"
    echo "FAIL: cpack -G DEB"
    exit 1
}
deb=$(ls "$out"/*.deb)

failures=0 passes=0
expect() { # DESCRIPTION PATTERN TEXT
    if grep -Eq -- "$2" <<<"$3"; then
        echo "PASS: $1"
        passes=$((passes + 1))
    else
        echo "FAIL: $1: [$3] does not match [$2]"
        failures=$((failures + 1))
    fi
}

expect "package name" '^pelvaro$' "$(dpkg-deb -f "$deb" Package)"
expect "architecture from the build" "^$architecture\$" "$(dpkg-deb -f "$deb" Architecture)"
depends=$(dpkg-deb -f "$deb" Depends)
expect "depends on Qt's widget library, found by shlibdeps" 'libqt6widgets6 \(>= 6' "$depends"
expect "depends on the C library" 'libc6 \(>= ' "$depends"
expect "depends on Qt's platform plugins" '(^|, )qt6-qpa-plugins(,|$)' "$depends"
expect "depends on the font with Helvetica's metrics" '(^|, )fonts-liberation(,|$)' "$depends"
expect "recommends the font with the Japanese glyphs" '^fonts-sawarabi-mincho$' \
    "$(dpkg-deb -f "$deb" Recommends)"
expect "has a description" 'handheld' "$(dpkg-deb -f "$deb" Description)"
contents=$(dpkg-deb -c "$deb")
app=org.pelvaro.pelvaro
for path in usr/bin/pelvaro usr/share/applications/$app.desktop \
    usr/share/metainfo/$app.metainfo.xml usr/share/icons/hicolor/scalable/apps/$app.svg \
    usr/share/pelvaro/translations/pelvaro_de.qm usr/share/pelvaro/translations/pelvaro_ja.qm; do
    expect "contains /$path" " \./$path\$" "$contents"
done
expect "the program is executable" '^-rwxr-xr-x .* \./usr/bin/pelvaro$' "$contents"

# Debian's own checker, with its info tags shown: no error and no warning.
if report=$(lintian -I --fail-on error,warning "$deb" 2>&1); then
    echo "PASS: lintian finds no error and no warning"
    passes=$((passes + 1))
else
    echo "FAIL: lintian"
    failures=$((failures + 1))
fi
printf '%s\n' "$report" | grep -E '^[EWI]: ' | sed 's/^/  /'

echo "$passes passed, $failures failed"
[ $failures -eq 0 ]
