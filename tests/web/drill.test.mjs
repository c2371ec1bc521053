// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// A key drill played with physical key events as a Mongolian layout gives
// them: hits, misses, a held key with auto-repeat, Alt, and the timer.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { openTutor, pressKey, SLOT_KEYS } from './browser.mjs';

const otherSlot = (slot) => (slot + 7) % 34;

describe('key drill', () => {
  let tutor;
  before(async () => {
    tutor = await openTutor();
    await tutor.click('Start');
  });
  after(() => tutor.close());

  test('Start lights one target and starts the timer', async () => {
    const target = await tutor.target();
    assert.ok(target >= 1 && target <= 34, `target ${target}`);
    assert.equal(await tutor.timerRunning(), true);
    assert.equal(await tutor.text('txtCount'), '0');
    assert.equal(await tutor.text('lblElapsedTime'), '00:00:00');
  });

  test('the lit key by its physical position is a hit, whatever the key writes', async () => {
    const target = await tutor.target();
    const [code, letter] = SLOT_KEYS[target];
    const beeps = (await tutor.beeps()).length;
    assert.equal(await pressKey(tutor, code, letter, { type: 'down' }), true);
    assert.equal(await tutor.text('txtCount'), '1');
    // Held: the struck key shows its highlight, its label 30 twips lower.
    if (target < 34) {
      assert.ok(await tutor.visible(`fore(${target})`));
      assert.ok(!(await tutor.visible(`Back(${target})`)));
    }
    await pressKey(tutor, code, letter, { type: 'up' });
    assert.ok(!(await tutor.visible(`fore(${target})`)));
    assert.equal((await tutor.beeps()).length, beeps, 'a hit does not beep');
    const next = await tutor.target();
    assert.ok(next >= 1 && next <= 34);
  });

  test('another key is a miss, with a beep', async () => {
    const target = await tutor.target();
    const [code, letter] = SLOT_KEYS[otherSlot(target)];
    const beeps = (await tutor.beeps()).length;
    await pressKey(tutor, code, letter);
    assert.equal(await tutor.text('txtCountError'), '1');
    assert.equal((await tutor.beeps()).length, beeps + 1);
    assert.equal(await tutor.target(), target);
  });

  test('KeyF is the key F even where the layout writes а there', async () => {
    // Hits until F (slot 16) is drawn: one in 34 a draw, so that a thousand
    // draws all miss it about once in 10^13 runs.
    for (let i = 0; i < 1000 && (await tutor.target()) !== 16; ++i) {
      const [code, letter] = SLOT_KEYS[await tutor.target()];
      await pressKey(tutor, code, letter);
    }
    assert.equal(await tutor.target(), 16);
    const hits = Number(await tutor.text('txtCount'));
    await pressKey(tutor, 'KeyF', 'а');
    assert.equal(Number(await tutor.text('txtCount')), hits + 1);
  });

  test('a key event with no code falls back to its Mongolian letter', async () => {
    const target = await tutor.target();
    const [, letter] = SLOT_KEYS[target];
    const hits = Number(await tutor.text('txtCount'));
    if (letter.trim() === '' || letter === '\\') return; // space and backslash have codes only
    await pressKey(tutor, '', letter.toUpperCase());
    assert.equal(Number(await tutor.text('txtCount')), hits + 1);
  });

  test('a held key repeats as key-downs and stays down until its release', async () => {
    const held = await tutor.target();
    const [code, letter] = SLOT_KEYS[held];
    const counted = async () =>
      Number(await tutor.text('txtCount')) +
      Number(await tutor.text('txtCountError'));
    const before = await counted();
    if (tutor.browser.xKey) {
      // WebKit's WebDriver makes no auto-repeat: the key is held through the
      // X server, whose own auto-repeat makes the repeats.
      tutor.browser.xKey('down', code);
      // Ticks go by; the key stays pressed.
      await new Promise((r) => setTimeout(r, 900));
      assert.ok((await counted()) >= before + 3, 'every repeat is a key-down');
      assert.ok(await tutor.visible(`fore(${held})`));
      tutor.browser.xKey('up', code);
      await tutor.waitFor((name) => {
        const e = document.querySelector(`[data-name="${name}"]`);
        return e.getClientRects().length === 0;
      }, `fore(${held})`);
      return;
    }
    await pressKey(tutor, code, letter, { type: 'down' });
    for (let i = 0; i < 3; ++i) await pressKey(tutor, code, letter, { type: 'down', repeat: true });
    assert.equal(await counted(), before + 4, 'every repeat is a key-down');
    // Ticks go by; the key stays pressed.
    await new Promise((r) => setTimeout(r, 600));
    assert.ok(await tutor.visible(`fore(${held})`));
    await pressKey(tutor, code, letter, { type: 'up' });
    assert.ok(!(await tutor.visible(`fore(${held})`)));
  });

  test('the timer runs the clock and the pressure bar', async () => {
    await tutor.waitFor(
      () => document.querySelector('[data-name="lblElapsedTime"]').textContent !== '00:00:00',
    );
    assert.ok((await tutor.control('ProgressBar1')).value > 0);
  });

  test('Alt stops the drill; the page takes Alt from the browser', async () => {
    assert.equal(await pressKey(tutor, 'AltLeft', 'Alt'), true);
    assert.equal((await tutor.control('Start')).enabled, true);
    assert.equal(await tutor.timerRunning(), false);
    assert.equal(await tutor.target(), -1);
    assert.equal(await pressKey(tutor, 'Space', ' '), true, 'space does not scroll');
  });

  test('no page errors', async () => assert.deepEqual(await tutor.errors(), []));
});
