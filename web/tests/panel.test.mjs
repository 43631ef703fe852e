// The web panel in headless Chromium, from outside, by the design names the
// page's elements carry: layout against the layout table, worked examples by
// tap and by keyboard, the boxes, the offline reload, and a clean console.
import assert from 'node:assert/strict';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';
import { desktop, displayText, launch, openPanel, phone, readLayout, siteDir, startServer } from './browser.mjs';

const layout = readLayout();
const { menuBar: menuBarTwips, perPixel: twipsPerPixel } = layout.twips;
let browser;
let server;
let origin;

before(async () => {
  browser = await launch();
  ({ server, origin } = await startServer());
});
after(async () => {
  await browser?.close();
  server?.close();
});

const byName = (page, name, scope = '#window') => page.locator(`${scope} [data-name="${name}"]`);

async function tapAll(page, names, how) {
  for (const name of names) await byName(page, name)[how]();
}

// The rectangle, in CSS pixels of the page, that a row of the table must
// take at the scale the panel is drawn at.
function expectedRect(row, panelBox, scale) {
  const parent = row.parent ? layout.controls.find((c) => c.name === row.parent).rect : { left: 0, top: 0 };
  const pixel = Math.max(1, twipsPerPixel * scale);
  if (row.line) {
    const { x1, y1, x2, y2 } = row.line;
    return {
      x: panelBox.x + Math.min(x1, x2) * scale,
      y: panelBox.y + Math.min(y1, y2) * scale,
      width: Math.abs(x2 - x1) * scale + pixel,
      height: Math.abs(y2 - y1) * scale + pixel,
    };
  }
  return {
    x: panelBox.x + (parent.left + row.rect.left) * scale,
    y: panelBox.y + (parent.top + row.rect.top) * scale,
    width: row.rect.width * scale,
    height: row.rect.height * scale,
  };
}

for (const [size, options] of [
  ['1280x800', desktop],
  ['390x844 with touch', phone],
]) {
  describe(`layout at ${size}`, () => {
    it('places every control of the table at its scaled rectangle, the whole window fitting', async () => {
      const { context, page, problems } = await openPanel(browser, origin, options);
      const { width, height } = options.viewport;
      // The binding side decides the one scale of the whole window.
      const scale = Math.min(width / layout.client.width, height / (layout.client.height + menuBarTwips));
      const panelBox = await page.locator('#panel').boundingBox();
      assert.ok(Math.abs(panelBox.width - layout.client.width * scale) < 0.5, 'panel width');
      assert.ok(Math.abs(panelBox.height - layout.client.height * scale) < 0.5, 'panel height');
      assert.ok(panelBox.x >= -0.5 && panelBox.x + panelBox.width <= width + 0.5, 'panel fits across');
      assert.ok(panelBox.y >= 0 && panelBox.y + panelBox.height <= height + 0.5, 'panel fits down');

      for (const row of layout.controls) {
        const element = byName(page, row.name, '#panel');
        assert.equal(await element.count(), 1, `one element for ${row.name}`);
        if (!row.visible) {
          assert.equal(await element.isVisible(), false, `${row.name} is not shown`);
          continue;
        }
        const box = await element.boundingBox();
        const want = expectedRect(row, panelBox, scale);
        for (const side of ['x', 'y', 'width', 'height']) {
          assert.ok(Math.abs(box[side] - want[side]) <= 1, `${row.name} ${side}: ${box[side]} for ${want[side]}`);
        }
      }
      // The page never scrolls.
      const scrolls = await page.evaluate(
        () => document.scrollingElement.scrollHeight > innerHeight || document.scrollingElement.scrollWidth > innerWidth,
      );
      assert.equal(scrolls, false);
      assert.deepEqual(problems, []);
      await context.close();
    });
  });
}

