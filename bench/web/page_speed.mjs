// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// Speed of the browser edition in one engine (ARVAN_ENGINE: chromium,
// firefox or webkit), measured, never asserted, each side by side with a
// bare page served the same way in the same engine:
// - the first contentful paint after navigation, against a page of one
//   line of text and a page of as many plain boxes as the form has
//   controls (what the engine takes to draw that much, with no script,
//   style sheet or drawing), a fresh browser for each load, the three
//   taken in turn;
// - the files and bytes of a first visit, counted at the server until the
//   service worker has kept the site (in WebKit also with a profile of its
//   own, as a learner's browser has, besides the WebDriver session);
// - key-down to the end of the frame that shows its change (the frame's
//   rendering done: a task posted from its animation frame has run),
//   against a page that shows or hides one element per key;
// - the core's own time per key in the page (key-down and key-up through
//   the bindings, nothing drawn, the bell silenced), the best of 9 rounds;
// - what runs while the tutor is idle.
// Build first (scripts/web --build-only), then from tests/web, where
// playwright-core is:
//   ARVAN_ENGINE=firefox node ../../bench/web/page_speed.mjs [loads] [keys]

import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { ENGINE, openTutor, pressKey, SITE, SLOT_KEYS } from '../../tests/web/browser.mjs';
import { serve } from '../../web/serve.mjs';

const here = dirname(fileURLToPath(import.meta.url));

const loads = Number(process.argv[2] ?? 7);
const keys = Number(process.argv[3] ?? 40);
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const quantile = (xs, q) => [...xs].sort((a, b) => a - b)[Math.min(xs.length - 1, Math.floor(xs.length * q))];
const ms = (x) => `${x.toFixed(1)} ms`;

// The bare pages, in a folder of their own: one line of text, and one
// element shown or hidden per key-down.
const bare = mkdtempSync(join(tmpdir(), 'arvan-bare-'));
writeFileSync(join(bare, 'index.html'), '<!doctype html><html lang="en"><head>' +
  '<meta charset="utf-8"><title>Bare</title></head><body><p>One line of text.</p></body></html>\n');
writeFileSync(join(bare, 'keys.html'), '<!doctype html><html lang="en"><head>' +
  '<meta charset="utf-8"><title>Bare</title><script src="keys.js" defer></script></head>' +
  '<body><div id="stage" style="background:#00f;width:100vw;height:100vh">' +
  '<div id="key" style="position:absolute;left:40vw;top:40vh;width:60px;height:60px;' +
  'background:#ff0" hidden></div></div><div id="closed"></div></body></html>\n');
writeFileSync(join(bare, 'keys.js'), "const key = document.getElementById('key');\n" +
  "key.dataset.index = '0';\n" +
  "document.addEventListener('keydown', (e) => { e.preventDefault(); key.hidden = !key.hidden; });\n");

// The boxes: one captioned, outlined box per control of the form, placed
// in rows over the window.
const controls = readFileSync(join(SITE, 'index.html'), 'utf8').split('data-index=').length - 1;
const boxes = join(bare, 'boxes');
mkdirSync(boxes);
writeFileSync(join(boxes, 'index.html'), '<!doctype html><html lang="en"><head>' +
  '<meta charset="utf-8"><title>Boxes</title></head><body style="margin:0;background:#00f">' +
  Array.from({ length: controls }, (_, i) => '<div style="position:absolute;' +
    `left:${(i % 25) * 4}vw;top:${Math.floor(i / 25) * 6}vh;width:3.6vw;height:5vh;` +
    `border:2px solid #008;border-radius:4px;background:#ccc">${String.fromCharCode(65 + (i % 26))}</div>`).join('') +
  '</body></html>\n');

// First contentful paint, ms after navigation, of a fresh load; for the
// tutor also when it was ready for keys (its arvan-ready mark).
const readies = [];
async function firstPaint(site) {
  const tutor = await openTutor({ audio: false, site, script: site === SITE });
  try {
    const paint = await tutor.waitFor(() =>
      performance.getEntriesByName('first-contentful-paint')[0]?.startTime, null,
    { timeout: 30000 });
    if (site === SITE) {
      readies.push(await tutor.evaluate(() => performance.getEntriesByName('arvan-ready')[0].startTime));
    }
    return paint;
  } finally {
    await tutor.close();
  }
}

// Key-down to the end of the frame that shows it, from a listener that
// runs before the page's own.
async function keyToFrame(tutor, code, letter) {
  await tutor.evaluate(() => {
    window.keyFrame = new Promise((resolve) => {
      window.addEventListener('keydown', (e) => {
        const now = performance.now();
        const at = e.timeStamp > 0 && e.timeStamp <= now ? e.timeStamp : now;
        requestAnimationFrame(() => {
          const channel = new MessageChannel();
          channel.port1.onmessage = () => resolve(performance.now() - at);
          channel.port2.postMessage(0);
        });
      }, { once: true, capture: true });
    });
  });
  await pressKey(tutor, code, letter, { type: 'down' });
  const delay = await tutor.evaluate('window.keyFrame');
  await pressKey(tutor, code, letter, { type: 'up' });
  return delay;
}

