// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// WebKit, Debian's WebKitGTK: WebKitWebDriver drives its MiniBrowser on a
// virtual X screen of its own, through a small client of the W3C WebDriver
// protocol (a session, scripts, key and pointer actions, screenshots).
// WebDriver runs no script before a page loads, so the test server puts
// the page watch into index.html instead (see openTutor); a device pixel
// ratio is the MiniBrowser's GDK_SCALE.

import { execFileSync, spawn } from 'node:child_process';
import { once } from 'node:events';
import { mkdtempSync, rmSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const MINIBROWSER = process.env.MINIBROWSER ??
  '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

// The WebDriver key value of a physical key: its US character, or one of
// the protocol's codes for the keys that write none.
const KEY_VALUES = new Map([
  ['Space', ' '], ['BracketLeft', '['], ['BracketRight', ']'], ['Backslash', '\\'],
  ['Semicolon', ';'], ['Quote', "'"], ['Comma', ','], ['Period', '.'], ['Slash', '/'],
  ['Equal', '='], ['Minus', '-'], ['Backquote', '`'],
  ['AltLeft', '\uE00A'], ['AltRight', '\uE052'], ['ControlLeft', '\uE009'],
  ['ShiftLeft', '\uE008'], ['MetaLeft', '\uE03D'], ['Enter', '\uE007'],
  ['Escape', '\uE00C'], ['Tab', '\uE004'], ['F5', '\uE035'],
]);

function keyValue(code, key) {
  if (code === '') return key;
  if (/^Key[A-Z]$/.test(code)) return code.slice(3).toLowerCase();
  if (/^Digit\d$/.test(code)) return code.slice(5);
  const value = KEY_VALUES.get(code);
  if (value === undefined) throw new Error(`no WebDriver key value for ${code}`);
  return value;
}

// The X key symbol of a physical key under the X server's US layout.
function keySymbol(code) {
  if (/^Key[A-Z]$/.test(code)) return code.slice(3).toLowerCase();
  const value = KEY_VALUES.get(code);
  const named = { ' ': 'space', '[': 'bracketleft', ']': 'bracketright', '\\': 'backslash',
    ';': 'semicolon', "'": 'apostrophe', ',': 'comma', '.': 'period', '/': 'slash' };
  if (named[value] === undefined) throw new Error(`no X key symbol for ${code}`);
  return named[value];
}

async function freePort() {
  const server = createServer();
  server.listen(0, '127.0.0.1');
  await once(server, 'listening');
  const { port } = server.address();
  server.close();
  return port;
}

// Starts Xvfb on a display it chooses; resolves with the process and ":N".
async function startXvfb() {
  const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '2560x1600x24', '-nolisten', 'tcp'],
    { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  const [chunk] = await once(xvfb.stdio[3], 'data');
  return { xvfb, display: `:${String(chunk).trim()}` };
}

async function until(ready, what, tries = 200) {
  for (let i = 0; i < tries; ++i) {
    if (await ready().catch(() => false)) return;
    await new Promise((r) => setTimeout(r, 50));
  }
  throw new Error(`${what} never came`);
}

export async function launchWebKit({ width, height, scale }) {
  const { xvfb, display } = await startXvfb();
  const port = await freePort();
  const driver = spawn('WebKitWebDriver', [`--port=${port}`], {
    stdio: 'ignore',
    env: { ...process.env, DISPLAY: display, GDK_SCALE: String(scale), NO_AT_BRIDGE: '1' },
  });
  const base = `http://127.0.0.1:${port}`;
  const call = async (method, path, body) => {
    const response = await fetch(base + path, {
      method,
      headers: { 'content-type': 'application/json' },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const json = await response.json();
    if (!response.ok) throw new Error(`WebDriver ${path}: ${JSON.stringify(json.value)}`);
    return json.value;
  };
  await until(() => call('GET', '/status').then((s) => s.ready), 'WebKitWebDriver');
  const { sessionId } = await call('POST', '/session', {
    capabilities: {
      alwaysMatch: {
        'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] },
      },
    },
  });
  const session = (method, path, body) => call(method, `/session/${sessionId}${path}`, body);
  const evaluate = (fn, arg) => session('POST', '/execute/sync', {
    script: typeof fn === 'function'
      ? `return (${fn}).apply(null, arguments);`
      : `return (${fn});`,
    args: arg === undefined ? [] : [arg],
  });
  const actions = (list) => session('POST', '/actions', { actions: list });
  const pointer = (steps) => actions([{
    type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' }, actions: steps,
  }]);
  const at = (x, y) => ({ type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport' });
  // The window's size for a page of width x height: the page's own, plus
  // what the MiniBrowser's window keeps around it.
  const setViewport = async (w, h) => {
    await session('POST', '/window/rect', { width: w, height: h });
    const [innerWidth, innerHeight] = await evaluate(() => [innerWidth, innerHeight]);
    if (innerWidth !== w || innerHeight !== h) {
      await session('POST', '/window/rect', { width: 2 * w - innerWidth, height: 2 * h - innerHeight });
    }
    // The window takes its size at once, the page's frame at that size later.
    await evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
  };
  await setViewport(width, height);

  return {
    engine: 'webkit',
    // A key pressed or released through the X server, into the browser's
    // window: held, it repeats as a learner's held key does, which WebDriver
    // cannot make.
    xKey(type, code) {
      const env = { ...process.env, DISPLAY: display };
      execFileSync('xdotool', ['search', '--sync', '--onlyvisible', '--name', 'Arvan',
        'windowfocus', '--sync'], { env });
      execFileSync('xdotool', [type === 'down' ? 'keydown' : 'keyup', keySymbol(code)], { env });
    },
    // WebDriver reports no page errors: the page watch collects them. A
    // page opened again offline has none (the watch is no file of the
    // site); openTutor sees that the first one has.
    errors: () => evaluate(() => window.pageErrors ?? []),
    goto: (url) => session('POST', '/url', { url }),
    reload: () => session('POST', '/refresh', {}),
    evaluate,
    // WebDriver sends one key value, from which WebKit makes the code as a
    // US layout has it: a key writes its US character here. A key already
    // down and sent down again makes no event: the driver makes no
    // auto-repeat (see xKey).
    key: (type, code, key) => actions([{
      type: 'key', id: 'keyboard',
      actions: [{ type: type === 'down' ? 'keyDown' : 'keyUp', value: keyValue(code, key) }],
    }]),
    mouse: {
      click: (x, y) => pointer([at(x, y), { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }]),
      move: (x, y) => pointer([at(x, y)]),
      down: () => pointer([{ type: 'pointerDown', button: 0 }]),
      up: () => pointer([{ type: 'pointerUp', button: 0 }]),
    },
    screenshot: async () => Buffer.from(await session('GET', '/screenshot'), 'base64'),
    setViewport,
    async close() {
      await session('DELETE', '').catch(() => {});
      driver.kill();
      xvfb.kill();
      await Promise.all([once(driver, 'exit'), once(xvfb, 'exit')]);
    },
  };
}

// A visit as a learner's WebKit makes it: the MiniBrowser with a profile of
// its own on disk, which has an HTTP cache, and no WebDriver. A WebDriver
// session, like private browsing, keeps nothing on disk and has no HTTP
// cache at all. Opens `url` and closes the browser once `done()` is true
// (asked every 50 ms, for up to a minute).
export async function visitWithProfile(url, done) {
  const { xvfb, display } = await startXvfb();
  const home = mkdtempSync(join(tmpdir(), 'arvan-webkit-profile-'));
  const browser = spawn(MINIBROWSER, [url], {
    stdio: 'ignore',
    env: {
      ...process.env, DISPLAY: display, HOME: home, NO_AT_BRIDGE: '1',
      XDG_CACHE_HOME: join(home, 'cache'), XDG_DATA_HOME: join(home, 'data'),
      XDG_CONFIG_HOME: join(home, 'config'),
    },
  });
  try {
    await until(async () => done(), 'the end of the visit', 1200);
  } finally {
    await Promise.all([browser, xvfb].map((child) => {
      if (child.exitCode !== null || child.signalCode !== null) return null;
      child.kill();
      return once(child, 'exit');
    }));
    rmSync(home, { recursive: true, force: true });
  }
}
