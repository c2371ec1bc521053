#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers
#
# Runs the scripted session with the real window (arvan_session) under
# valgrind's memcheck on Qt's offscreen platform; fails on any memory error
# or definite leak. Its one suppression (valgrind.supp) is Qt's own.
#
#   tests/session/check_memory.sh ARVAN_SESSION [ROUNDS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --error-exitcode=99 \
  --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
  --num-callers=40 --suppressions="$here/valgrind.supp" --log-file="$log" \
  "$1" "${2:-2}"; then
  cat "$log" >&2
  echo "memory: memcheck found errors (above)" >&2
  exit 1
fi
grep -E "ERROR SUMMARY|definitely lost|indirectly lost" "$log" | sed 's/^==[0-9]*== //'
echo "memory: no memory error and no definite leak"
