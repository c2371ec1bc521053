// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// A new version reaches a learner who comes back: the site is visited, a
// new version with a changed page and a changed core is published in its
// place, and the next load runs the new one; offline, the new one opens.

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, describe, test } from 'node:test';
import { openTutor, SITE } from './browser.mjs';

const here = dirname(fileURLToPath(import.meta.url));

// A WebAssembly custom section named `name` holding `text`, which any
// module may end with; the core's code is left as it was.
function customSection(name, text) {
  const bytes = Buffer.concat([Buffer.from([name.length]), Buffer.from(name), Buffer.from(text)]);
  if (bytes.length > 127) throw new Error('a longer section needs a longer size');
  return Buffer.concat([Buffer.from([0, bytes.length]), bytes]);
}

// Publishes version 2 over the site in `folder`: the page's title, the
// core (a section that names the version) and the page's script (which
// marks the version it runs) all change, and the service worker is listed
// again by the build's own step, as a build of the changed sources would.
function publishVersion2(folder) {
  const page = join(folder, 'index.html');
  writeFileSync(page, readFileSync(page, 'utf8').replace('<title>', '<title>v2 '));
  const wasm = join(folder, 'arvan.wasm');
  writeFileSync(wasm, Buffer.concat([readFileSync(wasm), customSection('arvan-version', '2')]));
  const script = join(folder, 'page.js');
  writeFileSync(script, `${readFileSync(script, 'utf8')}\nwindow.arvanVersion = 2;\n`);
  const worker = readFileSync(join(folder, 'sw.js'), 'utf8');
  const files = ['index.html', ...[...worker.matchAll(/^ {4}'\.\/([^']+)',$/gm)].map((m) => m[1])];
  execFileSync('cmake', [`-DSITE=${folder}`, `-DFILES=${files.join(',')}`,
    `-DTEMPLATE=${join(here, '../../web/sw.js.in')}`,
    '-P', join(here, '../../web/service_worker.cmake')]);
}

// What runs: the page's title, the mark of the page's script, and the
// version section of the core that the page is given.
const running = () => (async () => {
  const module = await WebAssembly.compile(await (await fetch('arvan.wasm')).arrayBuffer());
  const [section] = WebAssembly.Module.customSections(module, 'arvan-version');
  return {
    title: document.title.startsWith('v2 ') ? 2 : 1,
    page: window.arvanVersion ?? 1,
    core: section === undefined ? 1 : Number(new TextDecoder().decode(section)),
  };
})();

describe('a new version', () => {
  const folder = mkdtempSync(join(tmpdir(), 'arvan-site-'));
  let tutor;
  before(async () => {
    cpSync(SITE, folder, { recursive: true });
    tutor = await openTutor({ site: folder });
  });
  after(async () => {
    await tutor.close();
    rmSync(folder, { recursive: true, force: true });
  });

  test('reaches the learner on the next load after it is published', async () => {
    await tutor.waitFor(() => navigator.serviceWorker.controller !== null, null, { timeout: 10000 });
    assert.deepEqual(await tutor.evaluate(running), { title: 1, page: 1, core: 1 });
    publishVersion2(folder);
    await tutor.reload();
    assert.deepEqual(await tutor.evaluate(running), { title: 2, page: 2, core: 2 });
    await tutor.click('Start');
    assert.ok((await tutor.target()) >= 1);
  });

  test('and opens offline once it has arrived', async () => {
    // The new worker takes over once it has kept the new version.
    await tutor.waitFor(async () => (await caches.keys()).length === 1 &&
      (await navigator.serviceWorker.ready).active === navigator.serviceWorker.controller,
    null, { timeout: 10000 });
    await new Promise((r) => {
      tutor.server.close(r);
      tutor.server.closeAllConnections();
    });
    await tutor.reload();
    assert.deepEqual(await tutor.evaluate(running), { title: 2, page: 2, core: 2 });
  });

  test('no page errors', async () => assert.deepEqual(await tutor.errors(), []));
});
