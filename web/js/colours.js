// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// Colours as the core stores them (0x00BBGGRR, or a system colour with the
// top bit set) turned into CSS colours.

const SYSTEM_FLAG = 0x80000000;
const SYSTEM_COLOURS = new Map([
  [8, '#000000'], // window text
  [14, '#ffffff'], // highlighted text
]);

export function cssColour(colour) {
  if (colour >= SYSTEM_FLAG) return SYSTEM_COLOURS.get(colour - SYSTEM_FLAG) ?? '#000000';
  const hex = (n) => n.toString(16).padStart(2, '0');
  return `#${hex(colour & 0xff)}${hex((colour >>> 8) & 0xff)}${hex((colour >>> 16) & 0xff)}`;
}
