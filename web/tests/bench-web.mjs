// The web panel's figures: the site's transfer size file by file, as a host
// sends it, gzip or brotli; start-up (navigation to ready) over cold loads
// side by side with the floor page, the same panel as static HTML and CSS
// without the engine or any script, and where the start-up's time goes; the
// same on a slow phone, with repeat visits offline from the service worker;
// one key press, from the click event to the display's new text, in each
// engine; and the calls between the page and the engine that one key press
// makes. The server sends the site's gzip copies throughout.
// Prints Markdown tables. RUNS=n sets the number of cold loads (9),
// PRESSES=n the key presses per engine (1000), VARDEL_WEB_ENGINES the
// engines whose keys are timed (all three).
import { existsSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { buildDir, desktop, named, openPanel, phone, siteDir, startServerProcess } from './browser.mjs';
import { enginesToTest, launch } from './engines.mjs';

const runs = Number(process.env.RUNS || 9);
const presses = Number(process.env.PRESSES || 1000);

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const percentile = (values, p) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.min(sorted.length - 1, Math.ceil((p / 100) * sorted.length) - 1)];
};
const kb = (bytes) => (bytes / 1024).toFixed(1);

// ---- Transfer size --------------------------------------------------------

// Each file as a host sends it: the site's pre-compressed copy where it has
// one (FILE.gz, FILE.br), the file itself where it has none.
const { files } = JSON.parse(readFileSync(join(buildDir, 'site-files.json'), 'utf8'));
// A site whose engine comes in two parts (the loads then wait for the rest).
const split = files.includes('engine.deferred.wasm');
const sent = (file, suffix) => {
  const copy = join(siteDir, file + suffix);
  return readFileSync(existsSync(copy) ? copy : join(siteDir, file)).length;
};
const total = { raw: 0, gzip: 0, brotli: 0 };
console.log('| file | raw KiB | gzip KiB | brotli KiB |\n|---|---|---|---|');
for (const file of files) {
  const sizes = { raw: sent(file, ''), gzip: sent(file, '.gz'), brotli: sent(file, '.br') };
  for (const key of Object.keys(total)) total[key] += sizes[key];
  console.log(`| ${file} | ${kb(sizes.raw)} | ${kb(sizes.gzip)} | ${kb(sizes.brotli)} |`);
}
console.log(`| **total, ${files.length} files** | **${kb(total.raw)}** | **${kb(total.gzip)}** | **${kb(total.brotli)}** |\n`);

// ---- Start-up -------------------------------------------------------------

const { server, origin } = await startServerProcess(siteDir, 'gzip');
const browser = await launch('chromium');

