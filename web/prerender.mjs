#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// Draws the form's opening state into index.html at build time, so that a
// visit shows the whole form as soon as the page and its style arrive,
// before the script and the WebAssembly do; the script then takes the drawn
// elements over. The state comes from the built site itself: Chromium,
// headless, opens it and gives back its document, and the stage's elements
// are put into the page. The build needs a Chromium, so that every build
// gives the same site.
//   node web/prerender.mjs PAGE SITE CHROMIUM
// PAGE is index.html without the form; SITE/index.html receives it with.

import { execFile } from 'node:child_process';
import { copyFileSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { promisify } from 'node:util';
import { serve } from './serve.mjs';

const EMPTY_STAGE = '<div id="stage" aria-label="Arvan"></div>';

// The stage's content in a document that Chromium gave back: everything
// between the stage's opening tag and the element that follows the stage.
export function stageContent(document) {
  const open = document.indexOf('<div id="stage"');
  const start = document.indexOf('>', open) + 1;
  const end = document.lastIndexOf('</div>', document.indexOf('<div id="closed"'));
  if (open < 0 || end < start) throw new Error('the document has no stage');
  const content = document.slice(start, end);
  if (!content.includes('data-index')) throw new Error('the stage was never built');
  return content;
}

export function withStage(page, content) {
  if (!page.includes(EMPTY_STAGE)) throw new Error('the page has no empty stage');
  return page.replace(EMPTY_STAGE, EMPTY_STAGE.replace('></div>', `>${content}</div>`));
}

async function prerender(pagePath, site, chromium) {
  const out = join(site, 'index.html');
  copyFileSync(pagePath, out);
  if (!chromium) throw new Error('prerender: no Chromium to draw the form with');
  const { server, port } = await serve(site, 0);
  const profile = mkdtempSync(join(tmpdir(), 'arvan-prerender-'));
  try {
    // Asynchronously: this process serves the pages that the browser asks for.
    const { stdout } = await promisify(execFile)(chromium, [
      '--headless', '--no-sandbox', '--disable-gpu', '--mute-audio', `--user-data-dir=${profile}`,
      '--virtual-time-budget=10000', '--dump-dom', `http://127.0.0.1:${port}/`,
    ], { maxBuffer: 1 << 26, timeout: 60000 });
    writeFileSync(out, withStage(readFileSync(pagePath, 'utf8'), stageContent(stdout)));
  } finally {
    server.close();
    rmSync(profile, { recursive: true, force: true });
  }
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const [page, site, chromium] = process.argv.slice(2);
  await prerender(page, site, chromium);
}
