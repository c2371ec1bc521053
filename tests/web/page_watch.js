// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// Runs in the page before the page's own script: a counted audio seam in
// place of Web Audio, and the watch for the first full paint. Chromium and
// Firefox get it as Playwright's init script; WebKit's WebDriver has no
// script before load, so there the test server puts it into index.html as
// the first script (tests/web/webkit.mjs). `?audio=0` in its address, or
// window.arvanRealAudio set before it, leaves Web Audio as it is.

(() => {
  const source = document.currentScript?.src ?? '';
  const realAudio = window.arvanRealAudio === true || /[?&]audio=0\b/.test(source);

  window.pageErrors = [];
  window.addEventListener('error', (e) => window.pageErrors.push(e.message));
  window.addEventListener('unhandledrejection', (e) => window.pageErrors.push(String(e.reason)));

  // Every oscillator start is recorded in window.bellStarts, in the audio
  // clock's seconds.
  if (!realAudio) {
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
  // into the page or built by its script (`frame`), and of that frame on
  // the screen (`painted`): the first contentful paint, as the page shows
  // nothing before it is whole, and never before that frame. It only
  // observes, so that the page starts as it would with no test around it.
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
    // The whole stage is parsed once the element after it is, and holds the
    // form once it has a control's element; watched from the document's
    // start, as the form may come with the page.
    const shown = () => document.getElementById('closed') !== null &&
      document.querySelector('#stage [data-index]') !== null;
    const onShown = () => requestAnimationFrame(() => {
      frame = performance.now();
      settle();
    });
    if (shown()) {
      onShown();
      return;
    }
    const observer = new MutationObserver(() => {
      if (!shown()) return;
      observer.disconnect();
      onShown();
    });
    observer.observe(document, { childList: true, subtree: true });
  });
})();
