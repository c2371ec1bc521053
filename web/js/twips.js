// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// Lengths in twips as CSS lengths: the stage's --s is the length of a twip
// that fits the design to the page, and every length scales with it.

export const TWIPS_PER_PIXEL = 15; // at 96 dots per inch, as designed
export const POINT = 20; // twips

export const tw = (twips) => `calc(var(--s) * ${twips})`;

// Sets a style property only where it changes: WebKit restyles an element
// for every write, the same value included.
export function setStyle(element, name, value) {
  element.shownStyle ??= {};
  if (element.shownStyle[name] === value) return;
  element.shownStyle[name] = value;
  element.style[name] = value;
}

export function place(element, left, top, width, height) {
  setStyle(element, 'left', tw(left));
  setStyle(element, 'top', tw(top));
  if (width !== undefined) setStyle(element, 'width', tw(width));
  if (height !== undefined) setStyle(element, 'height', tw(height));
}

export function setFont(element, font) {
  setStyle(element, 'fontSize', tw(font.points * POINT));
  setStyle(element, 'fontWeight', font.bold ? 'bold' : 'normal');
  element.classList.toggle('system-font', font.systemDefault);
}
