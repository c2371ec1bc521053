#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// Serves a folder as a static site on 127.0.0.1: the browser edition needs
// nothing more of a server. Used by scripts/web and by the browser tests.
//   node web/serve.mjs [folder] [--port N]

import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import { extname, join, normalize, resolve, sep } from 'node:path';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
  '.json': 'application/json',
};

// Resolves once listening; gives the server and its port. For the tests:
// `log` receives { path, status, bytes, cookie } of every request; `extra`
// maps paths to files served beside the site; `intoPage` is markup put at
// the start of each page's head; paths that `refuse` matches are not found.
export function serve(folder, port = 8080, host = '127.0.0.1', {
  log, extra, intoPage, refuse,
} = {}) {
  const root = resolve(folder);
  const server = createServer(async (request, response) => {
    let path = '';
    const end = response.end.bind(response);
    response.end = (body) => {
      log?.push({ path, status: response.statusCode, bytes: body?.length ?? 0,
        cookie: request.headers.cookie ?? null });
      return end(body);
    };
    try {
      path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
      if (refuse?.test(path)) throw new Error('refused');
      let file = extra?.get(path);
      if (file === undefined) {
        file = normalize(join(root, path.endsWith('/') ? `${path}index.html` : path));
        if (file !== root && !file.startsWith(root + sep)) throw new Error('outside');
      }
      const info = await stat(file);
      const lastModified = info.mtime.toUTCString();
      const etag = `"${info.size.toString(16)}-${info.mtimeMs.toString(16)}"`;
      if (request.headers['if-none-match'] === etag) {
        response.writeHead(304, { ETag: etag, 'Last-Modified': lastModified });
        response.end();
        return;
      }
      let body = await readFile(file);
      if (intoPage && extname(file) === '.html') {
        body = Buffer.from(String(body).replace('<head>', `<head>${intoPage}`));
      }
      response.writeHead(200, {
        'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream',
        'Content-Length': body.length,
        'Last-Modified': lastModified,
        ETag: etag,
        // The tests' own files outlast a visit in the HTTP cache: a page
        // opened offline finds them there.
        ...(extra?.has(path) ? { 'Cache-Control': 'max-age=3600' } : {}),
      });
      response.end(request.method === 'HEAD' ? undefined : body);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain' });
      response.end('Not found\n');
    }
  });
  return new Promise((resolveListening, reject) => {
    server.once('error', reject);
    server.listen(port, host, () => resolveListening({ server, port: server.address().port }));
  });
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const args = process.argv.slice(2);
  const portAt = args.indexOf('--port');
  const port = portAt >= 0 ? Number(args[portAt + 1]) : 8080;
  const folder = args.find((a, i) => !a.startsWith('--') && i !== portAt + 1) ?? 'build/web';
  const { port: listening } = await serve(folder, port);
  console.log(`Arvan: http://127.0.0.1:${listening}/ (serving ${folder}; Ctrl+C stops)`);
}
