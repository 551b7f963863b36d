#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the build into a scratch root with cmake --install and validates what a desktop
# reads: the desktop entry, the AppStream metainfo and the icons. On an X display, also starts
# the entry's action as a user with an empty home would, from the menu.
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
    share/icons/hicolor/scalable/apps/$app.svg bin/pelvaro-simulated-device; do
    check "installs $file" yes "$(test -s "$root/usr/$file" && echo yes)"
done
check "the program has no library search path of its own" "" \
    "$(readelf -d "$root/usr/bin/pelvaro" | grep -E 'RPATH|RUNPATH')"
check "leaves Debian's changelog and copyright file to the package" "" \
    "$(ls -A "$root/usr/share/doc" 2>/dev/null)"
desktop-file-validate "$root/usr/share/applications/$app.desktop"
check "desktop entry is valid" 0 $?
appstreamcli validate --pedantic --no-net --explain "$root/usr/share/metainfo/$app.metainfo.xml"
check "metainfo is valid" 0 $?
appstreamcli validate-tree --no-net "$root"
check "metainfo and desktop entry agree" 0 $?
check "icon is an SVG drawing" yes \
    "$(grep -q '<svg' "$root/usr/share/icons/hicolor/scalable/apps/$app.svg" && echo yes)"
check "installs a 48 x 48 PNG icon" "0 0 0 48 0 0 0 48" "$(od -An -j16 -N8 -tu1 \
    "$root/usr/share/icons/hicolor/48x48/apps/$app.png" | xargs)" # a PNG's width and height

# The entry's action, started by an ordinary user with an empty home (nobody, where this is
# root), opens the panel on a device in that home, in a window of the entry's class with an icon.
if [ -n "${DISPLAY:-}" ] && command -v xdotool xprop >/dev/null; then
    entry=$root/usr/share/applications/$app.desktop home=$(mktemp -d) as_user=()
    [ "$(id -u)" -ne 0 ] || { as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
        chmod 755 "$root" && chown 65534:65534 "$home"; }
    read -ra action <<<"$(sed -n '/^\[Desktop Action/,$s/^Exec=//p' "$entry")"
    start_panel "${as_user[@]}" env -i HOME="$home" PATH="$root/usr/bin:/usr/bin:/bin" \
        DISPLAY="$DISPLAY" "${action[@]}"
    check "the window's class is the entry's" "$(sed -n 's/^StartupWMClass=//p' "$entry")" \
        "$(xprop -id "$window" WM_CLASS | sed 's/.*, "\(.*\)"/\1/')"
    check "the window carries a 48 x 48 icon" 1 \
        "$(xprop -id "$window" _NET_WM_ICON | grep -c 'Icon (48 x 48)')"
    vcore=$home/.local/state/pelvaro/simulated-device/VCORE
    xdotool mousemove --window "$window" 535 105 click 1 key Down \
        mousemove --window "$window" 535 195 click 1 # VCORE 10 to 9, Write VCORE
    check "Write VCORE writes into the device in that home" "$(printf '09\n' | od -An -c)" \
        "$(changed_bytes "$vcore" "$(printf '0A\n' | od -An -c)")"
    kill "$program" && rm -rf "$home"
fi
summary
