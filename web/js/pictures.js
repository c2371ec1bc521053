// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The pictures of the form, from the SVG drawings of assets/, each
// stretched to its control's rectangle as the desktop draws it. A hand
// picture is named "hand-left-3" (the left hand, its middle finger
// marked): the hand drawing with that finger recoloured red, and the right
// hand the left one mirrored.

const HAND = /^hand-(left|right)-([0-5])$/;

function stretched(svg) {
  return svg.replace(/<svg\b/, '<svg preserveAspectRatio="none"');
}

export function markFinger(svg, finger) {
  if (finger < 1 || finger > 5) return svg;
  return svg.replace(new RegExp(`(id="finger${finger}" fill=")[^"]*"`), '$1#FF0000"');
}

export class Pictures {
  // `drawings` maps a drawing's file name, without .svg, to its SVG text.
  constructor(drawings) {
    this.drawings = drawings;
    this.urls = new Map(); // picture name -> object URL
  }

  static fileOf(picture) {
    return HAND.test(picture) ? 'hand' : picture;
  }

  isMirrored(picture) {
    return HAND.exec(picture)?.[1] === 'right';
  }

  // The URL an <img> shows the picture from, or '' where the drawing is missing.
  urlOf(picture) {
    if (this.urls.has(picture)) return this.urls.get(picture);
    let svg = this.drawings.get(Pictures.fileOf(picture));
    if (svg === undefined) return '';
    const hand = HAND.exec(picture);
    if (hand) svg = markFinger(svg, Number(hand[2]));
    const url = URL.createObjectURL(new Blob([stretched(svg)], { type: 'image/svg+xml' }));
    this.urls.set(picture, url);
    return url;
  }
}
