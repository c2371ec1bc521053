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
    const option = tutor.element('Option1');
    const box = await option.boundingBox();
    const beeps = (await tutor.beeps()).length;
    // The far right end, away from the circle and the caption.
    await tutor.page.mouse.click(box.x + box.width - 2, box.y + box.height - 2);
    assert.equal(await option.getAttribute('aria-checked'), 'true');
    assert.equal(await tutor.element('Option3').getAttribute('aria-checked'), 'false');
    assert.equal((await tutor.beeps()).length, beeps + 1);
    const colour = await option.evaluate((e) => getComputedStyle(e).backgroundColor);
    assert.equal(colour, 'rgb(128, 128, 255)');
  });

  test('the speed sets the timer of the next drill', async () => {
    await tutor.element('Option2').click();
    await tutor.element('Start').click();
    assert.equal(await tutor.page.evaluate(() => window.arvan.page.timer.interval), 180);
    assert.equal(await tutor.element('Option1').getAttribute('class'), 'option disabled');
    await pressKey(tutor, 'AltLeft', 'Alt');
  });

  test('Монгол shows Mongolian captions and the flag stripes', async () => {
    await tutor.element('OptMon').click();
    assert.equal(await tutor.element('Q').textContent(), 'Ф');
    assert.equal(await tutor.element('F').textContent(), 'Ө');
    assert.ok(await tutor.element('Dalbaa2').isVisible());
    assert.ok(!(await tutor.element('ImgEng').isVisible()));
    await tutor.element('OptEng').click();
    assert.equal(await tutor.element('Q').textContent(), 'Q');
  });

  test('blind labels: keys blank, a drill shows only its target\'s letter', async () => {
    await tutor.element('cmdNoView').click();
    assert.equal(await tutor.element('cmdNoView').isDisabled(), true);
    assert.equal(await tutor.element('A').textContent(), '');
    await tutor.element('Start').click();
    const target = await tutor.target();
    const shown = await tutor.page.evaluate(() => window.arvan.page.controls
      .filter((c) => c.kind === 'label' && c.caption !== '' &&
        /^[A-Z]$|^Haalt|^Bosoo|^ZegT|^Apos|^Ih$|^Baga$|^Asuult$/.test(c.name))
      .map((c) => c.name));
    assert.ok(shown.length <= 1, `labels shown: ${shown}`);
    const [code, letter] = SLOT_KEYS[target];
    await pressKey(tutor, code, letter);
    await pressKey(tutor, 'AltLeft', 'Alt');
    await tutor.element('cmdShow').click();
    assert.equal(await tutor.element('A').textContent(), 'A');
  });

  test('no page errors', () => assert.deepEqual(tutor.errors, []));
});
