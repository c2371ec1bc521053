#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers
#
# Lists every tracked source file that does not name its licence in an SPDX
# line ("SPDX-License-Identifier: GPL-3.0-or-later" within its first ten
# lines) and fails if there is one. Source files are C++, CMake, shell
# scripts (by name or by their #! line), manual pages, SVG drawings and the
# browser edition's JavaScript, HTML and CSS. Data without room for a
# comment (JSON, the fuzz corpus, pictures) is not looked at.
#
#   packaging/check_spdx.sh            (from anywhere in the checkout)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(git rev-parse --show-toplevel)
cd "$root"

line='SPDX-License-Identifier: GPL-3.0-or-later'
checked=0
missing=()
while IFS= read -r -d '' file; do
  [[ -f "$file" ]] || continue  # deleted in the work tree, not yet committed
  case "${file##*/}" in
    *.cpp | *.cc | *.h | *.hpp | CMakeLists.txt | *.cmake | *.cmake.in) ;;
    *.sh | *.bash | *.[1-8] | *.svg | *.js | *.mjs | *.html | *.css | *.html.in | *.js.in) ;;
    ?*.*) continue ;;
    *) head -n 1 -- "$file" | grep -qE '^#!.*[/ ](ba|da)?sh( |$)' || continue ;;
  esac
  checked=$((checked + 1))
  head -n 10 -- "$file" | grep -qF "$line" || missing+=("$file")
done < <(git ls-files -z)

if [[ ${#missing[@]} -gt 0 ]]; then
  printf '%s\n' "${missing[@]}"
  echo "check_spdx: ${#missing[@]} of $checked source files have no line \"$line\"" >&2
  exit 1
fi
echo "check_spdx: all $checked source files carry \"$line\""
