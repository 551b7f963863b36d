#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Every relative link in README.md and docs/ resolves, and every scripts/ command they name exists.
cd "$(dirname "$0")/.." && root=$PWD && for doc in README.md docs/*.md; do (cd "$(dirname "$doc")" &&
    { grep -o -E '\]\([^)]+\)' "${doc##*/}" | sed -E 's/^..//; s/[)#].*//' | grep -v -e '^$' -e :
    grep -o -E '\bscripts/[a-z][a-z-]*' "${doc##*/}" | sed "s|^|$root/|"; } | while read -r target
    do [ -e "$target" ] || echo "FAIL: $doc names $target, which is not there"; done); done | (! grep .)