console.log(`engine: ${ENGINE}`);
const paints = { arvan: [], bare: [], boxes: [] };
for (let i = 0; i < loads; ++i) {
  paints.arvan.push(await firstPaint(SITE));
  paints.bare.push(await firstPaint(bare));
  paints.boxes.push(await firstPaint(boxes));
}
const list = (xs) => xs.map((x) => x.toFixed(0)).join(', ');
const ratio = (xs) => (median(xs) / median(paints.bare)).toFixed(2);
console.log(`first contentful paint: ${ms(median(paints.arvan))} (${list(paints.arvan)}); ` +
  `bare page ${ms(median(paints.bare))} (${list(paints.bare)}); ratio ${ratio(paints.arvan)}; ` +
  `${controls} plain boxes ${ms(median(paints.boxes))} (${list(paints.boxes)}), ratio ${ratio(paints.boxes)}`);
console.log(`ready for keys: ${ms(median(readies))} (${list(readies)})`);

// A first visit, counted at the server.
const visitSummary = (requests) => {
  const bytes = requests.reduce((n, r) => n + r.bytes, 0);
  return `${requests.length} responses, ${(bytes / 1024).toFixed(1)} KiB ` +
    `(${requests.map((r) => `${r.path} ${r.status} ${(r.bytes / 1024).toFixed(1)}`).join('; ')})`;
};
if (ENGINE === 'webkit') {
  // WebKit's WebDriver session has no HTTP cache, a learner's browser has:
  // the same visit in a MiniBrowser with a profile of its own.
  const { visitWithProfile } = await import('../../tests/web/webkit.mjs');
  const log = [];
  const watch = '/arvan-test/worker_watch.js';
  const { server, port } = await serve(SITE, 0, '127.0.0.1', {
    log,
    extra: new Map([[watch, join(here, '../../tests/web/worker_watch.js')]]),
    intoPage: `<script src="${watch}"></script>`,
  });
  await visitWithProfile(`http://127.0.0.1:${port}/`,
    () => log.some((r) => r.path === '/arvan-test/controlled'));
  server.closeAllConnections();
  server.close();
  console.log(`first visit with a profile: ${visitSummary(log.filter((r) => !r.path.startsWith('/arvan-test/')))}`);
}
{
  const tutor = await openTutor({ audio: false });
  await tutor.waitFor(() => navigator.serviceWorker.controller !== null, null, { timeout: 20000 });
  const site = tutor.requests.filter((r) => !r.path.startsWith('/arvan-test/'));
  console.log(`first visit: ${visitSummary(site)}`);

  // The core's time per key, in the page: a drill played through the
  // bindings alone.
  const core = await tutor.evaluate(() => {
    const { page } = window.arvan;
    const ring = page.bell.ring;
    page.bell.ring = () => {}; // the core's time, not Web Audio's for the misses' beeps
    page.core.click(page.controls.find((c) => c.name === 'Start').index);
    // The best of 9 rounds: the first ones also time the compiler.
    let each = Infinity;
    for (let round = 0; round < 9; ++round) {
      const started = performance.now();
      const n = 1000;
      for (let i = 0; i < n; ++i) {
        page.core.keyDown(65 + (i % 26));
        page.core.keyUp(65 + (i % 26));
      }
      each = Math.min(each, (performance.now() - started) / n);
    }
    page.core.keyDown(18);
    page.core.keyUp(18);
    page.bell.ring = ring;
    return each;
  });
  console.log(`the core in the page: ${(core * 1000).toFixed(1)} µs a key ` +
    '(key-down and key-up through the bindings, their answers decoded)');
  await tutor.close();
}

// Key-down to its frame: the tutor in a drill, the bare page.
const delays = { arvan: [], bare: [] };
{
  const tutor = await openTutor({ audio: false });
  await tutor.click('Start');
  for (let i = 0; i < keys; ++i) {
    const [code, letter] = SLOT_KEYS[await tutor.target()];
    delays.arvan.push(await keyToFrame(tutor, code, letter));
  }
  // Idle: Alt ends the drill; then count timers and animation frames asked for.
  await pressKey(tutor, 'AltLeft', 'Alt');
  const idle = await tutor.evaluate(async () => {
    let timers = 0;
    let frames = 0;
    const setTimeout0 = window.setTimeout;
    const raf0 = window.requestAnimationFrame;
    window.setTimeout = (...a) => (++timers, setTimeout0(...a));
    window.requestAnimationFrame = (...a) => (++frames, raf0(...a));
    await new Promise((r) => setTimeout0(r, 2000));
    window.setTimeout = setTimeout0;
    window.requestAnimationFrame = raf0;
    return { timers, frames, timer: window.arvan.page.timer.handle };
  });
  console.log(`idle for 2 s: ${idle.timers} timers, ${idle.frames} animation frames asked for, ` +
    `tick timer ${idle.timer === null ? 'off' : 'on'}`);
  await tutor.close();
}
{
  const tutor = await openTutor({ audio: false, site: bare, script: false });
  await tutor.browser.goto(`${tutor.url}keys.html`);
  await tutor.waitFor(() => document.readyState === 'complete');
  for (let i = 0; i < keys; ++i) delays.bare.push(await keyToFrame(tutor, 'KeyF', 'ө'));
  await tutor.close();
}
const shown = (xs) => `median ${ms(median(xs))}, 95th percentile ${ms(quantile(xs, 0.95))}`;
console.log(`key-down to the end of its frame (${keys} keys): ${shown(delays.arvan)}; ` +
  `bare page ${shown(delays.bare)}; difference of medians ` +
  `${ms(median(delays.arvan) - median(delays.bare))}`);
rmSync(bare, { recursive: true, force: true });
