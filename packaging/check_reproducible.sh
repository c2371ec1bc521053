#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers
#
# Builds the Debian packages a second time (scripts/build-deb), in another
# folder and with the first build's SOURCE_DATE_EPOCH (from its .buildinfo:
# a commit made in between changes nothing), and checks that each is byte
# for byte the one of the first build in the folder given. Where one differs, it shows what differs: the control
# fields, the file list with times and modes, or the files' checksums.
#   packaging/check_reproducible.sh FIRST_FOLDER SECOND_FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
first=$1
second=$2

epoch=$(sed -n 's/^ SOURCE_DATE_EPOCH="\([0-9]*\)"$/\1/p' "$first"/*.buildinfo)
[[ -n "$epoch" ]] || { echo "check_reproducible: no SOURCE_DATE_EPOCH in $first/*.buildinfo" >&2; exit 1; }
SOURCE_DATE_EPOCH=$epoch scripts/build-deb "$second" >/dev/null
names() { find "$1" -maxdepth 1 -name '*.deb' -printf '%f\n' | sort; }
if [[ "$(names "$first")" != "$(names "$second")" ]]; then
  echo "check_reproducible: the builds made different packages:" >&2
  diff <(names "$first") <(names "$second") >&2 || true
  exit 1
fi
[[ -n "$(names "$first")" ]] || { echo "check_reproducible: no package in $first" >&2; exit 1; }

described() { dpkg-deb --info "$1"; dpkg-deb --contents "$1"; dpkg-deb --info "$1" md5sums; }
differing=0
while read -r name; do
  if cmp -s "$first/$name" "$second/$name"; then
    echo "check_reproducible: $name: the same $(stat -c %s "$first/$name") bytes"
  else
    echo "check_reproducible: $name differs between the builds:" >&2
    diff <(described "$first/$name") <(described "$second/$name") >&2 || true
    differing=$((differing + 1))
  fi
done < <(names "$first")
[[ $differing -eq 0 ]]
