// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// A browser key event turned into the core's key code. KeyboardEvent.code
// names the physical key whatever layout the operating system has active,
// so a Mongolian layout drills the same keys as a US one. An event without
// a code falls back to its key: the character it wrote, or the name of a
// key that writes none. The core knows the keys; the page only asks.

export const UNKNOWN_KEY = 0;

// `core` answers keyCodeOfPosition(code) and keyCodeOfKey(key), 0 for none.
export function keyCodeOf(event, core) {
  if (event.code && event.code !== 'Unidentified') {
    const code = core.keyCodeOfPosition(event.code);
    if (code !== UNKNOWN_KEY) return code;
  }
  return core.keyCodeOfKey(event.key ?? '');
}
