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

  test('the counters are grey while the drill disables them, as on the desktop', async () => {
    const colours = () => tutor.evaluate(() => ['txtCount', 'txtCountError'].map((name) =>
      getComputedStyle(document.querySelector(`[data-name="${name}"]`)).color));
    assert.deepEqual(await colours(), ['rgb(160, 160, 160)', 'rgb(160, 160, 160)']);
    assert.equal((await tutor.control('txtCount')).enabled, false);
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

  test('of the hand pictures stacked in one place, the one shown takes the pointer', async () => {
    const [code, letter] = SLOT_KEYS[await tutor.target()];
    await pressKey(tutor, code, letter);
    const shown = await tutor.evaluate(() => {
      const hands = document.querySelectorAll('[data-name^="ZGar"], [data-name^="BGar"]');
      return [...hands].filter((e) => getComputedStyle(e).visibility !== 'hidden').map((e) => {
        const r = e.getBoundingClientRect();
        const at = document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2);
        return [e.dataset.name, at?.closest('[data-index]')?.dataset.name];
      });
    });
    assert.ok(shown.length >= 1, 'a hand shows the finger for the next key');
    for (const [hand, pointed] of shown) assert.equal(pointed, hand);
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
    // Space and backslash come with their codes only: hits until a letter's
    // key is the target (two in 34 a draw).
    const hasLetter = ([, letter]) => letter.trim() !== '' && letter !== '\\';
    for (let i = 0; i < 100 && !hasLetter(SLOT_KEYS[await tutor.target()]); ++i) {
      const [code, letter] = SLOT_KEYS[await tutor.target()];
      await pressKey(tutor, code, letter);
    }
    const [, letter] = SLOT_KEYS[await tutor.target()];
    assert.ok(hasLetter([, letter]), 'a letter\'s key came up as the target');
    const hits = Number(await tutor.text('txtCount'));
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
      await tutor.waitFor((name) => getComputedStyle(
        document.querySelector(`[data-name="${name}"]`)).visibility === 'hidden', `fore(${held})`);
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
    assert.equal(await tutor.evaluate(() =>
      getComputedStyle(document.querySelector('[data-name="txtCount"]')).color), 'rgb(0, 0, 0)');
  });

  test('no page errors', async () => assert.deepEqual(await tutor.errors(), []));
});

describe('keys the page leaves to the browser', () => {
  let tutor;
  before(async () => {
    tutor = await openTutor();
  });
  after(() => tutor.close());

  // Whether the page took a key combination, pressed in order and released
  // in reverse, from the key events the page saw.
  async function taken(...keys) {
    await tutor.evaluate(() => { window.keyLog = []; });
    for (const [code, key] of keys) await pressKey(tutor, code, key, { type: 'down' });
    for (const [code, key] of [...keys].reverse()) await pressKey(tutor, code, key, { type: 'up' });
    return tutor.evaluate(() => window.keyLog.map((e) => e.prevented));
  }
  const counted = async () => `${await tutor.text('txtCount')}/${await tutor.text('txtCountError')}`;

  test('while idle, every key is the browser\'s: the tutor does nothing with them', async () => {
    for (const keys of [[['KeyF', 'ө']], [['Space', ' ']], [['Tab', 'Tab']], [['AltLeft', 'Alt']],
      [['ControlLeft', 'Control'], ['Equal', '=']]]) {
      assert.equal(await pressKey(tutor, keys[0][0], keys[0][1], { type: 'down' }), false,
        `${keys[0][0]} taken while idle`);
      await pressKey(tutor, keys[0][0], keys[0][1], { type: 'up' });
      if (keys.length > 1) assert.ok(!(await taken(...keys)).includes(true));
    }
  });

  test('in a drill, the tutor\'s keys are taken, a combination with Ctrl or Meta never', async () => {
    await tutor.click('Start');
    const before = await counted();
    for (const modifier of [['ControlLeft', 'Control'], ['MetaLeft', 'Meta']]) {
      const prevented = await taken(modifier, ['KeyA', 'a']);
      assert.deepEqual(prevented.filter((p) => p), [], `${modifier[0]} + A taken`);
    }
    assert.equal(await counted(), before, 'a combination is no key of the drill');
    const [code, letter] = SLOT_KEYS[otherSlot(await tutor.target())];
    assert.equal(await pressKey(tutor, code, letter), true);
    assert.equal(await pressKey(tutor, 'AltLeft', 'Alt'), true);
  });
});
