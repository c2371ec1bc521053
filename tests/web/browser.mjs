// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// What every browser test needs: the built site served on 127.0.0.1, a
// fresh browser of the engine that ARVAN_ENGINE names (chromium, the
// default, firefox or webkit; Debian's each), a counted audio seam in place
// of Web Audio, and ways to read and use the page's controls that work the
// same in every engine.

import { existsSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from '../../web/serve.mjs';

const here = dirname(fileURLToPath(import.meta.url));
export const SITE = resolve(process.env.ARVAN_SITE ?? join(here, '../../build/web'));
export const ENGINE = process.env.ARVAN_ENGINE ?? 'chromium';
if (!['chromium', 'firefox', 'webkit'].includes(ENGINE)) throw new Error(`no engine ${ENGINE}`);
const WATCH = join(here, 'page_watch.js');
const WATCH_PATH = '/arvan-test/page_watch.js';

export const DESIGN = { width: 15000, height: 10335 };

async function launch(options) {
  if (ENGINE === 'webkit') return (await import('./webkit.mjs')).launchWebKit(options);
  return (await import('./playwright_engines.mjs')).launchPlaywright(ENGINE, options);
}

async function within(promise, ms, what) {
  let timer;
  const late = new Promise((_, reject) => {
    timer = setTimeout(() => reject(new Error(what)), ms);
  });
  return Promise.race([promise, late]).finally(() => clearTimeout(timer));
}

// With `script` false the page's script never arrives: the page shows only
// what came drawn into it, and nothing is waited for. `site` serves another
// folder than the built site.
export async function openTutor({
  width = 1280, height = 720, scale = 1, audio = true, headless = true, script = true,
  site = SITE,
} = {}) {
  if (!existsSync(join(site, 'index.html'))) throw new Error(`no site at ${site}: build it first`);
  const requests = [];
  const { server, port } = await serve(site, 0, '127.0.0.1', {
    log: requests,
    refuse: script ? undefined : /^\/page[.\w]*\.js$/,
    // WebKit's WebDriver runs no script before the page's: the page watch
    // comes in the page instead, as its first script.
    extra: new Map([[WATCH_PATH, WATCH]]),
    intoPage: ENGINE === 'webkit'
      ? `<script src="${WATCH_PATH}${audio ? '' : '?audio=0'}"></script>` : undefined,
  });
  const browser = await launch({ width, height, scale, headless, watch: WATCH, realAudio: !audio });
  const url = `http://127.0.0.1:${port}/`;
  const evaluate = browser.evaluate;
  const waitFor = async (fn, arg, { timeout = 10000, what = String(fn) } = {}) => {
    const deadline = Date.now() + timeout;
    for (;;) {
      const value = await evaluate(fn, arg).catch(() => undefined);
      if (value) return value;
      if (Date.now() > deadline) throw new Error(`never came: ${what}`);
      await new Promise((r) => setTimeout(r, 25));
    }
  };
  const ready = async () => {
    const firstFullPaint = await within(evaluate('window.firstFullPaint'), 30000,
      'the page never showed itself whole');
    // The bell opens after the page's first frame; the tests count its rings from then.
    await waitFor(() => window.arvan?.page.bell.waiting === null);
    return firstFullPaint;
  };
  const box = (name) => evaluate((n) => {
    const r = document.querySelector(`[data-name="${n}"]`).getBoundingClientRect();
    return { x: r.x, y: r.y, width: r.width, height: r.height };
  }, name);
  const close = async () => {
    await browser.close();
    const closed = new Promise((r) => server.close(r));
    server.closeAllConnections();
    await closed;
  };
  let firstFullPaint = null;
  try {
    await browser.goto(url);
    if (script) firstFullPaint = await ready();
  } catch (e) {
    await close();
    throw e;
  }
  const tutor = {
    engine: ENGINE, browser, server, url, requests, evaluate, waitFor, box, close,
    errors: () => browser.errors(),
    firstFullPaint,
    screenshot: () => browser.screenshot(),
    setViewport: (w, h) => browser.setViewport(w, h),
    mouse: browser.mouse,
    async reload() {
      await browser.reload();
      await waitFor(() => document.body.classList.contains('ready'));
    },
    // The page's current state of a control, by its designed name.
    control: (name) => evaluate((n) => window.arvan.page.controls.find((c) => c.name === n), name),
    text: (name) => evaluate((n) => document.querySelector(`[data-name="${n}"]`).textContent, name),
    attribute: (name, attribute) => evaluate(([n, a]) =>
      document.querySelector(`[data-name="${n}"]`).getAttribute(a), [name, attribute]),
    disabled: (name) => evaluate((n) => document.querySelector(`[data-name="${n}"]`).disabled, name),
    // Laid out with a size and not made invisible.
    visible: (name) => evaluate((n) => {
      const e = document.querySelector(`[data-name="${n}"]`);
      const r = e.getBoundingClientRect();
      return r.width > 0 && r.height > 0 && getComputedStyle(e).visibility !== 'hidden';
    }, name),
    // A click in the middle of a control, as a learner's.
    async click(name) {
      const r = await box(name);
      await browser.mouse.click(r.x + r.width / 2, r.y + r.height / 2);
    },
    // Bell starts, grouped: one bell sounds several partials at one time.
    beeps: () => evaluate(() => [...new Set(window.bellStarts)].sort((a, b) => a - b)),
    // The slot that carries the target flag (its outline's pen inside its
    // rectangle); -1 where none does, -1 - n where n do.
    target: () => evaluate(() => {
      const outlines = window.arvan.page.controls.filter((c) => /^button\(\d+\)$/.test(c.name));
      const flagged = outlines.filter((c) => c.penInside);
      return flagged.length === 1 ? Number(/\d+/.exec(flagged[0].name)[0]) : -1 - flagged.length;
    }),
    timerRunning: () => evaluate(() => window.arvan.page.timer.handle !== null),
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
// where the engine's driver can send one (see the engines' key()). Gives
// whether the page prevented the default action of every event it made.
export async function pressKey(tutor, code, key, { type = 'both', repeat = false } = {}) {
  await watchKeys(tutor);
  if (type !== 'up') await tutor.browser.key('down', code, key, repeat);
  if (type !== 'down') await tutor.browser.key('up', code, key, repeat);
  const log = await tutor.evaluate(() => window.keyLog);
  return log.length > 0 && log.every((e) => e.prevented);
}

// Empties window.keyLog, which receives every key event from now on, and
// whether the page took it: listened for after the page's own handlers, on
// the window.
export async function watchKeys(tutor) {
  await tutor.evaluate(() => {
    if (window.keyLog === undefined) {
      for (const kind of ['keydown', 'keyup']) {
        window.addEventListener(kind, (e) => window.keyLog.push({
          kind, code: e.code, key: e.key, repeat: e.repeat, prevented: e.defaultPrevented,
        }));
      }
    }
    window.keyLog = [];
  });
}

// The pixel position of a point given in twips, for a page of this size.
export function toPixels(width, height, x, y) {
  const s = Math.min(width / DESIGN.width, height / DESIGN.height);
  return [
    Math.round((width - DESIGN.width * s) / 2 + x * s),
    Math.round((height - DESIGN.height * s) / 2 + y * s),
  ];
}
