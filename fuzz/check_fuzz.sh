#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers
#
# Builds the event fuzz target with clang, libFuzzer, AddressSanitizer and
# UBSan (a build of its own, in BUILD_DIR) and feeds it bytes decoded into
# window events, from the seed corpus here, for FUZZ_SECONDS (60 unless set).
#
#   fuzz/check_fuzz.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
seconds=${FUZZ_SECONDS:-60}

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DARVAN_WERROR=ON >/dev/null
cmake --build "$build"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch" "$scratch.log"' EXIT
"$build/event_fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=20 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/" \
  "$scratch" "$here/corpus" 2>"$scratch.log" || {
  tail -n 60 "$scratch.log" >&2
  exit 1
}
grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb|^#[0-9]+.*DONE' "$scratch.log" || true
echo "fuzz: no input broke an invariant in ${seconds} s"
