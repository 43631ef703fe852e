// What the browser tests and the benchmark share: Debian's Chromium driven
// headless by playwright-core, and the site served from a local server.
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { serve } from '../../scripts/serve-web.mjs';

const here = dirname(fileURLToPath(import.meta.url));
export const sourceDir = join(here, '..', '..');
export const buildDir = process.env.VARDEL_WEB_BUILD || join(sourceDir, 'build-web');
export const siteDir = join(buildDir, 'site');

export function readLayout() {
  return JSON.parse(readFileSync(join(buildDir, 'web', 'layout.json'), 'utf8'));
}

export const desktop = { viewport: { width: 1280, height: 800 } };
export const phone = {
  viewport: { width: 390, height: 844 },
  deviceScaleFactor: 3,
  isMobile: true,
  hasTouch: true,
};

export async function launch() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: [
      '--no-sandbox', // run as root in CI
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
      '--no-first-run',
      '--disable-quic',
      '--disable-gpu',
    ],
  });
}

export async function startServer(root = siteDir) {
  const server = await serve(root, 0);
  return { server, origin: `http://127.0.0.1:${server.address().port}` };
}

// A page of a fresh context, watched for console errors, page errors and
// requests that leave the origin; opened at the site and ready.
export async function openPanel(browser, origin, options = desktop, path = '/') {
  const context = await browser.newContext(options);
  const page = await context.newPage();
  const problems = [];
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(`console: ${message.text()}`);
  });
  page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
  context.on('request', (request) => {
    const url = new URL(request.url());
    if (url.origin !== origin && url.protocol !== 'data:') problems.push(`request outside: ${request.url()}`);
  });
  await page.goto(origin + path);
  await page.waitForSelector('body[data-ready="1"]');
  return { context, page, problems };
}

// The display's text exactly, leading blank included.
export function displayText(page) {
  return page.locator('[data-name="text1"]').evaluate((element) => element.textContent);
}
