// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The page: the core compiled to WebAssembly drives the form. This module
// only wires: it builds the view from the core's description, turns keys,
// clicks and the timer into the core's events, and shows what each event
// changed. Every rule lives in the core.

import createArvan from '../arvan.mjs';
import { Bell } from './bell.js';
import { isChild, makeChild, showChild } from './child_controls.js';
import { Core } from './core.js';
import { DRAWINGS } from './drawings.js';
import { keyCodeOf, UNKNOWN_KEY } from './key_codes.js';
import { Pictures } from './pictures.js';
import { browserServices } from './services.js';
import { isWindowless, makeWindowless, showWindowless } from './windowless.js';

class Page {
  constructor(core, controls, pictures, bell) {
    this.core = core;
    this.controls = controls;
    this.pictures = pictures;
    this.bell = bell;
    this.stage = document.getElementById('stage');
    this.elements = [];
    this.timer = { enabled: false, interval: 0, handle: null };
    this.pressed = null; // what a pointer went down on
    this.taken = new Set(); // the key codes whose key-down the page took
    this.closed = false;
  }

  // Makes the form's elements. Where the page came with the opening state
  // drawn, the drawn shapes, labels and pictures are taken over as they
  // are; the child controls, which hold state of their own, are made anew
  // in place of the drawn ones.
  build() {
    const drawn = new Map();
    for (const e of this.stage.querySelectorAll('[data-index]')) drawn.set(Number(e.dataset.index), e);
    for (const c of this.controls) {
      const element = isWindowless(c) ? drawn.get(c.index) ?? makeWindowless(c) : makeChild(c);
      element.dataset.index = String(c.index);
      element.dataset.name = c.name;
      this.elements.push(element);
    }
    for (const c of this.controls) {
      const parent = c.frame >= 0 ? this.elements[c.frame] : this.stage;
      parent.append(this.elements[c.index]);
      this.show(c);
    }
    for (const [index, element] of drawn) if (this.elements[index] !== element) element.remove();
  }

  show(c) {
    const element = this.elements[c.index];
    if (isWindowless(c)) showWindowless(element, c, this.pictures);
    else showChild(element, c, c.frame >= 0 ? this.controls[c.frame] : null);
  }

  // Shows what an event changed and sets the timer as the core left it.
  apply(changes) {
    for (const c of changes.changed) {
      this.controls[c.index] = c;
      this.show(c);
      if (c.kind === 'frame') {
        for (const inside of this.controls) if (inside.frame === c.index) this.show(inside);
      }
    }
    if (changes.timer) this.setTimer(changes.timer);
  }

  setTimer({ enabled, interval }) {
    const changed = enabled !== this.timer.enabled || interval !== this.timer.interval;
    this.timer.enabled = enabled;
    this.timer.interval = interval;
    if (changed) this.schedule();
  }

  // One tick after each interval, from the end of the previous tick, while
  // the core keeps the timer on; nothing runs while it is off.
  schedule() {
    clearTimeout(this.timer.handle);
    this.timer.handle = null;
    if (!this.timer.enabled || this.closed) return;
    this.timer.handle = setTimeout(() => {
      this.timer.handle = null;
      this.apply(this.core.tick());
      if (this.timer.handle === null) this.schedule();
    }, this.timer.interval);
  }

  // The control a pointer is on, as the desktop's hit test finds it: a
  // label or image (shapes take no pointer), a child control, or the
  // background (null).
  controlAt(target) {
    const element = target instanceof Element ? target.closest('[data-index]') : null;
    return element === null ? null : this.controls[Number(element.dataset.index)];
  }

  onPointerDown(event) {
    this.bell.unlock();
    if (event.button !== 0) return;
    event.preventDefault(); // no focus, no text selection
    this.pressed = { control: this.controlAt(event.target) };
  }

