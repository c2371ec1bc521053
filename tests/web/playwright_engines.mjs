// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// Chromium and Firefox, Debian's, driven through playwright-core: Chromium
// over the DevTools protocol, Firefox over WebDriver BiDi. Each gives the
// few things that tests/web/browser.mjs asks of an engine.

import { chromium, firefox } from 'playwright-core';

const CHROMIUM_ARGS = [
  '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--disable-partial-raster',
];

// The character a key writes under a US layout, which is what a WebDriver
// key action carries: Firefox makes the event's code from it.
const US_NAMES = new Map([
  ['AltLeft', 'AltLeft'], ['AltRight', 'AltRight'], ['Space', 'Space'],
  ['ControlLeft', 'ControlLeft'], ['ShiftLeft', 'ShiftLeft'], ['MetaLeft', 'MetaLeft'],
  ['Enter', 'Enter'], ['Escape', 'Escape'], ['Tab', 'Tab'], ['F5', 'F5'],
]);

export async function launchPlaywright(engine, { width, height, scale, headless, watch, realAudio }) {
  const browser = engine === 'firefox'
    ? await firefox.launch({
      channel: 'moz-firefox',
      executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr',
      headless,
    })
    : await chromium.launch({
      executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
      headless,
      args: CHROMIUM_ARGS,
    });
  const context = await browser.newContext({
    viewport: { width, height }, deviceScaleFactor: scale, serviceWorkers: 'allow',
  });
  if (realAudio) await context.addInitScript(() => { window.arvanRealAudio = true; });
  await context.addInitScript({ path: watch });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  const cdp = engine === 'chromium' ? await context.newCDPSession(page) : null;
  // The DevTools protocol sends each event's modifiers with it: those held.
  const held = new Set();
  const MODIFIER_BITS = { AltLeft: 1, ControlLeft: 2, MetaLeft: 4, ShiftLeft: 8 };
  const modifiers = () => [...held].reduce((bits, code) => bits | MODIFIER_BITS[code], 0);

  return {
    engine,
    errors: async () => errors,
    page,
    goto: (url) => page.goto(url),
    reload: () => page.reload(),
    // Playwright's evaluate loads no helper script into the page, unlike its waits.
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    // A key by its physical position (code) and what it writes (key). The
    // DevTools protocol sends both as given; WebDriver BiDi sends one key
    // value, from which Firefox makes the code as a US layout has it, so
    // there a key writes its US character; a key with no code is sent as
    // its character alone.
    async key(type, code, key, repeat) {
      if (cdp !== null) {
        // As a keyboard gives them: a modifier's own press has it held, its release not.
        if (code in MODIFIER_BITS) {
          if (type === 'down') held.add(code);
          else held.delete(code);
        }
        await cdp.send('Input.dispatchKeyEvent', {
          type: type === 'down' ? 'rawKeyDown' : 'keyUp', code, key, autoRepeat: repeat,
          windowsVirtualKeyCode: 0, modifiers: modifiers(),
        });
      } else if (code === '') {
        if (type === 'down') await page.keyboard.type(key);
      } else {
        const name = US_NAMES.get(code) ?? code;
        await (type === 'down' ? page.keyboard.down(name) : page.keyboard.up(name));
      }
    },
    mouse: {
      click: (x, y) => page.mouse.click(x, y),
      move: (x, y) => page.mouse.move(x, y),
      down: () => page.mouse.down(),
      up: () => page.mouse.up(),
    },
    screenshot: () => page.screenshot(),
    setViewport: (w, h) => page.setViewportSize({ width: w, height: h }),
    close: () => browser.close(),
  };
}
