#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs one test program under valgrind's memcheck: any memory error, or any block definitely
# lost, fails the run.
#
#   memcheck.sh TEST-PROGRAM
set -uo pipefail
command -v valgrind >/dev/null || { echo "SKIP: valgrind is not installed"; exit 77; }
log=$(mktemp)
trap 'rm -f "$log"' EXIT
valgrind --leak-check=full --errors-for-leak-kinds=definite --show-leak-kinds=definite \
    --error-exitcode=9 --num-callers=30 --log-file="$log" "$@"
status=$?
grep -E 'definitely lost|ERROR SUMMARY' "$log"
[ $status -eq 0 ] || cat "$log"
exit $status
