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

// Resolves once listening; gives the server and its port.
export function serve(folder, port = 8080, host = '127.0.0.1') {
  const root = resolve(folder);
  const server = createServer(async (request, response) => {
    try {
      let path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
      if (path.endsWith('/')) path += 'index.html';
      const file = normalize(join(root, path));
      if (file !== root && !file.startsWith(root + sep)) throw new Error('outside');
      const info = await stat(file);
      const lastModified = info.mtime.toUTCString();
      const etag = `"${info.size.toString(16)}-${info.mtimeMs.toString(16)}"`;
      if (request.headers['if-none-match'] === etag) {
        response.writeHead(304, { ETag: etag, 'Last-Modified': lastModified });
        response.end();
        return;
      }
      const body = await readFile(file);
      response.writeHead(200, {
        'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream',
        'Content-Length': body.length,
        'Last-Modified': lastModified,
        ETag: etag,
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
