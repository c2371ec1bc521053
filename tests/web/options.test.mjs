// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The speed and layout options and the two label-display buttons, clicked
// as a learner clicks them.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { openTutor, pressKey, SLOT_KEYS } from './browser.mjs';

describe('options', () => {
  let tutor;
  before(async () => {
    tutor = await openTutor();
  });
  after(() => tutor.close());

  test('a speed option is selected by a click anywhere on its rectangle, with a beep', async () => {
    const box = await tutor.box('Option1');
    const beeps = (await tutor.beeps()).length;
    // The far right end, away from the circle and the caption.
    await tutor.mouse.click(box.x + box.width - 2, box.y + box.height - 2);
    assert.equal(await tutor.attribute('Option1', 'aria-checked'), 'true');
    assert.equal(await tutor.attribute('Option3', 'aria-checked'), 'false');
    assert.equal((await tutor.beeps()).length, beeps + 1);
    const colour = await tutor.evaluate(() =>
      getComputedStyle(document.querySelector('[data-name="Option1"]')).backgroundColor);
    assert.equal(colour, 'rgb(128, 128, 255)');
  });

  test('the speed sets the timer of the next drill', async () => {
    await tutor.click('Option2');
    await tutor.click('Start');
    assert.equal(await tutor.evaluate(() => window.arvan.page.timer.interval), 180);
    assert.equal(await tutor.attribute('Option1', 'class'), 'option disabled');
    await pressKey(tutor, 'AltLeft', 'Alt');
  });

  test('Монгол shows Mongolian captions and the flag stripes', async () => {
    await tutor.click('OptMon');
    assert.equal(await tutor.text('Q'), 'Ф');
    assert.equal(await tutor.text('F'), 'Ө');
    assert.ok(await tutor.visible('Dalbaa2'));
    assert.ok(!(await tutor.visible('ImgEng')));
    await tutor.click('OptEng');
    assert.equal(await tutor.text('Q'), 'Q');
  });

  test('blind labels: keys blank, a drill shows only its target\'s letter', async () => {
    await tutor.click('cmdNoView');
    assert.equal(await tutor.disabled('cmdNoView'), true);
    assert.equal(await tutor.text('A'), '');
    await tutor.click('Start');
    const target = await tutor.target();
    const shown = await tutor.evaluate(() => window.arvan.page.controls
      .filter((c) => c.kind === 'label' && c.caption !== '' &&
        /^[A-Z]$|^Haalt|^Bosoo|^ZegT|^Apos|^Ih$|^Baga$|^Asuult$/.test(c.name))
      .map((c) => c.name));
    assert.ok(shown.length <= 1, `labels shown: ${shown}`);
    const [code, letter] = SLOT_KEYS[target];
    await pressKey(tutor, code, letter);
    await pressKey(tutor, 'AltLeft', 'Alt');
    await tutor.click('cmdShow');
    assert.equal(await tutor.text('A'), 'A');
  });

  test('no page errors', async () => assert.deepEqual(await tutor.errors(), []));
});
