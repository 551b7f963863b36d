#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Every file of the source tree says under which licence it may be used, as reuse lint checks.
# In a git checkout reuse passes over what git ignores; elsewhere, as in a release tarball, it
# would read the build folders too, so it reads a copy of the tree without them.
#
#   check_licences.sh SOURCE-DIR
set -euo pipefail
source=$(cd "$1" && pwd)
if [ "$(git -C "$source" rev-parse --show-toplevel 2>/dev/null)" = "$source" ]; then
    exec reuse --root "$source" lint
fi
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
tar -C "$source" --exclude-tag-all=CMakeCache.txt -cf - . | tar -C "$copy" -xf -
reuse --root "$copy" lint
