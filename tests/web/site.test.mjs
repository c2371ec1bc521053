// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The page as a site: it asks no other origin for anything, stores nothing
// of the learner's, opens offline after one visit, can be installed, and
// lblExit ends the tutor with a way to open it again.

import assert from 'node:assert/strict';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, describe, test } from 'node:test';
import { serve } from '../../web/serve.mjs';
import { ENGINE, openTutor, pressKey, SITE, SLOT_KEYS } from './browser.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const again = (paths) => paths.filter((path, i) => paths.indexOf(path) !== i);

describe('site', () => {
  let tutor;
  before(async () => {
    tutor = await openTutor();
    // A short drill, so that the page has done what a learner does.
    await tutor.click('Start');
    const [code, letter] = SLOT_KEYS[await tutor.target()];
    await pressKey(tutor, code, letter);
    await pressKey(tutor, 'AltLeft', 'Alt');
  });
  after(() => tutor.close());

  test('no request goes to another origin', async () => {
    const origin = new URL(tutor.url).origin;
    const asked = await tutor.evaluate(() => performance.getEntriesByType('resource')
      .map((r) => r.name));
    const elsewhere = asked.filter(
      (u) => !u.startsWith(`${origin}/`) && !u.startsWith('blob:') && !u.startsWith('data:'),
    );
    assert.deepEqual(elsewhere, []);
  });

  test('the policy allows no script made from text (no \'unsafe-eval\')', async () => {
    const policy = await tutor.evaluate(() =>
      document.querySelector('meta[http-equiv="Content-Security-Policy"]').content);
    assert.match(policy, /script-src 'self' 'wasm-unsafe-eval';/);
  });

  test('a first visit asks for each file of the site once', async () => {
    await tutor.waitFor(() => navigator.serviceWorker.controller !== null, null, { timeout: 10000 });
    const asked = tutor.requests.filter((r) => !r.path.startsWith('/arvan-test/')).map((r) => r.path);
    if (tutor.engine === 'webkit') {
      // A WebDriver session of WebKit has no HTTP cache (see the visit with
      // a profile below): there the site comes once for the page and once
      // more, after sw.js, for the worker.
      const worker = asked.indexOf('/sw.js');
      assert.deepEqual([again(asked.slice(0, worker)), again(asked.slice(worker + 1))], [[], []],
        `asked ${asked}`);
    } else {
      assert.deepEqual(again(asked), [], `asked ${asked}`);
    }
    assert.ok(!asked.includes('/index.html'), 'the page is asked for as ./ only');
  });

  test('nothing is stored: no cookies, no local or session storage, no databases', async () => {
    const stored = await tutor.evaluate(async () => ({
      cookie: document.cookie,
      local: localStorage.length,
      session: sessionStorage.length,
      databases: (await indexedDB.databases()).length,
      caches: (await caches.keys()).filter((k) => !k.startsWith('arvan-')),
    }));
    assert.deepEqual(stored, { cookie: '', local: 0, session: 0, databases: 0, caches: [] });
    assert.deepEqual(tutor.requests.filter((r) => r.cookie !== null), [], 'no request sent a cookie');
  });

  test('installable: a manifest with a name and an icon from the key-press drawing', async () => {
    const manifest = await tutor.evaluate(async () => {
      const link = document.querySelector('link[rel="manifest"]');
      return (await fetch(link.href)).json();
    });
    assert.equal(manifest.short_name, 'Arvan');
    assert.equal(manifest.display, 'standalone');
    assert.ok(manifest.icons.some((i) => i.src === 'assets/key-press.svg'));
  });

  test('after one visit the tutor opens without a network', async () => {
    await tutor.waitFor(() => navigator.serviceWorker.controller !== null, null, {
      timeout: 10000,
    });
    // The server gone: nothing answers at the site's address.
    await new Promise((r) => {
      tutor.server.close(r);
      tutor.server.closeAllConnections();
    });
    await tutor.reload();
    await tutor.click('Start');
    assert.ok((await tutor.target()) >= 1);
    await pressKey(tutor, 'AltLeft', 'Alt');
  });

  test('Гарах ends the tutor, the page says so and opens it again', async () => {
    await tutor.click('lblExit');
    assert.deepEqual(await tutor.evaluate(() => [
      document.getElementById('closed').getClientRects().length > 0,
      document.getElementById('stage').getClientRects().length > 0,
    ]), [true, false]);
    assert.equal(await tutor.timerRunning(), false);
    const reopen = await tutor.evaluate(() => {
      const r = document.getElementById('reopen').getBoundingClientRect();
      return [r.x + r.width / 2, r.y + r.height / 2];
    });
    await tutor.mouse.click(...reopen);
    await tutor.waitFor(() => document.body.classList.contains('ready'));
    assert.ok(await tutor.visible('Start'));
  });

  test('no page errors', async () => assert.deepEqual(await tutor.errors(), []));
});

describe('a first visit in WebKit with a profile of its own', () => {
  test('asks for each file of the site once, the worker\'s included',
    { skip: ENGINE !== 'webkit' && 'a WebKit visit' }, async () => {
      const { visitWithProfile } = await import('./webkit.mjs');
      const log = [];
      const watch = '/arvan-test/worker_watch.js';
      const { server, port } = await serve(SITE, 0, '127.0.0.1', {
        log,
        extra: new Map([[watch, join(here, 'worker_watch.js')]]),
        intoPage: `<script src="${watch}"></script>`,
      });
      try {
        await visitWithProfile(`http://127.0.0.1:${port}/`,
          () => log.some((r) => r.path === '/arvan-test/controlled'));
      } finally {
        server.closeAllConnections();
        server.close();
      }
      const asked = log.filter((r) => !r.path.startsWith('/arvan-test/')).map((r) => r.path);
      assert.deepEqual(again(asked), [], `asked ${asked}`);
      // Every file of the site came: the worker asked for those that the
      // page did not (the manifest), and took the others from the cache.
      assert.deepEqual([...asked].sort(), ['/', '/arvan.wasm', '/assets/key-press.svg',
        '/manifest.webmanifest', '/page.js', '/sw.js']);
    });
});