  onPointerUp(event) {
    if (event.button !== 0 || this.pressed === null) return;
    const pressed = this.pressed.control;
    this.pressed = null;
    const released = this.controlAt(event.target);
    if (pressed !== null && released !== null && pressed.index !== released.index) return;
    if (released === null) {
      this.apply(this.core.clickBackground());
    } else if (isWindowless(released) || released.clickable) {
      // A disabled child control covers the window but raises nothing.
      if (isChild(released) && this.elements[released.index].matches('.disabled, :disabled')) {
        return;
      }
      this.apply(this.core.click(released.index));
    }
  }

  // A key reaches the core unless it is one the core does not know or part
  // of a combination with Ctrl or Meta, which are the browser's; the page
  // takes from the browser only the keys that the core has a use for in
  // its mode, and a key's release with its press, so that reload, zoom and
  // the browser's other keys work while the tutor ignores keys.
  onKey(event, down) {
    if (this.closed) return;
    this.bell.unlock();
    const code = keyCodeOf(event, this.core);
    if (code === UNKNOWN_KEY || event.ctrlKey || event.metaKey) return;
    const taken = down ? this.core.takesKey(code) : this.taken.has(code);
    if (down && taken) this.taken.add(code);
    if (!down) this.taken.delete(code);
    if (taken) event.preventDefault();
    this.apply(down ? this.core.keyDown(code) : this.core.keyUp(code));
  }

  close() {
    this.closed = true;
    clearTimeout(this.timer.handle);
    this.timer.handle = null;
    document.body.classList.add('closed');
    document.getElementById('closed').hidden = false;
    this.stage.hidden = true;
  }

  listen() {
    document.addEventListener('pointerdown', (e) => this.onPointerDown(e));
    document.addEventListener('pointerup', (e) => this.onPointerUp(e));
    document.addEventListener('keydown', (e) => this.onKey(e, true), { capture: true });
    document.addEventListener('keyup', (e) => this.onKey(e, false), { capture: true });
    // Nothing of the page takes the focus or a text selection from the keys.
    document.addEventListener('mousedown', (e) => e.preventDefault());
    document.addEventListener('contextmenu', (e) => e.preventDefault());
    document.getElementById('reopen').addEventListener('click', () => window.location.reload());
  }
}

// Runs `work` in a task once the frame after the next one has begun, when
// in practice the browser has drawn the next one: work that can wait (the
// audio output, the service worker) then no longer competes with drawing
// the page's first frame.
function afterNextFrameDrawn(work) {
  requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(work)));
}

// Resolves once the form that came drawn in the page is on the screen, or
// at once where the page came without it. Taking the form over waits for
// it, so that the first frame has the processor to itself; the WebAssembly
// compiles meanwhile. A page opened in a background tab paints nothing
// until it is shown: after a second it goes on without waiting.
function drawnFormShown() {
  if (document.querySelector('#stage [data-index]') === null) return Promise.resolve();
  return new Promise((resolve) => {
    const observer = new PerformanceObserver((list) => {
      if (list.getEntriesByName('first-contentful-paint').length > 0) done();
    });
    const late = setTimeout(done, 1000);
    function done() {
      observer.disconnect();
      clearTimeout(late);
      resolve();
    }
    observer.observe({ type: 'paint', buffered: true });
  });
}

async function start() {
  const bell = new Bell();
  let page = null;
  const arvanServices = browserServices({ bell, onClose: () => page?.close() });
  const [module] = await Promise.all([createArvan({ arvanServices }), drawnFormShown()]);
  const core = new Core(module);
  page = new Page(core, core.start(), new Pictures(DRAWINGS), bell);
  page.build();
  bell.openLater(afterNextFrameDrawn);
  page.apply(core.load());
  page.listen();
  document.body.classList.add('ready');
  performance.mark('arvan-ready');
  window.arvan = { page }; // for the browser tests

  // The service worker keeps the site for offline use; it waits for the
  // page's own loads and its first frame, and then takes the site's files
  // from the HTTP cache.
  if ('serviceWorker' in navigator && window.isSecureContext) {
    afterNextFrameDrawn(() => {
      const register = () => navigator.serviceWorker.register('sw.js');
      if (document.readyState === 'complete') register();
      else window.addEventListener('load', register);
    });
  }
}

start();
