// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// Put into the page by the test server for a visit that no driver watches
// (tests/web/webkit.mjs, visitWithProfile): once the site's service worker
// controls the page, and so has kept the site, the page asks the server
// for /arvan-test/controlled, and the server's log shows the visit done.

(() => {
  if (!('serviceWorker' in navigator)) return;
  const tell = () => fetch('/arvan-test/controlled').catch(() => {});
  if (navigator.serviceWorker.controller) tell();
  else navigator.serviceWorker.addEventListener('controllerchange', tell, { once: true });
})();
