// The check the site's build makes of a department file put beside the
// page: the engine's own reader, run under node, takes the documented
// example and refuses a file it cannot read with its own words; the file
// then stands beside the page alone, with no pre-compressed copy that a
// host would send after the file is replaced.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { buildDir, issuedSiteDir, sourceDir } from './browser.mjs';

const checker = join(buildDir, 'web', 'check-department.cjs');
const example = (() => {
  const text = readFileSync(join(sourceDir, 'docs', 'department-file.md'), 'utf8');
  const start = text.indexOf('```json\n') + 8;
  return text.slice(start, text.indexOf('```', start));
})();

test('the reader takes the example and refuses a newer file by its words', () => {
  const folder = mkdtempSync(join(tmpdir(), 'vardel-check-'));
  try {
    const check = (text) => {
      const file = join(folder, 'department.json');
      writeFileSync(file, text);
      // The emscripten 3.1 loader reads its code through fetch unless node has none.
      return spawnSync(process.execPath, ['--no-experimental-fetch', checker, file], { encoding: 'utf8' });
    };
    const good = check(example);
    assert.equal(good.status, 0, good.stderr);
    assert.match(good.stdout, /the department values of Engine 4, issued \d{4}-\d\d-\d\d/);
    const newer = check(example.replace(/"version": \d+/, '"version": 99'));
    assert.equal(newer.status, 1);
    assert.match(newer.stderr, /The file is refused: It was written by a newer version/);
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
});

test('the site holds the department file, and no copy of it', () => {
  assert.ok(existsSync(join(issuedSiteDir, 'department.json')));
  assert.ok(existsSync(join(issuedSiteDir, 'index.html.gz')), 'the site has copies of its other files');
  for (const copy of ['department.json.gz', 'department.json.br']) assert.ok(!existsSync(join(issuedSiteDir, copy)), copy);
});
