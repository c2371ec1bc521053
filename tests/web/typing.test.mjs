// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The menu and both typing modes: the whole practice text typed key by key,
// its highlight seen at every character (the blanks that end a wrapped line
// and the closing line break included), and free typing.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { openTutor, pressKey, SLOT_KEYS } from './browser.mjs';

const KEY_OF_LETTER = new Map(SLOT_KEYS.map(([code, letter]) => [letter, code]));

// Where the highlight of a text box is, and whether it is seen: not empty,
// and inside the part of the box that shows.
function markOf(name) {
  const box = document.querySelector(`[data-name="${name}"]`);
  const mark = box.querySelector('.mark');
  const c = window.arvan.page.controls.find((x) => x.name === name);
  const r = mark.getBoundingClientRect();
  const b = box.getBoundingClientRect();
  const seen = !mark.hidden && r.width > 0 && r.height > 0 && r.top >= b.top - 1 &&
    r.bottom <= b.bottom + 1 && r.left >= b.left - 1 && r.right <= b.right + 1;
  return { selStart: c.selStart, caption: c.caption, seen, top: r.top, text: mark.textContent };
}

describe('menu', () => {
  let tutor;
  before(async () => {
    tutor = await openTutor();
  });
  after(() => tutor.close());

  test('opens on Дасгал and closes on a click on the background', async () => {
    assert.ok(!(await tutor.visible('lblSubMenu1')));
    await tutor.click('lblMenu1');
    for (const entry of ['lblSubMenu1', 'lblSubMenu2', 'lblSubMenu3']) {
      assert.ok(await tutor.visible(entry), entry);
    }
    await tutor.mouse.click(1270, 700); // the blue beyond the keyboard
    assert.ok(!(await tutor.visible('lblSubMenu1')));
  });

  test('a press on one label released on another clicks neither', async () => {
    await tutor.click('lblMenu1');
    const from = await tutor.box('lblSubMenu3');
    const to = await tutor.box('Label49');
    await tutor.mouse.move(from.x + 5, from.y + 5);
    await tutor.mouse.down();
    await tutor.mouse.move(to.x + 5, to.y + 5);
    await tutor.mouse.up();
    assert.ok(await tutor.visible('lblSubMenu3'), 'menu still open');
  });
});

describe('word typing', () => {
  let tutor;
  before(async () => {
    tutor = await openTutor();
    await tutor.click('lblMenu1');
    await tutor.click('lblSubMenu1');
  });
  after(() => tutor.close());

  test('shows the practice text on the blackboard, Mongolian captions on the keys', async () => {
    assert.ok(await tutor.visible('Text1'));
    assert.ok(await tutor.visible('ShapeSambar'));
    assert.equal(await tutor.text('F'), 'Ө');
    assert.equal(await tutor.attribute('OptMon', 'aria-checked'), 'true');
  });

  test('the highlight is seen at every character of the whole text', async () => {
    let mark = await tutor.evaluate(markOf, 'Text1');
    const text = mark.caption;
    assert.ok(text.endsWith('\r\n'));
    let wrapBlanks = 0;
    for (let steps = 0; steps < text.length; ++steps) {
      assert.ok(mark.seen, `highlight not seen at ${mark.selStart} (${JSON.stringify(text[mark.selStart])})`);
      const ch = text[mark.selStart];
      if (ch === '\r') break;
      const code = KEY_OF_LETTER.get(ch);
      assert.ok(code, `no key writes ${JSON.stringify(ch)}`);
      await pressKey(tutor, code, ch);
      const next = await tutor.evaluate(markOf, 'Text1');
      assert.equal(next.selStart, mark.selStart + 1, `typing ${JSON.stringify(ch)} moved on`);
      if (ch === ' ' && next.top > mark.top + 1) ++wrapBlanks;
      mark = next;
    }
    assert.equal(text[mark.selStart], '\r', 'typed to the closing line break');
    assert.ok(mark.seen, 'the closing line break is marked');
    assert.ok(wrapBlanks >= 3, `only ${wrapBlanks} blanks ending a wrapped line`);
    assert.equal(await tutor.text('txtCountError'), '0');
  });

  test('a wrong letter beeps and counts a miss, the highlight stays', async () => {
    const before = await tutor.evaluate(markOf, 'Text1');
    const beeps = (await tutor.beeps()).length;
    await pressKey(tutor, 'KeyQ', 'ф');
    const afterMiss = await tutor.evaluate(markOf, 'Text1');
    assert.equal(afterMiss.selStart, before.selStart);
    assert.ok(afterMiss.seen);
    assert.equal(await tutor.text('txtCountError'), '1');
    assert.equal((await tutor.beeps()).length, beeps + 1);
  });

  test('back (Буцах) returns to idle and stops the timer', async () => {
    await tutor.click('lblMenu1');
    await tutor.click('lblSubMenu3');
    assert.ok(!(await tutor.visible('Text1')));
    assert.equal(await tutor.timerRunning(), false);
  });
});

describe('free typing', () => {
  let tutor;
  before(async () => {
    tutor = await openTutor();
    await tutor.click('lblMenu1');
    await tutor.click('lblSubMenu2');
  });
  after(() => tutor.close());

  test('every key writes its Mongolian letter at the end, untimed', async () => {
    assert.ok(await tutor.visible('Text2'));
    const start = await tutor.text('Text2');
    for (const [code, letter] of [['KeyG', 'а'], ['KeyJ', 'р'], ['KeyD', 'б'], ['KeyG', 'а'], ['KeyH', 'х']]) {
      await pressKey(tutor, code, letter);
    }
    assert.equal(await tutor.text('Text2'), `${start}арбах`);
    assert.equal(await tutor.timerRunning(), false);
  });

  test('a long text keeps its end in view', async () => {
    const state = () => tutor.evaluate(() => {
      const box = document.querySelector('[data-name="Text2"]');
      return {
        overflows: box.scrollHeight > box.clientHeight + 20,
        endInView: box.scrollTop + box.clientHeight >= box.scrollHeight - 2,
      };
    });
    for (let i = 0; i < 1500 && !(await state()).overflows; ++i) {
      await pressKey(tutor, i % 9 ? 'KeyG' : 'Space', i % 9 ? 'а' : ' ');
    }
    assert.deepEqual(await state(), { overflows: true, endInView: true });
  });

  test('no page errors', async () => assert.deepEqual(await tutor.errors(), []));
});