describe('panel', () => {
  it('shows the designed colours, font, captions and spoken names', async () => {
    const { context, page, problems } = await openPanel(browser, origin, desktop);
    const style = (name, property) =>
      byName(page, name).evaluate((element, p) => getComputedStyle(element)[p], property);
    assert.equal(await style('cmdEnter', 'backgroundColor'), 'rgb(255, 255, 128)');
    assert.equal(await style('Command1(7)', 'backgroundColor'), 'rgb(192, 192, 255)');
    assert.equal(await style('cmdOneInch', 'backgroundColor'), 'rgb(255, 255, 255)');
    assert.equal(await style('text1', 'backgroundColor'), 'rgb(255, 255, 255)');
    assert.equal(await style('text1', 'color'), 'rgb(0, 0, 0)');
    assert.equal(await page.evaluate(() => document.fonts.check('12px "Vardel Sans"')), true);
    assert.equal(await displayText(page), 'VORNA');
    assert.equal(await byName(page, 'txtEorM').inputValue(), 'E');
    assert.equal(await byName(page, 'cmdSquared').textContent(), 'X \u00B2');
    assert.equal(await byName(page, 'cmdFourandHalfInch').textContent(), ' 4 1/2"');
    // Every visible key is an enabled button named as on the desktop.
    for (const row of layout.controls.filter((c) => c.kind === 'key' && c.visible)) {
      const key = page.getByRole('button', { name: row.spoken, exact: true });
      assert.ok((await key.count()) >= 1, `a button named ${row.spoken}`);
      assert.equal(await byName(page, row.name).isEnabled(), true, `${row.name} enabled at start`);
    }
    assert.equal(await byName(page, 'text1').getAttribute('aria-live'), 'polite');
    assert.equal(await byName(page, 'txtEorM').isEnabled(), false);
    assert.deepEqual(problems, []);
    await context.close();
  });

  it('follows the designed tab order, wrapping round, and never stops at the indicator', async () => {
    const { context, page } = await openPanel(browser, origin, desktop);
    const stops = layout.controls.filter((c) => c.kind === 'key' && c.visible);
    const order = [];
    for (let i = 0; i <= stops.length; i++) {
      order.push(await page.evaluate(() => document.activeElement.dataset.name));
      await page.keyboard.press('Tab');
    }
    assert.equal(order[0], 'cmdEnginePressure');
    assert.deepEqual(order.slice(1, 4), ['cmdStraightTipFR', 'cmdfognozzleFR', 'cmdClearDisplay']);
    assert.equal(order[10], 'cmdEnter');
    assert.equal(order[stops.length - 1], 'cmdOff');
    assert.equal(order[stops.length], 'cmdEnginePressure');
    await context.close();
  });
});

// Friction loss, 150 gpm through 1 3/4" hose, one line, 200 ft: PSI 70.
const frictionLoss = [
  'cmdFrictionLoss', 'Command1(1)', 'Command1(5)', 'Command1(0)', 'cmdEnter',
  'cmdOneandThreeQuartersInch', 'cmdEnter', 'cmdEnter',
  'Command1(2)', 'Command1(0)', 'Command1(0)', 'cmdEnter',
];

describe('worked examples', () => {
  it('friction loss by tap on a phone', async () => {
    const { context, page, problems } = await openPanel(browser, origin, phone);
    await tapAll(page, frictionLoss.slice(0, 1), 'tap');
    assert.equal(await displayText(page), 'FLOW GPM');
    await tapAll(page, frictionLoss.slice(1), 'tap');
    assert.equal(await displayText(page), 'PSI 70');
    assert.deepEqual(problems, []);
    await context.close();
  });

  it('friction loss by keyboard: one typed Enter runs Enter once, wherever the focus is', async () => {
    const { context, page, problems } = await openPanel(browser, origin, desktop);
    await byName(page, 'cmdFrictionLoss').click();
    assert.equal(await page.evaluate(() => document.activeElement.dataset.name), 'cmdEnter');
    await page.keyboard.type('150');
    assert.equal(await displayText(page), ' 150');
    await page.keyboard.press('Enter');
    assert.equal(await displayText(page), 'HOSE SIZE');
    await byName(page, 'cmdOneandThreeQuartersInch').click();
    assert.equal(await displayText(page), '1.75');
    await page.keyboard.press('NumpadEnter');
    assert.equal(await displayText(page), 'SIAMESE');
    await page.keyboard.press('Enter');
    await page.keyboard.type('200');
    await page.keyboard.press('Enter');
    assert.equal(await displayText(page), 'PSI 70');
    assert.deepEqual(problems, []);
    await context.close();
  });

  it('the numeric keypad\'s operators, metric units, and a tap beside a hose key', async () => {
    const { context, page } = await openPanel(browser, origin, phone);
    for (const key of ['2', 'NumpadAdd', '3', 'NumpadMultiply', '4', 'Equal']) {
      await page.keyboard.press(key);
    }
    assert.equal(await displayText(page), ' 20');
    await byName(page, 'cmdEnglishMetric').tap();
    assert.equal(await byName(page, 'txtEorM').inputValue(), 'M');
    // The metric label above a hose key takes the key's taps.
    await byName(page, 'cmdFrictionLoss').tap();
    const label = await byName(page, 'lbl45mm').boundingBox();
    await page.touchscreen.tap(label.x + label.width / 2, label.y + label.height / 2);
    assert.equal(await displayText(page), '45');
    await context.close();
  });
});

