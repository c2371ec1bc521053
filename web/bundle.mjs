#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// Joins the page's ES modules into one module file, so that a visit asks
// for one script instead of one per module. Each module becomes a function
// scope that gives back its exports, in an order where every module comes
// after those it imports; its own names stay its own. Only the forms the
// page uses are taken, anything else stops the build:
//   import Name from './x.js';          export default Name;
//   import { a, b as c } from './x.js'; export function / class / const a
// A specifier can be mapped to a file elsewhere (the generated modules):
//   node web/bundle.mjs ENTRY OUT [SPECIFIER=FILE ...]

import { readFileSync, writeFileSync } from 'node:fs';
import { basename, dirname, resolve } from 'node:path';

const IMPORT = /^import\s+(?:(\w+)|\{([^}]*)\})\s+from\s+'([^']+)';\n?/gm;
const EXPORT = /^export\s+(?:(?:async\s+)?function|class|const|let)\s+(\w+)|^export\s+default\s+(\w+);\n?/gm;

export function bundle(entry, mapped = new Map()) {
  const modules = new Map(); // path -> its scope's text, once its imports are placed
  const order = [];
  const visit = (path, from) => {
    if (modules.has(path)) {
      if (modules.get(path) === null) throw new Error(`${path}: imported in a cycle from ${from}`);
      return;
    }
    modules.set(path, null);
    let text = readFileSync(path, 'utf8');
    const bindings = [];
    text = text.replace(IMPORT, (_, name, names, specifier) => {
      const target = mapped.get(specifier) ?? resolve(dirname(path), specifier);
      visit(target, path);
      const scope = scopeName(target);
      if (name) bindings.push(`const ${name} = ${scope}.default;`);
      else bindings.push(`const {${names.replace(/\s+as\s+/g, ': ')}} = ${scope};`);
      return '';
    });
    const exported = [];
    text = text.replace(EXPORT, (_, name, defaulted) => {
      if (defaulted) {
        exported.push(`default: ${defaulted}`);
        return '';
      }
      exported.push(name);
      return _.replace(/^export\s+/, '');
    });
    const left = /^\s*(import|export)\b(?!\.)/m.exec(text);
    if (left) throw new Error(`${path}: a form of ${left[1]} that the bundle does not take`);
    modules.set(path, `// ${basename(path)}\n` +
      `const ${scopeName(path)} = (() => {\n${bindings.join('\n')}\n${text}\n` +
      `return { ${exported.join(', ')} };\n})();\n`);
    order.push(path);
  };
  const scopes = new Map();
  const scopeName = (path) => {
    if (!scopes.has(path)) scopes.set(path, `module${scopes.size}`);
    return scopes.get(path);
  };
  visit(resolve(entry), 'the entry');
  return '// SPDX-License-Identifier: GPL-3.0-or-later\n' +
    '// The page\'s modules, joined into one by web/bundle.mjs.\n\n' +
    order.map((path) => modules.get(path)).join('\n');
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const [entry, out, ...maps] = process.argv.slice(2);
  const mapped = new Map(maps.map((m) => {
    const at = m.indexOf('=');
    return [m.slice(0, at), resolve(m.slice(at + 1))];
  }));
  writeFileSync(out, bundle(entry, mapped));
}
