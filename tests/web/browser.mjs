// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// What every browser test needs: the built site served on 127.0.0.1, a
// fresh headless Chromium (Debian's) driven through Playwright, a counted
// audio seam in place of Web Audio, and ways to read the page's controls.

import { mkdtempSync, rmSync, existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { serve } from '../../web/serve.mjs';

const here = dirname(fileURLToPath(import.meta.url));
export const SITE = resolve(process.env.ARVAN_SITE ?? join(here, '../../build/web'));
const CHROMIUM = process.env.CHROMIUM ?? '/usr/bin/chromium';

export const DESIGN = { width: 15000, height: 10335 };

// Replaces Web Audio before the page runs: every oscillator start is
// recorded in window.bellStarts, in the audio clock's seconds.
function countedAudio() {
  window.bellStarts = [];
  const node = () => ({ connect: (next) => next, disconnect() {} });
  const param = () => ({ value: 0, setValueAtTime() {}, exponentialRampToValueAtTime() {} });
  window.AudioContext = class {
    constructor() {
      this.state = 'running';
      this.destination = node();
    }
    get currentTime() {
      return performance.now() / 1000;
    }
    resume() {
      return Promise.resolve();
    }
    createGain() {
      return { ...node(), gain: param() };
    }
    createOscillator() {
      return {
        ...node(),
        frequency: param(),
        start: (at) => window.bellStarts.push(at),
        stop() {},
      };
    }
  };
}

// Resolves window.firstFullPaint with the times, in ms after navigation,
// of the first animation frame in which the stage holds the form, drawn
// into the page or built by its script, and every picture it shows has
// loaded (`frame`), and of that frame on the screen (`painted`): Chromium's
// first contentful paint, as the page shows nothing before it is whole, and
// never before that frame. It only observes, so that the page starts as it
// would with no test around it.
function watchFirstFullPaint() {
  window.firstFullPaint = new Promise((resolve) => {
    let frame = null;
    let contentful = null;
    const settle = () => {
      if (frame !== null && contentful !== null) {
        resolve({ frame, painted: Math.max(frame, contentful) });
      }
    };
    new PerformanceObserver((list) => {
      const entry = list.getEntriesByName('first-contentful-paint')[0];
      if (entry === undefined) return;
      contentful = entry.startTime;
      settle();
    }).observe({ type: 'paint', buffered: true });
    const whole = () => [...document.querySelectorAll('#stage img')].every(
      (img) => img.complete || img.closest('[hidden]') !== null,
    );
    const onFrame = () => {
      if (!whole()) {
        requestAnimationFrame(onFrame);
        return;
      }
      frame = performance.now();
      settle();
    };
    // The whole stage is parsed once the element after it is, and holds the
    // form once it has a control's element; watched from the document's
    // start, as the form may come with the page.
    const shown = () => document.getElementById('closed') !== null &&
      document.querySelector('#stage [data-index]') !== null;
    const observer = new MutationObserver(() => {
      if (!shown()) return;
      observer.disconnect();
      requestAnimationFrame(onFrame);
    });
    observer.observe(document, { childList: true, subtree: true });
  });
}

// With `script` false the page's script never arrives: the page shows only
// what came drawn into it, and nothing is waited for.
export async function openTutor({
  width = 1280, height = 720, scale = 1, audio = true, headless = true, script = true,
} = {}) {
  if (!existsSync(join(SITE, 'index.html'))) throw new Error(`no site at ${SITE}: build it first`);
  const { server, port } = await serve(SITE, 0);
  const profile = mkdtempSync(join(tmpdir(), 'arvan-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: CHROMIUM,
    headless,
    viewport: { width, height },
    deviceScaleFactor: scale,
    args: [
      '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--disable-partial-raster',
    ],
  });
  if (audio) await context.addInitScript(countedAudio);
  await context.addInitScript(watchFirstFullPaint);
  // After the page's own handlers: whether each key event was taken.
  await context.addInitScript(() => {
    window.keyLog = [];
    for (const kind of ['keydown', 'keyup']) {
      window.addEventListener(kind, (e) => window.keyLog.push({
        kind, code: e.code, key: e.key, prevented: e.defaultPrevented,
      }));
    }
  });
  if (!script) await context.route('**/page.js', (route) => route.abort());
  const page = context.pages()[0] ?? (await context.newPage());
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  const requests = [];
  context.on('request', (r) => requests.push(r.url()));
  const url = `http://127.0.0.1:${port}/`;
  await page.goto(url);
  const close = async () => {
    await context.close();
    const closed = new Promise((r) => server.close(r));
    server.closeAllConnections();
    await closed;
    rmSync(profile, { recursive: true, force: true });
  };
  if (!script) return { page, close };
  // Waited for through the DevTools protocol itself: Playwright's own waits
  // would load its helper script into the page while the page still starts.
  const cdp = await context.newCDPSession(page);
  const painted = cdp.send('Runtime.evaluate', {
    expression: 'window.firstFullPaint', awaitPromise: true, returnByValue: true,
  });
  let timer;
  const late = new Promise((_, reject) => {
    timer = setTimeout(() => reject(new Error('the page never showed itself whole')), 30000);
  });
  const firstFullPaint = (await Promise.race([painted, late]).finally(() => clearTimeout(timer)))
    .result.value;
  // The bell opens after the page's first frame; the tests count its rings from then.
  await page.waitForFunction(() => window.arvan?.page.bell.waiting === null);
  const tutor = {
    page, context, server, url, errors, requests, cdp, firstFullPaint, close,
    // The page's current state of a control, by its designed name.
    control: (name) => page.evaluate((n) => window.arvan.page.controls.find((c) => c.name === n), name),
    element: (name) => page.locator(`[data-name="${name}"]`),
    // Bell starts, grouped: one bell sounds several partials at one time.
    beeps: () => page.evaluate(() => [...new Set(window.bellStarts)].sort((a, b) => a - b)),
    // The slot that carries the target flag (its outline in inside-solid style), or -1.
    target: () => page.evaluate(() => {
      const outlines = window.arvan.page.controls.filter((c) => /^button\(\d+\)$/.test(c.name));
      const flagged = outlines.filter((c) => c.borderStyle === 6);
      return flagged.length === 1 ? Number(/\d+/.exec(flagged[0].name)[0]) : -flagged.length;
    }),
    timerRunning: () => page.evaluate(() => window.arvan.page.timer.handle !== null),
  };
  return tutor;
}

// The physical keys of the key slots, slot 0 first, with the letter each
// writes under a Mongolian layout (the `key` of its event there).
export const SLOT_KEYS = [
  ['KeyQ', 'ф'], ['KeyW', 'ц'], ['KeyE', 'у'], ['KeyR', 'ж'], ['KeyT', 'э'], ['KeyY', 'н'],
  ['KeyU', 'г'], ['KeyI', 'ш'], ['KeyO', 'ү'], ['KeyP', 'з'], ['BracketLeft', 'к'],
  ['BracketRight', 'ъ'], ['Backslash', '\\'],
  ['KeyA', 'й'], ['KeyS', 'ы'], ['KeyD', 'б'], ['KeyF', 'ө'], ['KeyG', 'а'], ['KeyH', 'х'],
  ['KeyJ', 'р'], ['KeyK', 'о'], ['KeyL', 'л'], ['Semicolon', 'д'], ['Quote', 'п'],
  ['KeyZ', 'я'], ['KeyX', 'ч'], ['KeyC', 'ё'], ['KeyV', 'с'], ['KeyB', 'м'], ['KeyN', 'и'],
  ['KeyM', 'т'], ['Comma', 'ь'], ['Period', 'в'], ['Slash', 'ю'],
  ['Space', ' '],
];

// A physical key event as the browser gives it under a Mongolian layout,
// through the DevTools protocol, so that the page sees a trusted event with
// its `code` and `key`. Gives whether the page prevented the default action.
export async function pressKey(tutor, code, key, { type = 'both', repeat = false } = {}) {
  const send = (kind) => tutor.cdp.send('Input.dispatchKeyEvent', {
    type: kind, code, key, autoRepeat: repeat, windowsVirtualKeyCode: 0,
  });
  await tutor.page.evaluate(() => { window.keyLog = []; });
  if (type !== 'up') await send('rawKeyDown');
  if (type !== 'down') await send('keyUp');
  const log = await tutor.page.evaluate(() => window.keyLog);
  return log.length > 0 && log.every((e) => e.prevented);
}

// The pixel position of a point given in twips, for a page of this size.
export function toPixels(width, height, x, y) {
  const s = Math.min(width / DESIGN.width, height / DESIGN.height);
  return [
    Math.round((width - DESIGN.width * s) / 2 + x * s),
    Math.round((height - DESIGN.height * s) / 2 + y * s),
  ];
}
