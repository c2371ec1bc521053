// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The page as a site: it asks no other origin for anything, stores nothing
// of the learner's, opens offline after one visit, can be installed, and
// lblExit ends the tutor with a way to open it again.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { openTutor, pressKey, SLOT_KEYS } from './browser.mjs';

describe('site', () => {
  let tutor;
  before(async () => {
    tutor = await openTutor();
    // A short drill, so that the page has done what a learner does.
    await tutor.element('Start').click();
    const [code, letter] = SLOT_KEYS[await tutor.target()];
    await pressKey(tutor, code, letter);
    await pressKey(tutor, 'AltLeft', 'Alt');
  });
  after(() => tutor.close());

  test('no request goes to another origin', () => {
    const origin = new URL(tutor.url).origin;
    const elsewhere = tutor.requests.filter(
      (u) => !u.startsWith(`${origin}/`) && !u.startsWith('blob:') && !u.startsWith('data:'),
    );
    assert.deepEqual(elsewhere, []);
  });

  test('nothing is stored: no cookies, no local or session storage, no databases', async () => {
    const stored = await tutor.page.evaluate(async () => ({
      cookie: document.cookie,
      local: localStorage.length,
      session: sessionStorage.length,
      databases: (await indexedDB.databases()).length,
      caches: (await caches.keys()).filter((k) => !k.startsWith('arvan-')),
    }));
    assert.deepEqual(stored, { cookie: '', local: 0, session: 0, databases: 0, caches: [] });
    assert.deepEqual(await tutor.context.cookies(), []);
  });

  test('installable: a manifest with a name and an icon from the key-press drawing', async () => {
    const manifest = await tutor.page.evaluate(async () => {
      const link = document.querySelector('link[rel="manifest"]');
      return (await fetch(link.href)).json();
    });
    assert.equal(manifest.short_name, 'Arvan');
    assert.equal(manifest.display, 'standalone');
    assert.ok(manifest.icons.some((i) => i.src === 'assets/key-press.svg'));
  });

  test('after one visit the tutor opens without a network', async () => {
    await tutor.page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, {
      timeout: 10000,
    });
    // The server gone: nothing answers at the site's address.
    await new Promise((r) => {
      tutor.server.close(r);
      tutor.server.closeAllConnections();
    });
    await tutor.page.reload();
    await tutor.page.waitForFunction(() => document.body.classList.contains('ready'));
    await tutor.element('Start').click();
    assert.ok((await tutor.target()) >= 1);
    await pressKey(tutor, 'AltLeft', 'Alt');
  });

  test('Гарах ends the tutor, the page says so and opens it again', async () => {
    await tutor.element('lblExit').click();
    assert.ok(await tutor.page.locator('#closed').isVisible());
    assert.ok(!(await tutor.page.locator('#stage').isVisible()));
    assert.equal(await tutor.timerRunning(), false);
    await tutor.page.locator('#reopen').click();
    await tutor.page.waitForFunction(() => document.body.classList.contains('ready'));
    assert.ok(await tutor.element('Start').isVisible());
  });

  test('no page errors', () => assert.deepEqual(tutor.errors, []));
});
