// The engine's two parts as the page loads them (web/tools/split-engine.mjs),
// under node with a page of its own: the same keys, from the same seed,
// through the whole engine as linked, through its first part alone and
// through both parts, draw the same, with the department values kept (the
// device's own or its copy of the issued file) and without; the first part
// alone never calls into its rest.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { describe, it } from 'node:test';
import { buildDir, readLayout, siteDir, sourceDir } from './browser.mjs';

const { default: createEngine } = await import(pathToFileURL(join(buildDir, 'web', 'engine.mjs')));
const code = (path) => new WebAssembly.Module(readFileSync(path));
const parts = {
  whole: code(join(buildDir, 'web', 'engine.wasm.orig')),
  first: code(join(siteDir, 'engine.wasm')),
  rest: code(join(siteDir, 'engine.deferred.wasm')),
};
globalThis.navigator ??= { language: 'en-US' }; // the engine asks the page's language

// The example of docs/department-file.md.
const example = (() => {
  const text = readFileSync(join(sourceDir, 'docs', 'department-file.md'), 'utf8');
  const start = text.indexOf('```json\n') + 8;
  return text.slice(start, text.indexOf('```', start));
})();

// One engine: `whole`, or the first part with or without its rest, over a
// storage that holds `kept` (its texts by storage key). Every call it makes
// to the page is recorded; a call into the rest before it is there is a
// fault, recorded too.
async function engine(kind, kept) {
  const calls = [];
  const faults = [];
  const panel = {
    draw: (...args) => calls.push(['draw', ...args]),
    boxes: { draw: (...args) => calls.push(['boxes', ...args]) },
    storage: { load: (key) => kept[key] ?? null, replace: () => true, keepAside: () => null },
  };
  const module = await createEngine({
    panel,
    instantiateWasm(imports, done) {
      WebAssembly.instantiate(kind === 'whole' ? parts.whole : parts.first, imports).then((i) => done(i));
      return {};
    },
    loadSplitModule(file, imports, slot) {
      faults.push(slot);
      throw new Error(`the first part called into its rest (${slot})`);
    },
  });
  const settled = module._vardel_start() !== 0;
  const startRest = async () => {
    if (kind === 'first and rest') await WebAssembly.instantiate(parts.rest, { primary: module.asm });
    module._vardel_start_rest();
  };
  return { module, calls, faults, settled, startRest };
}

// Friction loss, 150 gpm through 200 ft of 1 3/4": PSI 70 published, 45
// with the example's values, marked.
const frictionLoss = [
  'cmdFrictionLoss', 'Command1(1)', 'Command1(5)', 'Command1(0)', 'cmdEnter',
  'cmdOneandThreeQuartersInch', 'cmdEnter', 'cmdEnter',
  'Command1(2)', 'Command1(0)', 'Command1(0)', 'cmdEnter',
].map((name) => readLayout().controls.find((c) => c.name === name).row);

// A walk of `steps` random keys and typed characters (and, with `commands`,
// reviews), a friction loss keyed among them now and then, from `seed`:
// the same walk for the same seed.
function walk(seed, steps, commands = []) {
  let state = seed >>> 0;
  const next = (n) => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = Math.imul(state ^ (state >>> 15), 1 | state);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return (((t ^ (t >>> 14)) >>> 0) % n);
  };
  const rows = readLayout().controls.filter((c) => c.kind === 'key').map((c) => c.row);
  const typed = [...'0123456789.+-*/=CDcd\r'].map((c) => c.charCodeAt(0));
  return Array.from({ length: steps }, () => {
    const pick = next(100);
    if (pick === 0) return (m) => frictionLoss.forEach((row) => m._vardel_click(row));
    if (pick < 60) {
      const row = rows[next(rows.length)];
      return (m) => m._vardel_click(row);
    }
    if (pick < 90 || commands.length === 0) {
      const character = typed[next(typed.length)];
      return (m) => m._vardel_type(character);
    }
    const command = commands[next(commands.length)];
    return (m) => m._vardel_command(command);
  });
}

// Each engine's calls to the page over the same walk, from after its start.
async function walked(kinds, kept, steps, { commands = [], rest = true } = {}) {
  const out = [];
  for (const kind of kinds) {
    const e = await engine(kind, kept);
    if (rest && kind !== 'first') await e.startRest();
    e.calls.length = 0;
    for (const step of steps) step(e.module);
    out.push(e);
  }
  return out;
}

const review = readLayout().displayMenu.items.find((item) => item.shortcut === 'F2').command;

describe('engine parts', () => {
  const { storageKey, issuedKey } = readLayout().page;
  const keptSets = [
    ['no values kept', {}],
    ['department values kept', { [storageKey]: example }],
    ['the issued values kept', { [issuedKey]: example }],
  ];
  for (const [named, kept] of keptSets) {
    it(`the first part alone, and with its rest, draws as the whole engine: ${named}`, async () => {
      const steps = walk(20261209, 6000);
      const [whole, first, both] = await walked(['whole', 'first', 'first and rest'], kept, steps);
      assert.deepEqual(first.faults, []);
      assert.ok(first.settled && whole.settled);
      assert.equal(first.calls.length, whole.calls.length);
      assert.deepEqual(first.calls, whole.calls);
      assert.deepEqual(both.calls, whole.calls);
      if (Object.keys(kept).length) assert.ok(first.calls.some(([, , , , , mark]) => mark.startsWith('DEPT')), 'no result marked');
    });
  }

  it('with its rest, reviews and the rest\'s calls draw as the whole engine', async () => {
    const steps = walk(7, 3000, [review]);
    const [whole, both] = await walked(['whole', 'first and rest'], { [storageKey]: example }, steps);
    assert.deepEqual(both.faults, []);
    assert.deepEqual(both.calls, whole.calls);
  });

  it('a file kept that only the full reader reads waits for the rest, which applies it', async () => {
    // The same file with a pair's figures the other way round.
    const text = example.replace('"english": 5.0,\n    "metric": 35.0', '"metric": 35.0, "english": 5.0');
    const e = await engine('first and rest', { [storageKey]: text });
    assert.equal(e.settled, false);
    await e.startRest();
    assert.equal(e.calls.at(-1)[6], 'Department values: Engine 4');
  });
});
