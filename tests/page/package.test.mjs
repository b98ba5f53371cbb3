// The page helper as a package: what an application that installs page/
// under node_modules gets when it imports "orvcef-page", in Node and in
// bundlers that follow the same "exports" rules.
import assert from 'node:assert/strict';
import {
  existsSync,
  mkdirSync,
  mkdtempSync,
  readFileSync,
  rmSync,
  symlinkSync,
  writeFileSync,
} from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {test} from 'node:test';
import {fileURLToPath, pathToFileURL} from 'node:url';

import * as direct from '../../page/orvcef-page.js';

const pageDir = fileURLToPath(new URL('../../page/', import.meta.url));
const manifest =
    JSON.parse(readFileSync(path.join(pageDir, 'package.json'), 'utf8'));

test('"orvcef-page" imports the helper module itself', async (t) => {
  const app = mkdtempSync(path.join(os.tmpdir(), 'orv-page-app-'));
  t.after(() => rmSync(app, {recursive: true, force: true}));
  mkdirSync(path.join(app, 'node_modules'));
  symlinkSync(pageDir, path.join(app, 'node_modules', 'orvcef-page'), 'dir');
  writeFileSync(path.join(app, 'entry.mjs'), "export * from 'orvcef-page';\n");

  const imported = await import(pathToFileURL(path.join(app, 'entry.mjs')).href);
  assert.deepEqual(Object.keys(imported).sort(), Object.keys(direct).sort());
  // One module instance: the route state is shared with direct importers.
  assert.equal(imported.ErrorCode, direct.ErrorCode);
});

test('the declarations cover every export and the manifest names them', () => {
  assert.equal(manifest.type, 'module');
  const entry = manifest.exports['.'];
  assert.equal(entry.default, manifest.main);
  assert.equal(entry.types, manifest.types);
  for (const file of [entry.default, entry.types])
    assert.ok(existsSync(path.join(pageDir, file)), file);
  assert.deepEqual(manifest.files.map((f) => './' + f).sort(),
                   [entry.default, entry.types].sort());

  const declarations = readFileSync(path.join(pageDir, entry.types), 'utf8');
  for (const name of Object.keys(direct)) {
    const declared = new RegExp(
        `export declare (const|class|function) ${name}\\b`);
    assert.match(declarations, declared, name);
  }
});
