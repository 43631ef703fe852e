// What the browser tests, the screenshot and the benchmark share: the site
// served from a local server, the two viewports, and a page of the panel
// opened in any engine of engines.mjs.
import { spawn } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from '../../scripts/serve-web.mjs';

const here = dirname(fileURLToPath(import.meta.url));
export const sourceDir = join(here, '..', '..');
export const buildDir = process.env.VARDEL_WEB_BUILD || join(sourceDir, 'build-web');
export const siteDir = join(buildDir, 'site');

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

// The same server in a process of its own, as a web server is: what the
// browser fetches then waits for no work of the test's own process.
export async function startServerProcess(root = siteDir) {
  const child = spawn(process.execPath, [join(sourceDir, 'scripts', 'serve-web.mjs'), root, '0'], {
    stdio: ['ignore', 'pipe', 'inherit'],
  });
  process.once('exit', () => child.kill());
  const line = await new Promise((done, fail) => {
    child.stdout.once('data', (chunk) => done(String(chunk)));
    child.once('exit', (code) => fail(new Error(`the site's server ended (${code})`)));
  });
  return { server: { close: () => child.kill() }, origin: line.match(/http:\/\/[\d.:]+/)[0] };
}

// A page of its own (fresh storage, no service worker yet) at the site, ready.
export async function openPanel(browser, origin, view = desktop, path = '/') {
  const page = await browser.open(view);
  await page.goto(origin + path);
  await page.waitFor(() => document.body.dataset.ready === '1', undefined, 'the panel to be ready');
  return page;
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
