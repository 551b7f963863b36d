#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Takes the README's route to the Debian package twice, from copies of the source in two
# differently named folders, one after the other and without SOURCE_DATE_EPOCH: scripts/run's
# build, then cpack. The two packages must be the same to the byte.
#
#   check_reproducible.sh SOURCE-DIR
set -uo pipefail
source "$(dirname "$0")/../check.sh"
source_dir=$1
command -v dpkg-deb >/dev/null || { echo "SKIP: dpkg-deb is not installed"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
unset SOURCE_DATE_EPOCH
debs=()
for copy in one/pelvaro two/elsewhere; do
    mkdir -p "$scratch/$copy"
    (cd "$source_dir" && { git ls-files -z -co --exclude-standard; printf '.git\0'; } |
        tar --null -T - -cf -) | tar -C "$scratch/$copy" -xf -
    if ! (source "$scratch/$copy/scripts/lib/common.sh"
        build_targets=(pelvaro pelvaro_docs)
        build_project "$repo_root/build" && cd "$repo_root/build" && cpack -G DEB) \
        >"$scratch/log" 2>&1; then
        cat "$scratch/log"
        echo "FAIL: building the package in $copy"
        exit 1
    fi
    debs+=("$(ls "$scratch/$copy"/build/*.deb)")
done

check "both packages are the same to the byte" same "$(cmp -s "${debs[@]}" && echo same)"
if [ $failures -gt 0 ]; then # where they differ, file by file
    for i in 0 1; do dpkg-deb -R "${debs[$i]}" "$scratch/unpacked$i"; done
    diff -r "$scratch/unpacked0" "$scratch/unpacked1"
    for i in 0 1; do
        dpkg-deb --fsys-tarfile "${debs[$i]}" | tar -tv --full-time >"$scratch/contents$i"
    done
    diff "$scratch/contents0" "$scratch/contents1"
fi
summary
