# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers
#
# Where the tutor's drawn keys lie on a 1920x1080 screen that its window
# fills, and the colours their faces show there; sourced by the checks that
# drive the real window through X. The window shows the design's 10335
# twips of height in 1080 device pixels, centred across, whatever the
# device pixel ratio.

# awk code that sets s (device pixels a twip) and ox (the design's left).
awk_scale='s = 1080 / 10335; ox = (1920 - 15000 * s) / 2'

# A point of the design (twips) on the screen: "x y".
screen_point() {
  awk "BEGIN { $awk_scale; printf \"%d %d\\n\", ox + $1 * s, $2 * s }"
}

# The X key codes of the key slots 0..34, in slot order (Q row, A row, Z row,
# space bar), and a point on each face, clear of its caption.
keycodes=(24 25 26 27 28 29 30 31 32 33 34 35 51 38 39 40 41 42 43 44 45 46 47 48
  52 53 54 55 56 57 58 59 60 61 65)
read -r -a faces <<<"$(awk "BEGIN { $awk_scale
  for (slot = 0; slot < 35; slot++) {
    if (slot < 13)      { l = 2520 + 840 * slot;        t = 7125 }
    else if (slot < 24) { l = 2880 + 840 * (slot - 13); t = 7845 }
    else if (slot < 34) { l = 3240 + 840 * (slot - 24); t = 8565 }
    else                { l = 5640;                     t = 9300 }
    printf \"%d,%d \", ox + (l + 60) * s, (t + 400) * s
  } }")"
green='srgb(0,255,0)'
yellow='srgb(255,255,0)'

# The colour of every key face in a screenshot, one word a slot.
face_colours() {
  local format=""
  for point in "${faces[@]}"; do format+="%[pixel:p{$point}] "; done
  convert "$1" -format "$format" info:
}

# The slots whose face shows colour $2 in screenshot $1.
slots_coloured() {
  local colours slot=0 found=()
  read -r -a colours <<<"$(face_colours "$1")"
  for colour in "${colours[@]}"; do
    [[ "$colour" == "$2" ]] && found+=("$slot")
    slot=$((slot + 1))
  done
  echo "${found[*]}"
}
