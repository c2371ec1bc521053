#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// Writes the page's drawings as a module, so that they come with its
// script instead of one request each: DRAWINGS maps a drawing's name (its
// file name without .svg) to its SVG text.
//   node web/drawings.mjs OUT DRAWING.svg ...

import { readFileSync, writeFileSync } from 'node:fs';
import { basename } from 'node:path';

// The drawing as the page puts it into its own markup: without the XML
// declaration and comments, which are no part of the picture.
export function drawingMarkup(svg) {
  return svg.replace(/<\?xml[^>]*\?>/g, '').replace(/<!--[\s\S]*?-->/g, '').trim();
}

export function drawingsModule(files) {
  const entries = [...files].sort().map((file) => {
    const markup = drawingMarkup(readFileSync(file, 'utf8'));
    return `  [${JSON.stringify(basename(file, '.svg'))}, ${JSON.stringify(markup)}],`;
  });
  return '// SPDX-License-Identifier: GPL-3.0-or-later\n' +
    '// The drawings of assets/, written by web/drawings.mjs.\n\n' +
    `export const DRAWINGS = new Map([\n${entries.join('\n')}\n]);\n`;
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const [out, ...files] = process.argv.slice(2);
  writeFileSync(out, drawingsModule(files));
}
