// Splits the engine in two for the page (web/CMakeLists.txt): the first
// part, which the page loads at once, holds every function that the first
// part's sources reach; the rest, which it loads once it is ready, holds
// every other. Both come from the one link of the whole engine, split by
// binaryen's wasm-split; the rest imports the first part's memory, table
// and functions, and its functions take the places that wait for them in
// the first part's table.
//
// What the first part's sources reach is what the linker kept in a link of
// them alone (--first), and every function that those call directly in the
// whole engine, where the optimiser may have inlined or merged a function
// otherwise. The functions of `restOnly` go to the rest however the first
// part's link reaches them.
//
//   node split-engine.mjs --whole WHOLE.wasm --first FIRST.wasm
//        --wasm-split PROGRAM --wasm-opt PROGRAM --out FIRST_PART --rest REST
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { parseArgs } from 'node:util';

// {fmt} calls snprintf only to write a number in hexadecimal, which no
// number text of the calculator asks for; the department file's writer
// calls it for real. Should a path of the first part ever call it, the
// test of the first part alone fails (web/tests/engine-parts.test.mjs).
const restOnly = ['snprintf'];

const { values: opt } = parseArgs({
  options: {
    whole: { type: 'string' },
    first: { type: 'string' },
    'wasm-split': { type: 'string', default: 'wasm-split' },
    'wasm-opt': { type: 'string', default: 'wasm-opt' },
    out: { type: 'string' },
    rest: { type: 'string' },
  },
});
// The stack pointer is a mutable global that both parts share.
const features = ['--enable-mutable-globals'];

// The functions a module defines and the direct calls between them, by
// binaryen's names, from its call graph.
function callGraph(wasm) {
  const dot = execFileSync(opt['wasm-opt'], [...features, wasm, '--print-call-graph', '-o', '/dev/null'], {
    maxBuffer: 1 << 28,
  }).toString();
  const defined = new Set();
  for (const m of dot.matchAll(/^ {2}"(.*)" \[style="filled", fillcolor="white"\];$/gm)) defined.add(m[1]);
  const calls = new Map();
  for (const m of dot.matchAll(/^ {2}"(.*)" -> "(.*)"; \/\/ call$/gm)) {
    if (!calls.has(m[1])) calls.set(m[1], []);
    calls.get(m[1]).push(m[2]);
  }
  return { defined, calls };
}

// Every function of `graph` that `from` call, directly or through others,
// `from` among them, without passing through one of `stops`.
function reached(graph, from, stops = []) {
  const seen = new Set();
  const todo = [...from];
  while (todo.length) {
    const name = todo.pop();
    if (seen.has(name) || !graph.defined.has(name) || stops.includes(name)) continue;
    seen.add(name);
    todo.push(...(graph.calls.get(name) ?? []));
  }
  return seen;
}

const whole = callGraph(opt.whole);
const first = callGraph(opt.first);
// What the first part's link kept only for the rest-only functions (their
// callees, unless the first part calls those itself) is left out.
const onlyForRest = reached(first, restOnly);
const keep = reached(whole, [...first.defined].filter((name) => !onlyForRest.has(name)), restOnly);

const scratch = mkdtempSync(join(tmpdir(), 'vardel-split-'));
try {
  const list = join(scratch, 'first-part.txt');
  writeFileSync(list, [...keep].join('\n') + '\n');
  execFileSync(
    opt['wasm-split'],
    [...features, opt.whole, `--keep-funcs=@${list}`, '--export-prefix=%', '-o1', opt.out, '-o2', opt.rest],
    { stdio: ['ignore', 'ignore', 'inherit'] },
  );
} finally {
  rmSync(scratch, { recursive: true, force: true });
}
console.log(`engine split: ${keep.size} of ${whole.defined.size} functions in the first part`);
