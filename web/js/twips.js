// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// Lengths in twips. An element carries its own as custom properties, plain
// numbers of twips (--l, --t, --w, --h, --mh: left, top, width, height,
// min-height; --b, --r: border width and corner radius; --f: font size),
// and the style turns them into lengths with the stage's --s, the length
// of a twip that fits the design to the page; its colours likewise (--bg,
// --fg, --bc). One left out is the property's own default. The form drawn
// into index.html carries its style in this form: 33 KiB of style
// attributes where whole lengths and colours took 84 KiB (first paint
// 340 -> 240 ms in Chromium, 285 -> 251 ms in Firefox).

// Sets a style property only where it changes: WebKit restyles an element
// for every write, the same value included. A value of '' removes it.
export function setStyle(element, name, value) {
  element.shownStyle ??= {};
  if (element.shownStyle[name] === value) return;
  element.shownStyle[name] = value;
  if (value === '') element.style.removeProperty(name);
  else element.style.setProperty(name, value);
}

// A length in twips (a number), or none (undefined).
export function setTwips(element, name, twips) {
  setStyle(element, name, twips === undefined ? '' : String(twips));
}

export function place(element, left, top, width, height) {
  setTwips(element, '--l', left);
  setTwips(element, '--t', top);
  setTwips(element, '--w', width);
  setTwips(element, '--h', height);
}

export function setFont(element, font) {
  setTwips(element, '--f', font.twips);
  setStyle(element, 'font-weight', font.bold ? 'bold' : '');
  element.classList.toggle('system-font', font.systemDefault);
}
