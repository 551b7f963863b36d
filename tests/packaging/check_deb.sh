#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the Debian packages with cpack in the build folder, where they stay for whoever installs
# them, inspects their control fields and contents, and has lintian check them.
#
#   check_deb.sh BUILD-DIR EXPECTED-ARCHITECTURE
set -uo pipefail
source "$(dirname "$0")/../check.sh"
source "$(dirname "$0")/../../scripts/lib/common.sh" # the Debian registry and release
build=$1 architecture=$2
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
rm -f "$build"/pelvaro_*.deb "$build"/pelvaro-dkms_*.deb
(cd "$build" && cpack -G DEB >"$out/cpack.log" 2>&1) || {
    cat "$out/cpack.log"
    echo "FAIL: cpack -G DEB"
    exit 1
}
deb=$(ls "$build"/pelvaro_*.deb) dkms=$(ls "$build"/pelvaro-dkms_*.deb)

check "package name" pelvaro "$(dpkg-deb -f "$deb" Package)"
check "architecture from the build" "$architecture" "$(dpkg-deb -f "$deb" Architecture)"
depends=$(dpkg-deb -f "$deb" Depends | sed 's/, /\n/g') # one a line
check "depends on Qt's widget library, found by shlibdeps" "libqt6widgets6 (>= 6" \
    "$(grep -o '^libqt6widgets6 (>= 6' <<<"$depends")"
check "depends on the C library" "libc6 (>= " "$(grep -o '^libc6 (>= ' <<<"$depends")"
check "suggests Qt's VNC screen and the kernel module, and depends on neither" \
    "qt6-qpa-plugins, pelvaro-dkms" "$(dpkg-deb -f "$deb" Suggests)$(grep -x qt6-qpa-plugins <<<"$depends")"
check "depends on the font with Helvetica's metrics" fonts-liberation \
    "$(grep -x fonts-liberation <<<"$depends")"
check "recommends a gothic face for the Japanese glyphs, xmessage, Qt's catalogues and a sans face" \
    "fonts-sawarabi-gothic | fonts-noto-cjk | fonts-ipafont-gothic, x11-utils, qt6-translations-l10n, fonts-dejavu-core" \
    "$(dpkg-deb -f "$deb" Recommends)"
description=$(dpkg-deb -f "$deb" Description)
check "the synopsis is the summary" "clock and core-voltage panel for ARM handhelds" \
    "$(head -n 1 <<<"$description")"
# Policy 5.6.13: a line that starts with two spaces is shown verbatim, a " ." line parts paragraphs.
check "the description is one paragraph, to be wrapped" "" \
    "$(tail -n +2 <<<"$description" | grep -E '^  |^ \.$')"
check "the description names the processor it suits" PXA27x "$(grep -o -m1 PXA27x <<<"$description")"
contents=$(dpkg-deb -c "$deb" | awk '{ print $1, $6 }') # mode and path
app=org.pelvaro.pelvaro
for path in usr/bin/pelvaro usr/share/applications/$app.desktop \
    usr/share/metainfo/$app.metainfo.xml usr/share/icons/hicolor/scalable/apps/$app.svg; do
    check "contains /$path" "./$path" "$(awk -v path="./$path" '$2 == path { print $2 }' <<<"$contents")"
done
check "the program is executable" -rwxr-xr-x \
    "$(awk '$2 == "./usr/bin/pelvaro" { print $1 }' <<<"$contents")"

version=$(dpkg-deb -f "$deb" Version) release=$(debian_release)
check "the version names the Debian release built for" "+deb$release" "+${version##*+}"
check "the module's source is where DKMS looks, and for any architecture" \
    "all ./usr/src/pelvaro-${version%+deb*}/dkms.conf" \
    "$(dpkg-deb -f "$dkms" Architecture) $(dpkg-deb -c "$dkms" | awk '{ print $6 }' | grep dkms.conf)"

# Debian's own checker, with its info and pedantic tags shown, finds nothing to say.
check "lintian -I --pedantic finds nothing" "" "$(lintian -I --pedantic "$deb" "$dkms" 2>/dev/null)"

# apt resolves it from the registry as an owner installs it, in an empty system of its release and
# architecture; in a disposable system of the release, apt installs it, and it starts.
apt_dir=$out/apt && own_apt "$apt_dir" deb "$architecture"
resolve() { "${apt[@]}" update && "${apt[@]}" install -s "$deb" "$dkms"; }
check "apt resolves both packages in Debian $release $architecture" resolved \
    "$(resolve >"$apt_dir/log" 2>&1 && echo resolved || tail -n 5 "$apt_dir/log")"
if [ -n "${PELVARO_DISPOSABLE_SYSTEM:-}" ] && [ "$architecture" = "$(dpkg --print-architecture)" ]
then
    check "apt installs it in $PELVARO_DISPOSABLE_SYSTEM" installed "$(DEBIAN_FRONTEND=noninteractive \
        apt-get install -q -y "$deb" >"$apt_dir/log" 2>&1 && echo installed || tail -n 5 "$apt_dir/log")"
    [ -z "${DISPLAY:-}" ] || { start_panel /usr/bin/pelvaro && kill "$program"
        check "the installed pelvaro shows its panel" yes "${window:+yes}"; }
fi

summary