describe('review', () => {
  it('F2 walks a friction loss; keying 300 at the length gives PSI 105', async () => {
    const { context, page, problems } = await openPanel(browser, origin, desktop);
    await page.keyboard.press('F2');
    assert.equal(await displayText(page), 'VORNA'); // nothing to review yet
    await tapAll(page, frictionLoss, 'click');
    assert.equal(await displayText(page), 'PSI 70');
    await page.keyboard.press('F2');
    assert.equal(await displayText(page), 'FLOW GPM');
    for (let i = 0; i < 7; ++i) await page.keyboard.press('Enter');
    assert.equal(await displayText(page), '200');
    await page.keyboard.type('300');
    await page.keyboard.press('Enter');
    assert.equal(await displayText(page), 'PSI 105');
    assert.deepEqual(problems, []);
    await context.close();
  });

  it('the display menu, by right click and by long press, offers the review only after a result', async () => {
    const { context, page } = await openPanel(browser, origin, phone);
    const item = byName(page, 'mnuReviewInputs');
    await byName(page, 'cmdFrictionLoss').tap();
    await byName(page, 'text1').dispatchEvent('contextmenu'); // what a long press fires
    assert.equal(await item.isDisabled(), true);
    await page.keyboard.press('Escape');
    await tapAll(page, frictionLoss.slice(1), 'tap');
    await byName(page, 'text1').click({ button: 'right' });
    assert.equal(await item.isDisabled(), false);
    await item.tap();
    assert.equal(await displayText(page), 'FLOW GPM');
    assert.equal(await item.isVisible(), false);
    assert.equal(await page.evaluate(() => document.activeElement.dataset.name), 'cmdEnter');
    await context.close();
  });
});

describe('boxes', () => {
  it('a divide by zero shows its modal message; no key acts until OK', async () => {
    const { context, page, problems } = await openPanel(browser, origin, desktop);
    await page.keyboard.type('8/0=');
    const box = page.getByRole('dialog', { name: layout.title });
    await box.waitFor();
    assert.equal(await box.locator('[data-name="message"]').textContent(), 'SORRY DIVIDE ZERO');
    await page.keyboard.type('5');
    assert.equal(await displayText(page), ' 0');
    await box.getByRole('button', { name: 'OK' }).click();
    assert.equal(await box.isVisible(), false);
    assert.equal(await page.evaluate(() => document.activeElement.dataset.name), 'cmdEnter');
    await page.keyboard.type('5=');
    assert.equal(await displayText(page), ' 1.6');

    await page.keyboard.type('c');
    await byName(page, 'Command1(4)').click();
    await byName(page, 'cmdPosNeq').click();
    await byName(page, 'cmdSqRoot').click();
    const error = page.getByRole('dialog', { name: 'Error' });
    await error.waitFor();
    assert.equal(await error.locator('[data-name="message"]').textContent(), 'Error Attempting A Negative Root');
    await page.keyboard.press('Escape');
    assert.equal(await error.isVisible(), false);
    assert.equal(await displayText(page), '-4');
    assert.deepEqual(problems, []);
    await context.close();
  });

  it('the About box opens from Alt+H, A and from the menu, and closes with Enter and Esc', async () => {
    const { context, page, problems } = await openPanel(browser, origin, desktop);
    for (const close of ['Enter', 'Escape']) {
      if (close === 'Enter') {
        await page.keyboard.press('Alt+h');
        await page.keyboard.press('a');
      } else {
        await page.locator('[data-name="mnuHelp"]').click();
        await page.locator('[data-name="mnuAbout"]').click();
      }
      const box = page.getByRole('dialog', { name: 'About Vardel' });
      await box.waitFor();
      const text = (name) => box.locator(`[data-name="${name}"]`).textContent();
      assert.equal(await text('lblTitle'), 'Vardel');
      assert.equal(await text('lblVersion'), 'Version 2.0.0');
      assert.match(await text('lblDescription'), /^The Vardel is programmed to provide answers/);
      assert.equal(await text('lblDisclaimer'), 'Warning: ...');
      assert.equal(await text('cmdOK'), 'OK');
      await page.keyboard.type('7');
      assert.equal(await displayText(page), 'VORNA');
      await page.keyboard.press(close);
      assert.equal(await box.isVisible(), false);
    }
    assert.deepEqual(problems, []);
    await context.close();
  });
});

