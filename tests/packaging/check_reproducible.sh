#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Makes the Debian package as the README does (scripts/run's build, then cpack) from copies of
# the source in two folders, one after the other, without SOURCE_DATE_EPOCH. They must be the
# same to the byte:   check_reproducible.sh SOURCE-DIR
# It copies what git tracks and dates by the last commit, so it needs the git checkout.
set -uo pipefail
source "$(dirname "$0")/../check.sh"
if [ "$(git -C "$1" rev-parse --show-toplevel 2>/dev/null)" != "$(cd "$1" && pwd)" ]; then
    echo "SKIP: $1 is no git checkout, and this check copies what git tracks"
    exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
unset SOURCE_DATE_EPOCH
for copy in one/pelvaro two/elsewhere; do
    mkdir -p "$scratch/$copy"
    (cd "$1" && { git ls-files -z -co --exclude-standard; printf '.git\0'; } | tar --null -T - -cf -) |
        tar -C "$scratch/$copy" -xf -
    (source "$scratch/$copy/scripts/lib/common.sh" && build_targets=(pelvaro pelvaro_docs) &&
        build_project "$repo_root/build" && cd "$repo_root/build" && cpack -G DEB) >"$scratch/log" 2>&1 ||
        { cat "$scratch/log"; echo "FAIL: making the package in $copy"; exit 1; }
done
for deb in "$scratch"/one/pelvaro/build/*.deb; do
    check "the two ${deb##*/} are the same to the byte" same \
        "$(cmp "$deb" "$scratch/two/elsewhere/build/${deb##*/}" && echo same)"
done
summary
