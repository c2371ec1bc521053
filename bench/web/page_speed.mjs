// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// Speed of the browser edition in headless Chromium on localhost, measured,
// never asserted: the first full paint after navigation (the first frame
// that shows the whole form, on the screen), the frame's start and the time
// the page marks itself built, the bytes a first visit moves, the time from
// a key-down to the frame that shows it, and what runs while the tutor is
// idle. Build first (scripts/web --build-only):
//   node bench/web/page_speed.mjs [runs]

import { openTutor, pressKey, SLOT_KEYS } from '../../tests/web/browser.mjs';

const runs = Number(process.argv[2] ?? 5);
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

const paints = [];
const frames = [];
const built = [];
const bytes = [];
for (let i = 0; i < runs; ++i) {
  const tutor = await openTutor({ audio: false });
  const measured = await tutor.page.evaluate(() => {
    const ready = performance.getEntriesByName('arvan-ready')[0]?.startTime;
    const resources = performance.getEntriesByType('resource');
    const navigation = performance.getEntriesByType('navigation')[0];
    const moved = resources.reduce((n, r) => n + r.transferSize, navigation.transferSize);
    return { ready, moved, files: resources.length + 1 };
  });
  paints.push(tutor.firstFullPaint.painted);
  frames.push(tutor.firstFullPaint.frame);
  built.push(measured.ready);
  bytes.push(measured.moved);
  if (i === 0) console.log(`files on the first visit: ${measured.files}`);
  await tutor.close();
}
const list = (xs) => xs.map((x) => x.toFixed(0)).join(', ');
const report = (what, xs) => console.log(`${what}: median ${median(xs).toFixed(0)} ms (${list(xs)})`);
report('first full paint after navigation', paints);
report('  its frame began', frames);
report('  the page built (its arvan-ready mark)', built);
console.log(`bytes moved on a first visit: ${(median(bytes) / 1024).toFixed(1)} KiB`);

// Key-down to the frame that shows it: the event's time stamp to the next
// animation frame's, with the key's highlight shown in that frame.
const tutor = await openTutor({ audio: false });
await tutor.element('Start').click();
const delays = [];
for (let i = 0; i < 40; ++i) {
  const target = await tutor.target();
  await tutor.page.evaluate(() => {
    window.keyFrame = new Promise((resolve) => {
      document.addEventListener('keydown', (e) => {
        const at = e.timeStamp;
        requestAnimationFrame((frame) => resolve(frame - at));
      }, { once: true });
    });
  });
  const [code, letter] = SLOT_KEYS[target];
  await pressKey(tutor, code, letter, { type: 'down' });
  delays.push(await tutor.page.evaluate(() => window.keyFrame));
  await pressKey(tutor, code, letter, { type: 'up' });
}
console.log(`key-down to its frame: median ${median(delays).toFixed(1)} ms, ` +
  `worst ${Math.max(...delays).toFixed(1)} ms (${delays.length} keys)`);

// Idle: Alt ends the drill; then count timers and animation frames asked for.
await pressKey(tutor, 'AltLeft', 'Alt');
const idle = await tutor.page.evaluate(async () => {
  let timers = 0;
  let frames = 0;
  const setTimeout0 = window.setTimeout;
  const raf0 = window.requestAnimationFrame;
  window.setTimeout = (...a) => (++timers, setTimeout0(...a));
  window.requestAnimationFrame = (...a) => (++frames, raf0(...a));
  await new Promise((r) => setTimeout0(r, 2000));
  return { timers, frames, timer: window.arvan.page.timer.handle };
});
console.log(`idle for 2 s: ${idle.timers} timers, ${idle.frames} animation frames asked for, ` +
  `tick timer ${idle.timer === null ? 'off' : 'on'}`);
await tutor.close();
