#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# The kernel module, from the source pelvaro-dkms installs, and the machine's stand-in regulator
# in the kernel's style: the kernel's checkpatch --strict finds nothing in them, and each builds
# against the Zaurus's kernel with W=1 and sparse on every file without a warning. So are the
# patches that kernel was built with.
#
#   check_kernel_style.sh KERNEL-BUILD ROOT DEB MODULE-SOURCE STANDIN-SOURCE
set -uo pipefail
source "$(dirname "$0")/../check.sh"
source "$(dirname "$0")/../../scripts/lib/zaurus.sh"
zaurus_kernel_build=$1
command -v sparse >/dev/null || { echo "SKIP: sparse is not installed"; exit 77; }
for source in "$4" "$5"; do
    name=$(basename "$source")
    work=$PWD/kernel-style/$name
    # The sources only, not what an earlier build made beside them.
    rm -rf "$work" && mkdir -p "$work" && cp "$source"/Kbuild "$work"
    find "$source" -maxdepth 1 \( -name '*.[ch]' ! -name '*.mod.c' \) -exec cp {} "$work" \;
    check "checkpatch --strict finds nothing in $name" "" \
        "$("$zaurus_kernel_build/source/scripts/checkpatch.pl" --strict --no-tree --quiet -f \
            "$work"/*.[ch] "$work"/Kbuild 2>&1)"
    check "W=1 and sparse find nothing in $name" "" \
        "$(build_zaurus_module "$work" W=1 C=2 2>&1 >/dev/null || echo "the build failed")"
done
# The patches this kernel was built with, as its maintainers would take them.
for patch in "$(cd "$(dirname "$0")/../.." && pwd)/zaurus/patches-$(cut -d. -f1,2 \
    "$zaurus_kernel_build/include/config/kernel.release")"/*.patch; do
    [ ! -e "$patch" ] || check "checkpatch --strict finds nothing in ${patch##*/}" "" "$(cd \
        "$zaurus_kernel_build/source" && scripts/checkpatch.pl --strict --quiet "$patch" 2>&1)"
done
summary
