// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// A browser key event turned into the core's key code: the Windows
// virtual-key code of the US layout for the physical key. KeyboardEvent.code
// names the physical key whatever layout the operating system has active,
// so a Mongolian layout drills the same keys as a US one. An event without
// a code falls back to its key: Latin letters, US punctuation and the
// Mongolian letters of the core's key table.

export const UNKNOWN_KEY = 0;

const BY_CODE = new Map([
  ['Space', 32], ['Semicolon', 186], ['Equal', 187], ['Comma', 188], ['Minus', 189],
  ['Period', 190], ['Slash', 191], ['Backquote', 192], ['BracketLeft', 219],
  ['Backslash', 220], ['BracketRight', 221], ['Quote', 222],
  ['AltLeft', 18], ['AltRight', 18], ['ShiftLeft', 16], ['ShiftRight', 16],
  ['ControlLeft', 17], ['ControlRight', 17], ['Enter', 13], ['NumpadEnter', 13],
  ['Escape', 27], ['Backspace', 8], ['Tab', 9], ['CapsLock', 20],
  ['ArrowLeft', 37], ['ArrowUp', 38], ['ArrowRight', 39], ['ArrowDown', 40],
  ['Home', 36], ['End', 35],
]);

const BY_KEY = new Map([
  [' ', 32], [';', 186], [':', 186], [',', 188], ['<', 188], ['.', 190], ['>', 190],
  ['/', 191], ['?', 191], ['[', 219], ['{', 219], ['\\', 220], ['|', 220], [']', 221],
  ['}', 221], ["'", 222], ['"', 222], ['Alt', 18], ['AltGraph', 18], ['Shift', 16],
  ['Control', 17], ['Enter', 13], ['Escape', 27],
]);

function fromCode(code) {
  let m = /^Key([A-Z])$/.exec(code);
  if (m) return m[1].charCodeAt(0);
  m = /^Digit([0-9])$/.exec(code);
  if (m) return m[1].charCodeAt(0);
  m = /^F([0-9]{1,2})$/.exec(code);
  if (m && Number(m[1]) >= 1 && Number(m[1]) <= 12) return 111 + Number(m[1]);
  return BY_CODE.get(code);
}

// `mongolianLetter(key)` asks the core which key writes a Mongolian
// letter, or gives 0.
export function keyCodeOf(event, mongolianLetter) {
  if (event.code && event.code !== 'Unidentified') {
    const code = fromCode(event.code);
    if (code !== undefined) return code;
  }
  const key = event.key ?? '';
  if (/^[a-zA-Z0-9]$/.test(key)) return key.toUpperCase().charCodeAt(0);
  const byKey = BY_KEY.get(key);
  if (byKey !== undefined) return byKey;
  if ([...key].length === 1) {
    const code = mongolianLetter(key);
    if (code !== 0) return code;
  }
  return UNKNOWN_KEY;
}
