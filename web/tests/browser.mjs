// What the browser tests, the screenshot and the benchmark share: the site
// served from a local server, the two viewports, and a page of the panel
// opened in any engine of engines.mjs.
import { spawn } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createServer, request } from 'node:http';
import { pipeline } from 'node:stream';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from '../../scripts/serve-web.mjs';

const here = dirname(fileURLToPath(import.meta.url));
export const sourceDir = join(here, '..', '..');
export const buildDir = process.env.VARDEL_WEB_BUILD || join(sourceDir, 'build-web');
export const siteDir = join(buildDir, 'site');
// The same site with the documented example beside the page as its
// department file, as a department hosts it (web/CMakeLists.txt).
export const issuedSiteDir = join(buildDir, 'site-issued');

export function readLayout() {
  return JSON.parse(readFileSync(join(buildDir, 'web', 'layout.json'), 'utf8'));
}

export const desktop = { width: 1280, height: 800 };
export const phone = { width: 390, height: 844, deviceScaleFactor: 3, touch: true };

// A server that a failed test leaves open keeps no test process alive.
export async function startServer(root = siteDir) {
  const server = await serve(root, 0);
  server.unref();
  return { server, origin: `http://127.0.0.1:${server.address().port}` };
}

// A request that the browser cut short is no fault of the page.
const ignoreCutShort = () => {};

// The site's server behind one that holds every request for `file` until
// release(): a page then runs without that file for as long as a test
// needs, however fast the machine.
export async function startServerHolding(file) {
  const site = await startServer();
  let release;
  const released = new Promise((done) => (release = done));
  const proxy = createServer(async (incoming, outgoing) => {
    if (new URL(incoming.url, site.origin).pathname === `/${file}`) await released;
    const forward = request(site.origin + incoming.url, { method: incoming.method, headers: incoming.headers }, (answer) => {
      outgoing.writeHead(answer.statusCode, answer.headers);
      pipeline(answer, outgoing, ignoreCutShort);
    });
    // A page closed mid-request resets its connection: pipeline() takes the
    // reset on either side and ends the other, where pipe() would leave the
    // error with no one to take it.
    forward.once('error', () => outgoing.destroy());
    pipeline(incoming, forward, ignoreCutShort);
  });
  await new Promise((done) => proxy.listen(0, '127.0.0.1', done));
  proxy.unref();
  return {
    origin: `http://127.0.0.1:${proxy.address().port}`,
    release,
    close: () => {
      proxy.close();
      site.server.close();
    },
  };
}

// The same server in a process of its own, as a web server is: what the
// browser fetches then waits for no work of the test's own process.
// `encodings` are the pre-compressed copies it may send (serve-web.mjs).
export async function startServerProcess(root = siteDir, encodings = 'br,gzip') {
  const child = spawn(process.execPath, [join(sourceDir, 'scripts', 'serve-web.mjs'), root, '0', encodings], {
    stdio: ['ignore', 'pipe', 'inherit'],
  });
  process.once('exit', () => child.kill());
  const line = await new Promise((done, fail) => {
    child.stdout.once('data', (chunk) => done(String(chunk)));
    child.once('exit', (code) => fail(new Error(`the site's server ended (${code})`)));
  });
  return { server: { close: () => child.kill() }, origin: line.match(/http:\/\/[\d.:]+/)[0] };
}

// A page of its own (fresh storage, no service worker yet) at the site,
// ready, and with the engine whole: its rest arrived after the panel was
// ready (engine-parts.test.mjs and the tests of a box opened at once try
// the panel before it has).
export async function openPanel(browser, origin, view = desktop, path = '/') {
  const page = await browser.open(view);
  await page.goto(origin + path);
  await ready(page);
  await whole(page);
  return page;
}

// A page of its own at the site, ready, while the engine's rest is held back
// until held.release(): a box asked for then must wait for it. held.close()
// ends the servers.
export async function openPanelHoldingRest(browser, view = desktop) {
  const held = await startServerHolding('engine.deferred.wasm');
  const page = await browser.open(view);
  await page.goto(held.origin + '/');
  await ready(page);
  return { page, held };
}

// Waits for the panel to be ready for its first key.
export function ready(page, what = 'the panel to be ready') {
  return page.waitFor(() => document.body.dataset.ready === '1', undefined, what);
}

// Waits for the engine's rest to have arrived.
export function whole(page) {
  return page.waitFor(() => document.body.dataset.whole === '1', undefined, "the engine's rest");
}

// The selector of the element a design name names.
export const named = (name, scope = '#window') => `${scope} [data-name="${name}"]`;

// The display's text exactly, leading blank included.
export function displayText(page) {
  return page.evaluate(() => document.querySelector('[data-name="text1"]').textContent);
}

// Whether the large keys are in force, as the menu bar's item shows.
export async function largeKeys(page) {
  return (await page.evaluate((s) => document.querySelector(s).getAttribute('aria-checked'), named('mnuLargeKeys'))) === 'true';
}

// Chooses the large keys (true) or the designed panel (false) with the menu
// bar's item, as a user does.
export async function arrange(page, large) {
  if ((await largeKeys(page)) !== large) await page.click(named('mnuLargeKeys'));
  if ((await largeKeys(page)) !== large) throw new Error('the menu item did not switch the arrangement');
}

// ---- The Department menu's pages ------------------------------------------

// The example of docs/department-file.md, read from the document itself:
// Engine 4, 1 3/4" at 10 psi, a crosslay and a wyed lay.
export function documentedExample() {
  const text = readFileSync(join(sourceDir, 'docs', 'department-file.md'), 'utf8');
  const start = text.indexOf('```json\n') + 8;
  return text.slice(start, text.indexOf('```', start));
}

// Friction loss, 150 gpm through 200 ft of 1 3/4": PSI 70 published, 45 at 10 psi.
export const frictionLoss = [
  'cmdFrictionLoss', 'Command1(1)', 'Command1(5)', 'Command1(0)', 'cmdEnter',
  'cmdOneandThreeQuartersInch', 'cmdEnter', 'cmdEnter',
  'Command1(2)', 'Command1(0)', 'Command1(0)', 'cmdEnter',
];

export const keptValues = (page) => page.evaluate(() => localStorage.getItem('vardel.department'));
export const pageTitle = (page) => page.evaluate(() => document.title);
export const openBox = (page) => page.evaluate(() => document.querySelector('dialog[open]')?.id ?? null);

// The text of the message box once it is open.
export function messageShown(page, what = 'a message') {
  return page.waitFor(() => document.querySelector('#message[open] [data-name="message"]')?.textContent, undefined, what);
}

// Hands the page's file input a file, as choosing it in the file box does,
// and waits for the box that answers it: the Import box or a refusal.
export async function chooseFile(page, text) {
  await page.evaluate((content) => {
    const input = document.querySelector('input[type="file"]');
    const files = new DataTransfer();
    files.items.add(new File([content], 'department.json', { type: 'application/json' }));
    input.files = files.files;
    input.dispatchEvent(new Event('change'));
  }, text);
  await page.waitFor(() => document.querySelector('dialog[open]') !== null, undefined, 'a box for the file');
}
