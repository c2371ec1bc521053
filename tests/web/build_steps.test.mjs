// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The site's build steps of our own, without a browser: the drawings
// written as a module, and the form's opening state put into the page.

import assert from 'node:assert/strict';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { after, describe, test } from 'node:test';
import { drawingMarkup, drawingsModule } from '../../web/drawings.mjs';
import { stageContent, withStage } from '../../web/prerender.mjs';

const folder = mkdtempSync(join(tmpdir(), 'arvan-build-'));
after(() => rmSync(folder, { recursive: true, force: true }));

function write(files) {
  for (const [name, text] of Object.entries(files)) writeFileSync(join(folder, name), text);
}

describe('drawings as a module', () => {
  const svg = '<?xml version="1.0" encoding="UTF-8"?>\n<!-- SPDX\n  header -->\n' +
    '<svg viewBox="0 0 10 10"><!-- a note --><rect fill="#FF0000"/></svg>\n';

  test('the markup keeps the picture and drops the declaration and comments', () => {
    assert.equal(drawingMarkup(svg), '<svg viewBox="0 0 10 10"><rect fill="#FF0000"/></svg>');
  });

  test('each drawing by its file name, texts quoted whatever they hold', async () => {
    write({ 'b-flag.svg': svg, 'a "odd" \\ one.svg': '<svg>\n`${x}`</svg>' });
    const text = drawingsModule([join(folder, 'b-flag.svg'), join(folder, 'a "odd" \\ one.svg')]);
    writeFileSync(join(folder, 'drawings.mjs'), text);
    const { DRAWINGS } = await import(pathToFileURL(join(folder, 'drawings.mjs')).href);
    assert.deepEqual([...DRAWINGS.keys()], ['a "odd" \\ one', 'b-flag']);
    assert.equal(DRAWINGS.get('a "odd" \\ one'), '<svg>\n`${x}`</svg>');
    assert.equal(DRAWINGS.get('b-flag'), drawingMarkup(svg));
  });
});

describe('the opening state put into the page', () => {
  const page = '<body>\n<div id="stage" aria-label="Arvan"></div>\n<div id="closed" hidden>' +
    '<div>Open again</div></div>\n</body>';

  test("the stage's elements, nested ones too, go into the empty stage of the page", () => {
    const shown = '<div class="label" data-index="0">A</div><div class="frame" data-index="1">' +
      '<div class="option" data-index="2"><span>B</span></div></div>';
    const document = '<html><body class="ready"><div id="stage" aria-label="Arvan" style="x">' +
      `${shown}</div>\n<div id="closed" hidden=""><div>Open again</div></div></body></html>`;
    assert.equal(stageContent(document), shown);
    assert.equal(withStage(page, shown), page.replace('"Arvan"></div>', `"Arvan">${shown}</div>`));
  });

  test('a document without a stage or with an empty one, or a page without a stage, is refused', () => {
    assert.throws(() => stageContent('<body><div id="closed"></div></body>'), /no stage/);
    assert.throws(() => stageContent(page), /never built/);
    assert.throws(() => withStage('<body></body>', 'x'), /no empty stage/);
  });
});
