// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The pictures of the form, from the SVG drawings of assets/, each
// stretched to its control's rectangle as the desktop draws it. The core
// says which drawing an image shows, whether mirrored, and which finger of
// a hand is marked (recoloured red). The page draws them inline: an <img>
// of each would cost the browser a document of its own before the first
// frame.

function stretched(svg) {
  return svg.replace(/<svg\b/, '<svg preserveAspectRatio="none"');
}

export function markFinger(svg, finger) {
  if (finger < 1 || finger > 5) return svg;
  return svg.replace(new RegExp(`(id="finger${finger}" fill=")[^"]*"`), '$1#FF0000"');
}

// The drawing's ids, and its references to them, made its own with
// `prefix`: drawings side by side in one page never share a gradient.
export function ownIds(svg, prefix) {
  return svg
    .replace(/\bid="([^"]*)"/g, `id="${prefix}$1"`)
    .replace(/url\(#([^)]*)\)/g, `url(#${prefix}$1)`)
    .replace(/\bhref="#([^"]*)"/g, `href="#${prefix}$1"`);
}

export class Pictures {
  // `drawings` maps a drawing's file name, without .svg, to its SVG text.
  constructor(drawings) {
    this.drawings = drawings;
  }

  // The picture of an image control ({ drawing, markedFinger }) as SVG
  // markup with its ids starting with `prefix`, or '' where the drawing is
  // missing.
  markupOf({ drawing, markedFinger }, prefix) {
    const svg = this.drawings.get(drawing);
    if (svg === undefined) return '';
    return ownIds(stretched(markFinger(svg, markedFinger)), prefix);
  }
}