// The steps of one load of `path` in `page` up to ready (for the panel, the
// engine's first part loaded, the panel built and the load event past,
// fonts and pictures in; for the floor, its load event), and then the
// engine's rest arrived, in milliseconds from navigation; the bytes the
// page fetched up to ready, and each file's.
async function measureLoad(page, path, at = origin) {
  await page.goto(at + path);
  return page.evaluate(async ({ isPanel, split }) => {
    const navigation = () => performance.getEntriesByType('navigation')[0];
    const done = () => document.body.dataset[split ? 'whole' : 'ready'] === '1';
    while (!(navigation().loadEventEnd > 0) || (isPanel && !done())) {
      await new Promise((next) => setTimeout(next, 1));
    }
    const text = document.querySelector('[data-name="text1"]').textContent;
    if (text !== 'VORNA') throw new Error(`display shows ${text}`);
    // The first paint may come after; it is reported, not waited for.
    for (let waited = 0; waited < 2000 && !performance.getEntriesByName('first-contentful-paint').length; waited += 10) {
      await new Promise((done) => setTimeout(done, 10));
    }
    const n = navigation();
    const mark = (name) => performance.getEntriesByName(name)[0]?.startTime;
    const ready = isPanel ? mark('ready') : 0;
    const firstLoad = (r) => r.responseEnd <= Math.max(ready, n.loadEventEnd);
    const resources = performance.getEntriesByType('resource');
    const arrived = (pattern) => {
      const ends = resources.filter((r) => pattern.test(new URL(r.name).pathname)).map((r) => r.responseEnd);
      return ends.length ? Math.max(...ends) : undefined;
    };
    // What crossed the network up to ready: headers and bodies as sent
    // (nothing for a file the service worker answered), and each file's
    // body, the rest's too.
    const fetched = [n, ...resources];
    return {
      steps: {
        'page received': n.responseEnd,
        'style sheets received': arrived(/\.css$/),
        'font received': arrived(/\.woff2$/),
        'pictures received': arrived(/\.(gif|webp|png)$/),
        'scripts received': arrived(/\.m?js$/),
        'engine file received': arrived(/engine\.wasm$/),
        'script started': mark('script'),
        'engine compiled and started': mark('engine'),
        'DOMContentLoaded': n.domContentLoadedEventEnd,
        'first contentful paint': mark('first-contentful-paint'),
        'load event': n.loadEventEnd,
        ready: Math.max(ready, n.loadEventEnd),
        "engine's rest received": arrived(/engine\.deferred\.wasm$/),
        'engine whole': mark('whole'),
      },
      transferred: fetched.filter(firstLoad).reduce((sum, r) => sum + r.transferSize, 0),
      bodies: fetched.map((r) => ({
        file: new URL(r.name).pathname.replace(/^\//, '') || 'index.html',
        bytes: r.encodedBodySize,
        beforeReady: firstLoad(r),
        asked: r.startTime,
        first: r.responseStart,
        last: r.responseEnd,
      })),
    };
  }, { isPanel: !path.includes('floor'), split });
}

// One cold load in a fresh context (no cache, no service worker), with
// `conditions` applied before it starts.
async function coldLoad(path, view = desktop, conditions = async () => {}) {
  const page = await browser.open(view);
  await conditions(page);
  const load = await measureLoad(page, path);
  await page.close();
  return load;
}

await coldLoad('/');
await coldLoad('/floor.html');
const panelLoads = [];
const floorLoads = [];
for (let i = 0; i < runs; i++) {
  panelLoads.push((await coldLoad('/')).steps);
  floorLoads.push((await coldLoad('/floor.html')).steps);
}
const panelTimes = panelLoads.map((load) => load.ready);
const floorTimes = floorLoads.map((load) => load.ready);
const fmt = (values) =>
  `${Math.min(...values).toFixed(1)} / ${median(values).toFixed(1)} / ${Math.max(...values).toFixed(1)}`;
console.log(`| page (${runs} cold loads, interleaved) | ready ms min / median / max | median ÷ floor |`);
console.log('|---|---|---|');
console.log(`| web panel | ${fmt(panelTimes)} | ${(median(panelTimes) / median(floorTimes)).toFixed(2)} |`);
console.log(`| floor page | ${fmt(floorTimes)} | 1 |\n`);

console.log('| step (median ms from navigation) | web panel | floor page |\n|---|---|---|');
for (const step of Object.keys(panelLoads[0])) {
  const cell = (loads) => {
    const values = loads.map((load) => load[step]).filter((value) => value !== undefined);
    return values.length === loads.length ? median(values).toFixed(1) : '–';
  };
  console.log(`| ${step} | ${cell(panelLoads)} | ${cell(floorLoads)} |`);
}
console.log('');

// ---- The phone budget -----------------------------------------------------

// A phone on a weak signal: Chromium's processor slowed four times and a
// slow 4G link (150 ms round trip, 1.6 Mbit/s down, 750 kbit/s up), at a
// phone's viewport, the files as the server sends them (the pre-compressed
// gzip copies, which every host can send).
const slowPhone = { cpu: 4, latency: 150, down: 1.6e6, up: 750e3 };
async function throttle(page, { offline = false } = {}) {
  const session = await page.context.newCDPSession(page.page);
  await session.send('Emulation.setCPUThrottlingRate', { rate: slowPhone.cpu });
  await session.send('Network.enable');
  await session.send('Network.emulateNetworkConditions', {
    offline,
    latency: slowPhone.latency,
    downloadThroughput: slowPhone.down / 8,
    uploadThroughput: slowPhone.up / 8,
  });
}

// Each row: the panel's median, the floor's, and their ratio against the
// goal, which is reported, never asserted.
function budgetTable(title, rows) {
  console.log(`| ${title} | web panel | floor page | ratio | goal |\n|---|---|---|---|---|`);
  for (const { name, panel, floor, unit, goal } of rows) {
    const ratio = median(floor) > 0 ? median(panel) / median(floor) : NaN;
    const range = (values) =>
      `${median(values).toFixed(0)} (${Math.min(...values).toFixed(0)}–${Math.max(...values).toFixed(0)})`;
    const verdict = goal === undefined ? '' : `≤ ${goal} ${ratio <= goal ? 'met' : '**missed**'}`;
    const shown = Number.isNaN(ratio) ? '–' : ratio.toFixed(2);
    console.log(`| ${name}, ${unit} | ${range(panel)} | ${range(floor)} | ${shown} | ${verdict} |`);
  }
  console.log('');
}

const phoneCold = { panel: [], floor: [] };
await coldLoad('/', phone, throttle);
for (let i = 0; i < runs; i++) {
  phoneCold.panel.push(await coldLoad('/', phone, throttle));
  phoneCold.floor.push(await coldLoad('/floor.html', phone, throttle));
}
const column = (loads, step) => loads.map((load) => load.steps[step]);
const kib = (loads) => loads.map((load) => load.transferred / 1024);
budgetTable(`phone, first visit (${runs} cold loads, interleaved), median (range)`, [
  { name: 'ready', unit: 'ms', panel: column(phoneCold.panel, 'ready'), floor: column(phoneCold.floor, 'ready'), goal: 1.25 },
  {
    name: 'first paint',
    unit: 'ms',
    panel: column(phoneCold.panel, 'first contentful paint'),
    floor: column(phoneCold.floor, 'first contentful paint'),
    goal: 1.1,
  },
  { name: 'transferred', unit: 'KiB', panel: kib(phoneCold.panel), floor: kib(phoneCold.floor) },
]);
const firstLoad = phoneCold.panel[0].transferred / 1024;
console.log(`First load ${firstLoad.toFixed(1)} KiB over the network, headers included: goal ≤ 90 KiB ${firstLoad <= 90 ? 'met' : '**missed**'}.\n`);

// Each file of the panel's first visit: its body as sent, and when it was
// asked for, began to arrive and had arrived (medians, ms from navigation).
console.log('| file fetched (phone, first visit) | body on the wire KiB | | asked | first byte | last byte |');
console.log('|---|---|---|---|---|---|');
// A file fetched twice (the icon) is told apart by its turn.
const turns = (bodies) => bodies.map((body, i) => `${body.file}#${bodies.slice(0, i).filter((b) => b.file === body.file).length}`);
const firstTurns = turns(phoneCold.panel[0].bodies);
phoneCold.panel[0].bodies.forEach(({ file, bytes, beforeReady }, i) => {
  const at = (key) => {
    const times = phoneCold.panel.map((load) => load.bodies[turns(load.bodies).indexOf(firstTurns[i])]?.[key]);
    return median(times.filter((t) => t !== undefined)).toFixed(0);
  };
  console.log(`| ${file} | ${kb(bytes)} | ${beforeReady ? 'first load' : 'after ready'} | ${at('asked')} | ${at('first')} | ${at('last')} |`);
});
console.log('');

// Where the time of a visit goes: each step's median, in milliseconds from
// navigation, for the panel and the floor page.
function stepTable(title, { panel, floor }) {
  console.log(`| ${title} (median ms from navigation) | web panel | floor page |\n|---|---|---|`);
  for (const step of Object.keys(panel[0].steps)) {
    const cell = (loads) => {
      const values = column(loads, step).filter((value) => value !== undefined);
      return values.length === loads.length ? median(values).toFixed(0) : '–';
    };
    console.log(`| ${step} | ${cell(panel)} | ${cell(floor)} |`);
  }
  console.log('');
}
stepTable('step, phone, first visit', phoneCold);

// Repeat visits offline: after one visit has kept the site, its server is
// stopped and the panel and the floor page are opened again in turn, both
// answered by the site's service worker (the floor page put in its cache
// for the purpose), on the same slow phone with no network at all.
const own = await startServerProcess(siteDir, 'gzip');
const visited = await browser.open(phone);
await visited.goto(own.origin + '/');
await visited.waitFor(() => navigator.serviceWorker.controller !== null, undefined, 'the service worker');
await visited.waitFor(
  async () => {
    const keys = await caches.keys();
    const cache = await caches.open(keys.find((key) => key.startsWith('vardel-')));
    await cache.add('floor.html');
    return true;
  },
  undefined,
  'the floor page in the site cache',
);
own.server.close();
await throttle(visited, { offline: true });
const repeat = { panel: [], floor: [] };
await measureLoad(visited, '/', own.origin);
for (let i = 0; i < runs; i++) {
  repeat.panel.push(await measureLoad(visited, '/', own.origin));
  repeat.floor.push(await measureLoad(visited, '/floor.html', own.origin));
}
await visited.close();
budgetTable(`phone, repeat visit offline (${runs} loads, interleaved), median (range)`, [
  { name: 'ready', unit: 'ms', panel: column(repeat.panel, 'ready'), floor: column(repeat.floor, 'ready'), goal: 1.1 },
  {
    name: 'first paint',
    unit: 'ms',
    panel: column(repeat.panel, 'first contentful paint'),
    floor: column(repeat.floor, 'first contentful paint'),
  },
  { name: 'transferred', unit: 'KiB', panel: kib(repeat.panel), floor: kib(repeat.floor) },
]);
stepTable('step, phone, repeat visit', repeat);

// ---- Key press ------------------------------------------------------------

// Real clicks from each engine's driver, alternately on the digit 5 (" 5")
// and ALL CLEAR ("VORNA"), so that every press changes the display. Each is
// timed inside the page from the click event reaching the window to the
// display holding its new text, when the panel's own handler has run. The
// server isolates the page, so its clock counts in microseconds (5 in
// Chromium, 20 in Firefox and WebKit).
async function timeKeys(engineBrowser) {
  const page = await openPanel(engineBrowser, origin, desktop);
  const grain = await page.evaluate(() => {
    window.pressTimes = [];
    const display = document.querySelector('[data-name="text1"]');
    let start = 0;
    let before = '';
    window.addEventListener('click', () => {
      start = performance.now();
      before = display.textContent;
    }, true);
    window.addEventListener('click', () => {
      const end = performance.now();
      if (display.textContent === before) throw new Error('the display did not change');
      window.pressTimes.push(end - start);
    });
    let grain = Infinity;
    for (let last = performance.now(), i = 0; i < 1e5; i++) {
      const now = performance.now();
      if (now !== last) grain = Math.min(grain, now - last);
      last = now;
    }
    return grain;
  });
  const five = await page.centreOf(named('Command1(5)'));
  const allClear = await page.centreOf(named('cmdAllClear'));
  for (let i = 0; i < presses; i++) await page.clickAt(...(i % 2 ? allClear : five), 'left');
  const times = await page.evaluate(() => window.pressTimes);
  if (times.length !== presses) throw new Error(`${times.length} presses timed of ${presses}`);
  await page.close();
  return { times, grain };
}

console.log(`| key press (${presses} clicks) | clock µs | median µs | 99th percentile µs | slowest µs |`);
console.log('|---|---|---|---|---|');
const µs = (ms) => (ms * 1000).toFixed(0);
for (const engine of enginesToTest()) {
  const engineBrowser = engine === 'chromium' ? browser : await launch(engine);
  const { times, grain } = await timeKeys(engineBrowser);
  console.log(
    `| ${engineBrowser.version}: click event to new display text | ${µs(grain)} | ${µs(median(times))} | ` +
      `${µs(percentile(times, 99))} | ${µs(Math.max(...times))} |`,
  );
  if (engineBrowser !== browser) await engineBrowser.close();
}
console.log('');

// ---- Crossings between the page and the engine -----------------------------

// Every call from the page into the WebAssembly engine and from the engine
// out to the page, counted by wrapping the module's exports and imports as
// it is instantiated. Counted apart from the timing, which the wrappers
// would slow down. Chromium's page is playwright's, which takes a script to
// run before the page's own.
const counted = await browser.open(desktop);
await counted.context.addInitScript(() => {
  window.crossings = { into: 0, out: 0 };
  const count = (fn, side) =>
    function (...args) {
      window.crossings[side]++;
      return fn.apply(this, args);
    };
  // Each member as it is asked for: the glue's namespace of the engine's
  // rest answers any name.
  const wrapImports = (imports) => {
    const wrapped = {};
    for (const [space, members] of Object.entries(imports)) {
      wrapped[space] = new Proxy(members, {
        get: (target, name) => (typeof target[name] === 'function' ? count(target[name], 'out') : target[name]),
      });
    }
    return wrapped;
  };
  const wrapInstance = (instance) => {
    const exports = {};
    for (const [name, value] of Object.entries(instance.exports)) {
      exports[name] = typeof value === 'function' ? count(value, 'into') : value;
    }
    return { exports };
  };
  const { instantiate, instantiateStreaming } = WebAssembly;
  WebAssembly.instantiateStreaming = async (source, imports) => {
    const result = await instantiateStreaming(source, wrapImports(imports));
    return { module: result.module, instance: wrapInstance(result.instance) };
  };
  WebAssembly.instantiate = async (source, imports) => {
    const result = await instantiate(source, wrapImports(imports));
    return result.instance
      ? { module: result.module, instance: wrapInstance(result.instance) }
      : wrapInstance(result);
  };
});
await counted.goto(origin + '/');
await counted.waitFor(() => document.body.dataset.ready === '1');
console.log('| key | calls into the engine | calls out of it |\n|---|---|---|');
for (const [label, name] of [
  ['digit 5', 'Command1(5)'],
  ['ALL CLEAR', 'cmdAllClear'],
  ['FRICTION LOSS', 'cmdFrictionLoss'],
  ['digit 5 at a prompt', 'Command1(5)'],
  ['Enter', 'cmdEnter'],
]) {
  await counted.evaluate(() => Object.assign(window.crossings, { into: 0, out: 0 }));
  await counted.clickAt(...(await counted.centreOf(named(name))), 'left');
  const { into, out } = await counted.evaluate(() => window.crossings);
  console.log(`| ${label} | ${into} | ${out} |`);
}
await counted.close();
await browser.close();
server.close();
