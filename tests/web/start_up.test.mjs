// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The page as it opens: the design scaled to the page at its places, the
// start-up's two beeps, the options it selects, and the same at another
// window size and device pixel ratio.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { DESIGN, openTutor, toPixels } from './browser.mjs';
import { decodePng } from './png.mjs';

// Points of the design, in twips, with the colour the form has there.
const PLACES = [
  ['window background, right of the keyboard', 14700, 7000, '#0000ff'],
  ['outer keyboard panel Shape4, navy', 1020, 7000, '#000080'],
  ['face of the key A, light grey', 3000, 7950, '#c0c0c0'],
  ['outline of the home key A, red rim', 2790, 8100, '#ff0000'],
  ['outline of the key Q, grey rim', 2430, 7400, '#808080'],
  ['face of a decorative key (Esc), light blue', 1420, 6100, '#8080ff'],
  ['lblExit, red', 9270, 4170, '#ff0000'],
  ['lblMenu1, light blue', 1150, 300, '#8080ff'],
];

// Within `by` of each other in each channel. WebKit draws a picture that a
// script has moved one step off in a few pixels' colours.
function near(actual, expected, by = 24) {
  const rgb = (h) => [1, 3, 5].map((i) => parseInt(h.slice(i, i + 2), 16));
  return rgb(actual).every((v, i) => Math.abs(v - rgb(expected)[i]) <= by);
}

async function checkPlaces(tutor, width, height) {
  const shot = decodePng(await tutor.screenshot());
  const scale = shot.width / width;
  for (const [what, x, y, colour] of PLACES) {
    const [px, py] = toPixels(width, height, x, y);
    const seen = shot.at(Math.round(px * scale), Math.round(py * scale));
    assert.ok(near(seen, colour), `${what}: ${seen} at (${px}, ${py}), expected ${colour}`);
  }
}

describe('start-up', () => {
  let tutor;
  before(async () => {
    tutor = await openTutor({ width: 1280, height: 720 });
  });
  after(() => tutor.close());

  test('the title names the program once', async () => {
    assert.equal(await tutor.evaluate(() => document.title), 'Arvan — арван хуруугаар бичиж сурах');
  });

  test('the design is drawn at its places, scaled and centred', async () => {
    await checkPlaces(tutor, 1280, 720);
  });

  test('two beeps, one after the other', async () => {
    const beeps = await tutor.beeps();
    assert.equal(beeps.length, 2);
    assert.ok(beeps[1] - beeps[0] >= 0.1, `bells ${beeps} overlap`);
  });

  test('slow speed and English selected, counters empty, clock reads Time', async () => {
    assert.equal(await tutor.attribute('Option3', 'aria-checked'), 'true');
    assert.equal(await tutor.attribute('OptEng', 'aria-checked'), 'true');
    assert.equal(await tutor.attribute('OptMon', 'aria-checked'), 'false');
    assert.equal(await tutor.text('txtCount'), '');
    assert.equal(await tutor.text('txtCountError'), '');
    assert.equal(await tutor.text('lblElapsedTime'), 'Time');
    assert.equal(await tutor.text('Q'), 'Q');
    assert.ok(await tutor.visible('ImgEng'));
    assert.ok(!(await tutor.visible('Dalbaa1')));
  });

  test('no target, no timer while idle', async () => {
    assert.equal(await tutor.target(), -1);
    assert.equal(await tutor.timerRunning(), false);
  });

  test('child controls lie above the keyboard picture and never take the focus', async () => {
    const box = await tutor.box('Option1');
    const hit = await tutor.evaluate(
      ([x, y]) => document.elementFromPoint(x, y)?.dataset.name,
      [box.x + box.width - 3, box.y + box.height / 2],
    );
    assert.equal(hit, 'Option1');
    await tutor.click('cmdNoView');
    await tutor.click('Option1');
    assert.equal(await tutor.evaluate(() => document.activeElement === document.body), true);
  });

  test('the form fills the width or the height of the window, whatever its size', async () => {
    for (const [width, height] of [[1000, 689], [1920, 1080], [700, 1000]]) {
      await tutor.setViewport(width, height);
      const stage = await tutor.evaluate(() => {
        const r = document.getElementById('stage').getBoundingClientRect();
        return { width: r.width, height: r.height };
      });
      const s = Math.min(width / DESIGN.width, height / DESIGN.height);
      assert.ok(Math.abs(stage.width - DESIGN.width * s) < 1 &&
        Math.abs(stage.height - DESIGN.height * s) < 1,
        `${width}x${height}: the form is ${stage.width}x${stage.height}`);
    }
  });

  test('the window resized: the design scales with it', async () => {
    await tutor.setViewport(900, 900);
    await checkPlaces(tutor, 900, 900);
    await tutor.setViewport(1600, 600);
    await checkPlaces(tutor, 1600, 600);
  });

  test('no page errors', async () => {
    assert.deepEqual(await tutor.errors(), []);
  });
});

describe('the form drawn into the page', () => {
  let tutor;
  before(async () => {
    tutor = await openTutor({ width: 1000, height: 700 });
  });
  after(() => tutor.close());

  test('shows, before any script runs, what the started page shows', async () => {
    const drawn = await openTutor({ width: 1000, height: 700, script: false });
    try {
      const before = decodePng(await drawn.screenshot());
      const started = decodePng(await tutor.screenshot());
      const differing = [];
      for (let y = 0; y < started.height; ++y) {
        for (let x = 0; x < started.width; ++x) {
          if (!near(before.at(x, y), started.at(x, y), 2)) differing.push([x, y]);
        }
      }
      if (differing.length > 0) {
        const [x, y] = differing[0];
        assert.fail(`${differing.length} pixels differ, the first at (${x}, ${y}): ` +
          `${before.at(x, y)} drawn, ${started.at(x, y)} started`);
      }
      await checkPlaces(drawn, 1000, 700);
    } finally {
      await drawn.close();
    }
  });

  test('is taken over by the script: one element a control, each once', async () => {
    const [elements, controls] = await tutor.evaluate(() => [
      [...document.querySelectorAll('#stage [data-index]')].map((e) => Number(e.dataset.index)),
      window.arvan.page.controls.length,
    ]);
    assert.deepEqual([...elements].sort((a, b) => a - b), [...Array(controls).keys()]);
  });
});

describe('start-up at device pixel ratio 2', () => {
  let tutor;
  before(async () => {
    tutor = await openTutor({ width: 1000, height: 700, scale: 2 });
  });
  after(() => tutor.close());

  test('the design is drawn at its places', async () => {
    await checkPlaces(tutor, 1000, 700);
  });
});