describe('safety', () => {
  it('runs under a policy of its own files only, no eval, no inline script; WebAssembly typed', async () => {
    const { context, page, problems } = await openPanel(browser, origin, desktop);
    const policy = await page.locator('meta[http-equiv="Content-Security-Policy"]').getAttribute('content');
    assert.match(policy, /default-src 'self'/);
    assert.doesNotMatch(policy, /'unsafe-eval'|'unsafe-inline'|\*/);
    assert.equal(await page.locator('script:not([src])').count(), 0);
    const wasm = await page.request.get(`${origin}/engine.wasm`);
    assert.equal(wasm.headers()['content-type'], 'application/wasm');
    assert.deepEqual(problems, []);
    await context.close();
  });
});

describe('offline, versions and OFF', () => {
  it('opens and works with the network off after one visit', async () => {
    const { context, page, problems } = await openPanel(browser, origin, phone);
    await page.evaluate(async () => {
      await navigator.serviceWorker.ready;
    });
    await context.setOffline(true);
    await page.reload();
    await page.waitForSelector('body[data-ready="1"]');
    await tapAll(page, frictionLoss, 'tap');
    assert.equal(await displayText(page), 'PSI 70');
    assert.deepEqual(problems, []);
    await context.close();
  });

  // Runs on request only (VARDEL_WEB_VERSION_TEST=1): the reload during
  // which the new version takes over now and then stalls in headless Chromium.
  it('takes a new version whole at the next visit, never a mix of files', {
    skip: !process.env.VARDEL_WEB_VERSION_TEST && 'set VARDEL_WEB_VERSION_TEST=1',
  }, async () => {
    const copy = mkdtempSync(join(tmpdir(), 'vardel-site-'));
    cpSync(siteDir, copy, { recursive: true });
    const own = await startServer(copy);
    const { context, page, problems } = await openPanel(browser, own.origin, desktop);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    // Which version the page and its style sheet came from.
    const versions = () =>
      page.evaluate(() => [
        document.querySelector('meta[name="test-version"]')?.content ?? '1',
        getComputedStyle(document.documentElement).getPropertyValue('--test-version').trim() || '1',
      ]);

    const edit = (file, change) => writeFileSync(join(copy, file), change(readFileSync(join(copy, file), 'utf8')));
    edit('index.html', (t) => t.replace('<head>', '<head>\n<meta name="test-version" content="2">'));
    edit('vardel.css', (t) => `${t}\n:root { --test-version: 2; }\n`);
    edit('sw.js', (t) => t.replace(/const VERSION = "[^"]*"/, 'const VERSION = "second"'));

    const seen = [];
    for (let visit = 0; visit < 6; visit++) {
      // The page may start itself again under the new version: wait for
      // whichever document becomes ready.
      await page.reload({ waitUntil: 'commit' });
      await page.waitForSelector('body[data-ready="1"]');
      const now = await versions();
      assert.equal(now[0], now[1], `visit ${visit}: page and style of one version`);
      seen.push(now[0]);
      if (now[0] === '2') break;
      // Let the browser fetch the new version whole before the next visit.
      const waiting = () => page.evaluate(async () => !!(await navigator.serviceWorker.getRegistration())?.waiting);
      while (!(await waiting())) await page.waitForTimeout(50);
    }
    assert.equal(seen.at(-1), '2', `versions seen: ${seen}`);
    assert.deepEqual(problems, []);
    await context.close();
    own.server.close();
    rmSync(copy, { recursive: true, force: true });
  });

  it('OFF ends the run: the calculator starts afresh', async () => {
    const { context, page } = await openPanel(browser, origin, desktop);
    await page.keyboard.type('12');
    await byName(page, 'cmdEnglishMetric').click();
    const closed = page.waitForEvent('close').then(() => 'closed');
    const reloaded = page.waitForEvent('load').then(() => 'reloaded');
    await byName(page, 'cmdOff').click();
    if ((await Promise.race([closed, reloaded])) === 'reloaded') {
      await page.waitForSelector('body[data-ready="1"]');
      assert.equal(await displayText(page), 'VORNA');
      assert.equal(await byName(page, 'txtEorM').inputValue(), 'E');
    }
    await context.close();
  });
});
