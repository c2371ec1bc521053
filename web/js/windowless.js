// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The windowless controls (shapes, labels, images) as positioned elements,
// in twips, each showing its control's current state. Shapes take no
// clicks; labels and images do, as the desktop's hit test has it.

import { cssColour } from './colours.js';
import { place, setFont, setStyle, setTwips } from './twips.js';

export function isWindowless(control) {
  return control.kind === 'label' || control.kind === 'shape' || control.kind === 'image';
}

function showShape(element, c) {
  const pen = c.penTwips;
  const r = c.rect;
  // Solid borders straddle the edge; inside-solid ones keep within it.
  const outward = c.penInside ? 0 : pen / 2;
  place(element, r.left - outward, r.top - outward, r.width + 2 * outward, r.height + 2 * outward);
  setTwips(element, '--b', pen);
  setStyle(element, '--bc', cssColour(c.borderColour));
  setStyle(element, '--bg', c.opaque ? cssColour(c.backColour) : '');
  element.classList.toggle('oval', c.form === 'oval');
  setTwips(element, '--r', c.form === 'roundedRectangle' ? c.cornerRadius : undefined);
}

function showLabel(element, c) {
  const r = c.rect;
  setTwips(element, '--l', r.left);
  setTwips(element, '--t', r.top);
  setTwips(element, '--w', c.autoSize ? undefined : r.width);
  setTwips(element, c.autoSize || c.wordWrap ? '--mh' : '--h', r.height);
  element.classList.toggle('wrap', c.wordWrap);
  element.classList.toggle('bordered', c.bordered);
  element.classList.toggle('centre', c.alignment === 'centre');
  element.classList.toggle('disabled', !c.enabled);
  setStyle(element, '--bg', c.opaque ? cssColour(c.backColour) : '');
  setStyle(element, '--fg', cssColour(c.foreColour));
  setFont(element, c.font);
  if (element.textContent !== c.caption) element.textContent = c.caption;
}

function showImage(element, c, pictures) {
  const r = c.rect;
  place(element, r.left, r.top, r.width, r.height);
  if (element.dataset.picture !== c.picture) {
    element.dataset.picture = c.picture;
    element.innerHTML = pictures.markupOf(c, `c${c.index}-`);
  }
  element.classList.toggle('mirrored', c.mirrored);
}

export function makeWindowless(c) {
  const element = document.createElement('div');
  element.className = c.kind;
  if (c.kind === 'image') element.setAttribute('aria-hidden', 'true'); // a picture says nothing
  return element;
}

export function showWindowless(element, c, pictures) {
  element.classList.toggle('unseen', !c.visible);
  if (c.kind === 'shape') showShape(element, c);
  else if (c.kind === 'label') showLabel(element, c);
  else showImage(element, c, pictures);
}
