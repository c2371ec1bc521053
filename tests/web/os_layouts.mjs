// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// A drill in a real Chromium window on an X display, its keys pressed
// through the X server under the keyboard layout the display has set
// (setxkbmap us or mn). Each key is pressed by the symbol that layout gives
// it, so that the server finds the physical key and the browser makes the
// KeyboardEvent from that key and that layout, as for a learner's fingers.
// Then the word typing and the free typing, likewise. Exits non-zero on the
// first fault. In Chromium only: this is the path from a real layout to the
// page's KeyboardEvent, which the suite's drivers cannot make, and the
// suite plays the same drill in every engine. Run by tests/web/os_layouts.sh:
//   node tests/web/os_layouts.mjs us|mn

import { execFileSync } from 'node:child_process';
import { openTutor, SLOT_KEYS, watchKeys } from './browser.mjs';

// The X key symbol of each slot's key under each layout, slot 0 first.
const SYMBOLS = {
  us: [
    'q', 'w', 'e', 'r', 't', 'y', 'u', 'i', 'o', 'p', 'bracketleft', 'bracketright',
    'backslash', 'a', 's', 'd', 'f', 'g', 'h', 'j', 'k', 'l', 'semicolon', 'apostrophe',
    'z', 'x', 'c', 'v', 'b', 'n', 'm', 'comma', 'period', 'slash', 'space',
  ],
  mn: [
    'Cyrillic_ef', 'Cyrillic_tse', 'Cyrillic_u', 'Cyrillic_zhe', 'Cyrillic_e', 'Cyrillic_en',
    'Cyrillic_ghe', 'Cyrillic_sha', 'Cyrillic_u_straight', 'Cyrillic_ze', 'Cyrillic_ka',
    'Cyrillic_hardsign', 'exclam', 'Cyrillic_shorti', 'Cyrillic_yeru', 'Cyrillic_be',
    'Cyrillic_o_bar', 'Cyrillic_a', 'Cyrillic_ha', 'Cyrillic_er', 'Cyrillic_o', 'Cyrillic_el',
    'Cyrillic_de', 'Cyrillic_pe', 'Cyrillic_ya', 'Cyrillic_che', 'Cyrillic_io', 'Cyrillic_es',
    'Cyrillic_em', 'Cyrillic_i', 'Cyrillic_te', 'Cyrillic_softsign', 'Cyrillic_ve',
    'Cyrillic_yu', 'space',
  ],
};

const layout = process.argv[2];
const symbols = SYMBOLS[layout];
if (symbols === undefined) {
  console.error('usage: node tests/web/os_layouts.mjs us|mn');
  process.exit(2);
}

const count = async (tutor, name) => Number(await tutor.text(name));

// Presses and releases the key of `slot`; gives the key-down the page saw.
async function press(tutor, slot) {
  await watchKeys(tutor);
  execFileSync('xdotool', ['key', '--clearmodifiers', symbols[slot]]);
  await tutor.waitFor(() => window.keyLog.some((e) => e.kind === 'keyup'));
  const down = await tutor.evaluate(() => window.keyLog.find((e) => e.kind === 'keydown'));
  const [code] = SLOT_KEYS[slot];
  if (down?.code !== code || !down.prevented) {
    throw new Error(`slot ${slot}: the page saw ${JSON.stringify(down)}, not a taken ${code}`);
  }
  return down;
}

async function expectCount(tutor, name, expected, what) {
  const shown = await count(tutor, name);
  if (shown !== expected) throw new Error(`${what}: ${name} shows ${shown}, not ${expected}`);
}

// Opens the tutor in a Chromium window that has the X keyboard focus.
async function openFocused() {
  const tutor = await openTutor({ headless: false });
  // The keys go to Chromium's window; no element of the page takes the focus.
  execFileSync('xdotool', ['search', '--sync', '--onlyvisible', '--class', 'chromium',
    'windowfocus', '--sync']);
  return tutor;
}

async function playDrill() {
  const tutor = await openFocused();
  try {
    await tutor.click('Start');
    const written = [];
    for (let i = 0; i < 8; ++i) {
      const target = await tutor.target();
      if (target < 0) throw new Error(`no single target lit (${target})`);
      const hits = await count(tutor, 'txtCount');
      written.push((await press(tutor, target)).key);
      await expectCount(tutor, 'txtCount', hits + 1, `the key of slot ${target}`);
      // The hit lit the next target: a key seven slots from it is a miss.
      const wrong = ((await tutor.target()) + 7) % 34;
      const misses = await count(tutor, 'txtCountError');
      written.push((await press(tutor, wrong)).key);
      await expectCount(tutor, 'txtCountError', misses + 1, `the key of slot ${wrong}`);
    }
    console.log(`${layout}: drill, 8 hits and 8 misses; the keys wrote ${written.join(' ')}`);
  } finally {
    await tutor.close();
  }
}

const SLOT_OF_LETTER = new Map(SLOT_KEYS.map(([, letter], slot) => [letter, slot]));
const textOf = (tutor, name) => tutor.control(name).then((c) => c.caption);

// The Mongolian practice text is copied by its physical keys, whatever
// letters the layout puts on them; free typing writes the Mongolian letters.
async function playTyping() {
  const tutor = await openFocused();
  try {
    await tutor.click('lblMenu1');
    await tutor.click('lblSubMenu1');
    const text = await textOf(tutor, 'Text1');
    for (let i = 0; i < 12; ++i) {
      const slot = SLOT_OF_LETTER.get(text[i]);
      if (slot === undefined) throw new Error(`no key writes ${JSON.stringify(text[i])}`);
      await press(tutor, slot);
      const { selStart } = await tutor.control('Text1');
      if (selStart !== i + 1) throw new Error(`typing ${JSON.stringify(text[i])} left the highlight at ${selStart}`);
    }
    await expectCount(tutor, 'txtCountError', 0, 'copying the practice text');

    await tutor.click('lblMenu1');
    await tutor.click('lblSubMenu2');
    const before = await textOf(tutor, 'Text2');
    for (const letter of 'арбах') await press(tutor, SLOT_OF_LETTER.get(letter));
    const written = (await textOf(tutor, 'Text2')).slice(before.length);
    if (written !== 'арбах') throw new Error(`free typing wrote ${JSON.stringify(written)}, not "арбах"`);
    console.log(`${layout}: the practice text copied by its keys; free typing wrote ${written}`);
  } finally {
    await tutor.close();
  }
}

await playDrill();
await playTyping();
