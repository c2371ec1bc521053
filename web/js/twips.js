// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// Lengths in twips as CSS lengths: the stage's --s is the length of a twip
// that fits the design to the page, and every length scales with it.

export const TWIPS_PER_PIXEL = 15; // at 96 dots per inch, as designed
export const POINT = 20; // twips

export const tw = (twips) => `calc(var(--s) * ${twips})`;

export function place(element, left, top, width, height) {
  const s = element.style;
  s.left = tw(left);
  s.top = tw(top);
  if (width !== undefined) s.width = tw(width);
  if (height !== undefined) s.height = tw(height);
}

export function setFont(element, font) {
  element.style.fontSize = tw(font.points * POINT);
  element.style.fontWeight = font.bold ? 'bold' : 'normal';
  element.classList.toggle('system-font', font.systemDefault);
}
