// The web panel in each browser engine, from outside, by the design names the
// page's elements carry: its size against the viewport, the layout against
// the layout table, worked examples by keyboard, click and tap, the boxes,
// the offline reload, and a console without errors. The same tests run in
// every engine of engines.mjs; each test's name begins with its engine's.
import assert from 'node:assert/strict';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { before, describe } from 'node:test';
import {
  arrange, desktop, displayText, largeKeys, named, openPanel, phone, readLayout, ready, siteDir, startServer,
} from './browser.mjs';
import { inEachEngine } from './each-engine.mjs';
import { cannotEmulateContrast, cannotTouch, touchScreens } from './engines.mjs';
import { HOLD_MS } from '../site/long-press.js';

const layout = readLayout();
const { menuBar: menuBarTwips, perPixel: twipsPerPixel } = layout.twips;
const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

// Friction loss, 150 gpm through 1 3/4" hose, one line, 200 ft: PSI 70.
const frictionLoss = [
  'cmdFrictionLoss', 'Command1(1)', 'Command1(5)', 'Command1(0)', 'cmdEnter',
  'cmdOneandThreeQuartersInch', 'cmdEnter', 'cmdEnter',
  'Command1(2)', 'Command1(0)', 'Command1(0)', 'cmdEnter',
];

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

// Every element of the panel by design name: how many carry the name, its
// box, and whether it is drawn.
function panelElements(page) {
  return page.evaluate(() => {
    const found = {};
    for (const element of document.querySelectorAll('#panel [data-name]')) {
      const { x, y, width, height } = element.getBoundingClientRect();
      const seen = found[element.dataset.name];
      found[element.dataset.name] = {
        count: (seen?.count ?? 0) + 1,
        box: { x, y, width, height },
        visible: element.getClientRects().length > 0,
      };
    }
    return found;
  });
}

inEachEngine('panel', (it, engine, suite) => {
  const touchOnly = { skip: cannotTouch[engine] ?? false };
  before(() => console.log(`engine ${engine}: ${suite.browser.version}`));


  const property = (page, name, key) => page.evaluate(([s, k]) => document.querySelector(s)[k], [named(name), key]);
  const focused = (page) => page.evaluate(() => document.activeElement.dataset.name);
  const clickAll = async (page, names) => {
    for (const name of names) await page.click(named(name));
  };

  for (const [size, view] of [
    ['1280x800', desktop],
    ['390x844 with touch', phone],
  ]) {
    describe(`size at ${size}`, () => {
      // The binding side decides the one scale of the whole window.
      const scale = Math.min(view.width / layout.client.width, view.height / (layout.client.height + menuBarTwips));

      it('fills the viewport on its binding side and keeps the designed shape', async () => {
        const page = await openPanel(suite.browser, suite.origin, view);
        await arrange(page, false);
        const window = await page.box('#window');
        const figures = `window ${window.width}x${window.height} in ${view.width}x${view.height}`;
        const designed = layout.client.width / (layout.client.height + menuBarTwips);
        if (view.width / view.height < designed) assert.ok(Math.abs(window.width - view.width) <= 1, figures);
        else assert.ok(Math.abs(window.height - view.height) <= 1, figures);
        assert.ok(window.width <= view.width + 0.5 && window.height <= view.height + 0.5, figures);
        assert.ok(Math.abs(window.width - window.height * designed) <= 1, `${figures}: shape`);
        // The page never scrolls.
        const scrolls = await page.evaluate(
          () => document.scrollingElement.scrollHeight > innerHeight || document.scrollingElement.scrollWidth > innerWidth,
        );
        assert.equal(scrolls, false);
        assert.deepEqual(await page.problems(), []);
        await page.close();
      });

      it('places every control of the table at its scaled rectangle', async () => {
        const page = await openPanel(suite.browser, suite.origin, view);
        await arrange(page, false);
        const panelBox = await page.box('#panel');
        assert.ok(Math.abs(panelBox.width - layout.client.width * scale) < 0.5, 'panel width');
        assert.ok(Math.abs(panelBox.height - layout.client.height * scale) < 0.5, 'panel height');
        const elements = await panelElements(page);
        for (const row of layout.controls) {
          const element = elements[row.name];
          assert.equal(element?.count, 1, `one element for ${row.name}`);
          assert.equal(element.visible, row.visible, `${row.name} shown: ${row.visible}`);
          if (!row.visible) continue;
          const want = expectedRect(row, panelBox, scale);
          for (const side of ['x', 'y', 'width', 'height']) {
            const got = element.box[side];
            assert.ok(Math.abs(got - want[side]) <= 1, `${row.name} ${side}: ${got} for ${want[side]}`);
          }
        }
        await page.close();
      });
    });
  }

  describe('panel', () => {
    it('shows the designed colours, font, captions and spoken names', async () => {
      const page = await openPanel(suite.browser, suite.origin, desktop);
      const style = (name, key) => page.evaluate(([s, k]) => getComputedStyle(document.querySelector(s))[k], [named(name), key]);
      assert.equal(await style('cmdEnter', 'backgroundColor'), 'rgb(255, 255, 128)');
      assert.equal(await style('Command1(7)', 'backgroundColor'), 'rgb(192, 192, 255)');
      assert.equal(await style('cmdOneInch', 'backgroundColor'), 'rgb(255, 255, 255)');
      assert.equal(await style('text1', 'backgroundColor'), 'rgb(255, 255, 255)');
      assert.equal(await style('text1', 'color'), 'rgb(0, 0, 0)');
      assert.equal(await page.evaluate(() => document.fonts.check('12px "Vardel Sans"')), true);
      assert.equal(await displayText(page), 'VORNA');
      assert.equal(await property(page, 'txtEorM', 'value'), 'E');
      assert.equal(await property(page, 'cmdSquared', 'textContent'), 'X \u00B2');
      assert.equal(await property(page, 'cmdFourandHalfInch', 'textContent'), ' 4 1/2"');
      // Every visible key is an enabled button named as on the desktop.
      const keys = await page.evaluate(() =>
        [...document.querySelectorAll('#panel button.key:not([hidden])')].map((key) => [
          key.dataset.name,
          key.getAttribute('aria-label'),
          key.disabled,
        ]),
      );
      const rows = layout.controls.filter((c) => c.kind === 'key' && c.visible);
      assert.deepEqual(
        keys.sort(),
        rows.map((row) => [row.name, row.spoken, false]).sort(),
      );
      assert.equal(await property(page, 'text1', 'ariaLive'), 'polite');
      assert.equal(await property(page, 'txtEorM', 'disabled'), true);
      assert.equal(await largeKeys(page), false, 'a desktop browser keeps the designed panel');
      assert.deepEqual(await page.problems(), []);
      await page.close();
    });

    it('gives a screen reader an application, the unit change in words and the message box\'s text', async () => {
      const page = await openPanel(suite.browser, suite.origin, desktop);
      assert.equal(await page.evaluate(() => document.body.getAttribute('role')), 'application');
      const unitsSaid = () => page.evaluate(() => {
        const region = document.getElementById('units-spoken');
        return `${region.getAttribute('role')}: ${region.textContent}`;
      });
      assert.equal(await unitsSaid(), 'status: ');
      await page.click(named('cmdEnglishMetric'));
      assert.equal(await unitsSaid(), `status: ${layout.unitsSpoken.M}`);
      await page.type('8/0=');
      const box = await page.waitFor(() => {
        const open = document.querySelector('dialog[open]');
        const description = open && document.getElementById(open.getAttribute('aria-describedby'));
        return open && `${open.getAttribute('role')}: ${description.textContent}`;
      }, undefined, 'the message box');
      assert.equal(box, 'alertdialog: SORRY DIVIDE ZERO');
      await page.close();
    });

    it('follows the designed tab order, wrapping round, and never stops at the indicator', async () => {
      const page = await openPanel(suite.browser, suite.origin, desktop);
      const stops = layout.controls.filter((c) => c.kind === 'key' && c.visible);
      const order = [];
      for (let i = 0; i <= stops.length; i++) {
        order.push(await focused(page));
        await page.press('Tab');
      }
      assert.equal(order[0], 'cmdEnginePressure');
      assert.deepEqual(order.slice(1, 4), ['cmdStraightTipFR', 'cmdfognozzleFR', 'cmdClearDisplay']);
      assert.equal(order[10], 'cmdEnter');
      assert.equal(order[stops.length - 1], 'cmdOff');
      assert.equal(order[stops.length], 'cmdEnginePressure');
      await page.close();
    });
  });

  describe('large keys', () => {
    const touch = touchScreens[engine];
    let phones;
    before(async () => {
      phones = await suite.browser.touchBrowser();
    });
    // In the page: every box a finger must hit (the keys, the display,
    // the menu bar's items), the keys' colours, and whether it scrolls.
    const measure = () => {
      const boxes = [...document.querySelectorAll('#panel .key:not([hidden]), #panel .display, .menubar > button')].map(
        (element) => {
          const { x, y, width, height } = element.getBoundingClientRect();
          return { name: element.dataset.name, x, y, width, height, back: getComputedStyle(element).backgroundColor };
        },
      );
      const { scrollWidth, scrollHeight } = document.scrollingElement;
      return { boxes, scrolls: scrollWidth > innerWidth || scrollHeight > innerHeight };
    };
    const rgb = (hex) => `rgb(${[1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16)).join(', ')})`;

    for (const [width, height] of [
      [360, 640],
      [640, 360],
    ]) {
      it(`at ${width}x${height} every key, the display and the menu are a finger wide, nothing scrolls`, async () => {
        const page = await openPanel(phones, suite.origin, { width, height, deviceScaleFactor: 2, touch: true });
        // The default on a touch screen, where the engine can be one;
        // elsewhere the user's choice.
        assert.equal(await largeKeys(page), touch.coarse, 'large keys by default on a touch screen');
        await arrange(page, true);
        const { boxes, scrolls } = await page.evaluate(measure);
        assert.equal(scrolls, false);
        const side = (box) => Math.min(box.width, box.height);
        const smallest = (list) => list.reduce((least, box) => (side(box) < side(least) ? box : least));
        const keys = boxes.filter((box) => layout.controls.some((c) => c.name === box.name && c.kind === 'key'));
        for (const [what, box] of [['key', smallest(keys)], ['box', smallest(boxes)]]) {
          console.log(`${engine} ${width}x${height}: smallest ${what} ${box.name} ${box.width.toFixed(1)}x${box.height.toFixed(1)}`);
        }
        for (const box of boxes) {
          assert.ok(box.width >= 44 && box.height >= 44, `${box.name} ${box.width}x${box.height}`);
          assert.ok(box.x >= 0 && box.y >= 0 && box.x + box.width <= width && box.y + box.height <= height, `${box.name} on screen`);
        }
        const display = boxes.find((box) => box.name === 'text1');
        assert.ok(boxes.every((box) => box.name === 'text1' || box.y >= display.y || box.y + box.height <= display.y), 'the display on top');
        for (const row of layout.controls.filter((c) => c.kind === 'key' && c.visible)) {
          assert.equal(boxes.find((box) => box.name === row.name).back, rgb(row.back), `${row.name}'s colour`);
        }
        assert.deepEqual(await page.problems(), []);
        await page.close();
      });
    }

    it('the menu item switches between large keys and the designed panel, and the device remembers', async () => {
      const page = await openPanel(phones, suite.origin, { width: 360, height: 640, touch: true });
      const hoseKeyHeight = async () => (await page.box(named('cmdOneInch'))).height;
      for (const large of [!touch.coarse, touch.coarse]) {
        await arrange(page, large);
        assert.equal((await hoseKeyHeight()) >= 44, large);
        await page.reload();
        await ready(page, 'the panel');
        assert.equal(await largeKeys(page), large, 'the choice outlives the visit');
      }
      await page.type('12');
      assert.equal(await displayText(page), ' 12');
      await page.close();
    });

    it('a long press on the display opens its menu, from pointer events alone', async () => {
      const page = await openPanel(phones, suite.origin, { width: 360, height: 640, touch: true });
      // As in the browsers that send no contextmenu event for a long touch.
      await page.evaluate(() => window.addEventListener('contextmenu', (event) => event.stopImmediatePropagation(), true));
      const menuShown = () => page.evaluate(() => !document.getElementById('display-menu').hidden);
      await page.longPress(named('text1'), 100);
      // Had the short press left the long press's timer running, it would
      // fire before one that the page sets, after the release, for as long.
      await page.evaluate((ms) => new Promise((done) => setTimeout(done, ms)), HOLD_MS);
      assert.equal(await menuShown(), false, 'a short press is no long press');
      await page.longPress(named('text1'));
      assert.equal(await menuShown(), true);
      await page.close();
    });

    it('in forced colours keys, display and indicator keep borders; more contrast thickens them', {
      skip: cannotEmulateContrast[engine] ?? false,
    }, async () => {
      const page = await openPanel(suite.browser, suite.origin, phone);
      const borders = () =>
        page.evaluate(() =>
          ['cmdEnter', 'Command1(5)', 'text1', 'txtEorM'].map((name) => {
            const style = getComputedStyle(document.querySelector(`[data-name="${name}"]`));
            return { name, width: parseFloat(style.borderTopWidth), colour: style.borderTopColor, back: style.backgroundColor };
          }),
        );
      const plain = await borders();
      await page.emulateMedia({ forcedColors: 'active' });
      for (const border of await borders()) {
        assert.ok(border.width >= 1 && border.colour !== border.back, `${border.name}: ${JSON.stringify(border)}`);
      }
      await page.emulateMedia({ forcedColors: 'none', contrast: 'more' });
      const more = await borders();
      more.forEach((border, i) => {
        assert.ok(border.width > plain[i].width, `${border.name} thicker`);
        assert.equal(border.colour, 'rgb(0, 0, 0)');
      });
      await page.close();
    });
  });

  describe('worked examples', () => {
    it('friction loss by tap on a phone; a tap on a hose key\'s metric label presses the key', touchOnly, async () => {
      const page = await openPanel(suite.browser, suite.origin, phone);
      await page.tap(named(frictionLoss[0]));
      assert.equal(await displayText(page), 'FLOW GPM');
      for (const name of frictionLoss.slice(1)) await page.tap(named(name));
      assert.equal(await displayText(page), 'PSI 70');
      await page.tap(named('cmdEnglishMetric'));
      await page.tap(named('cmdFrictionLoss'));
      await page.tap(named('lbl45mm'));
      assert.equal(await displayText(page), '45');
      assert.deepEqual(await page.problems(), []);
      await page.close();
    });

    it('friction loss by keyboard: one typed Enter runs Enter once, wherever the focus is', async () => {
      const page = await openPanel(suite.browser, suite.origin, desktop);
      await page.click(named('cmdFrictionLoss'));
      assert.equal(await focused(page), 'cmdEnter');
      await page.type('150');
      assert.equal(await displayText(page), ' 150');
      await page.press('Enter');
      assert.equal(await displayText(page), 'HOSE SIZE');
      await page.click(named('cmdOneandThreeQuartersInch'));
      assert.equal(await displayText(page), '1.75');
      await page.press('NumpadEnter');
      assert.equal(await displayText(page), 'SIAMESE');
      await page.press('Enter');
      await page.type('200');
      await page.press('Enter');
      assert.equal(await displayText(page), 'PSI 70');
      assert.deepEqual(await page.problems(), []);
      await page.close();
    });

    it('the numeric keypad\'s operators count as the characters they type', async () => {
      const page = await openPanel(suite.browser, suite.origin, desktop);
      for (const key of ['2', 'NumpadAdd', '3', 'NumpadMultiply', '4', 'Equal']) await page.press(key);
      assert.equal(await displayText(page), ' 20');
      await page.close();
    });
  });

  describe('review', () => {
    it('F2 walks a friction loss; keying 300 at the length gives PSI 105', async () => {
      const page = await openPanel(suite.browser, suite.origin, desktop);
      await page.press('F2');
      assert.equal(await displayText(page), 'VORNA'); // nothing to review yet
      await clickAll(page, frictionLoss);
      assert.equal(await displayText(page), 'PSI 70');
      await page.press('F2');
      assert.equal(await displayText(page), 'FLOW GPM');
      for (let i = 0; i < 7; ++i) await page.press('Enter');
      assert.equal(await displayText(page), '200');
      await page.type('300');
      await page.press('Enter');
      assert.equal(await displayText(page), 'PSI 105');
      assert.deepEqual(await page.problems(), []);
      await page.close();
    });

    it('the display menu, by right click and by long press, offers the review only after a result', async () => {
      const page = await openPanel(suite.browser, suite.origin, desktop);
      const item = named('mnuReviewInputs');
      const itemShown = () => page.evaluate((s) => document.querySelector(s).getClientRects().length > 0, item);
      await page.click(named('cmdFrictionLoss'));
      // What a long press fires.
      await page.evaluate((s) => {
        document.querySelector(s).dispatchEvent(new MouseEvent('contextmenu', { bubbles: true, cancelable: true }));
      }, named('text1'));
      assert.equal(await itemShown(), true);
      assert.equal(await page.evaluate((s) => document.querySelector(s).disabled, item), true);
      await page.press('Escape');
      await clickAll(page, frictionLoss.slice(1));
      await page.click(named('text1'), { button: 'right' });
      assert.equal(await page.evaluate((s) => document.querySelector(s).disabled, item), false);
      await page.click(item);
      assert.equal(await displayText(page), 'FLOW GPM');
      assert.equal(await itemShown(), false);
      assert.equal(await focused(page), 'cmdEnter');
      await page.close();
    });
  });

  describe('boxes', () => {
    // In the page: the open box and its title, or null.
    const shownBox = () => {
      const box = document.querySelector('dialog[open]');
      const message = box?.querySelector('[data-name="message"]');
      return box && { title: box.querySelector('.titlebar').textContent, message: message?.textContent };
    };
    const openBox = (page) => page.evaluate(shownBox);

    it('a divide by zero shows its modal message; no key acts until OK', async () => {
      const page = await openPanel(suite.browser, suite.origin, desktop);
      await page.type('8/0=');
      const box = await page.waitFor(shownBox, undefined, 'the message box');
      assert.deepEqual(box, { title: layout.title, message: 'SORRY DIVIDE ZERO' });
      await page.type('5');
      assert.equal(await displayText(page), ' 0');
      await page.click('#message button');
      assert.equal(await openBox(page), null);
      assert.equal(await focused(page), 'cmdEnter');
      await page.type('5=');
      assert.equal(await displayText(page), ' 1.6');

      await page.type('c');
      await clickAll(page, ['Command1(4)', 'cmdPosNeq', 'cmdSqRoot']);
      assert.deepEqual(await page.waitFor(shownBox, undefined, 'the error box'), {
        title: 'Error',
        message: 'Error Attempting A Negative Root',
      });
      await page.press('Escape');
      assert.equal(await openBox(page), null);
      assert.equal(await displayText(page), '-4');
      assert.deepEqual(await page.problems(), []);
      await page.close();
    });

    it('the About box opens from Alt+H, A and from the menu, and closes with Enter and Esc', async () => {
      const page = await openPanel(suite.browser, suite.origin, desktop);
      for (const close of ['Enter', 'Escape']) {
        if (close === 'Enter') {
          await page.press('Alt+h');
          await page.press('a');
        } else {
          await page.click(named('mnuHelp'));
          await page.click(named('mnuAbout'));
        }
        assert.equal((await page.waitFor(shownBox, undefined, 'the About box')).title, 'About Vardel');
        const text = (name) => page.evaluate((n) => document.querySelector(`#frmAbout [data-name="${n}"]`).textContent, name);
        assert.equal(await text('lblTitle'), layout.title);
        assert.equal(await text('lblVersion'), 'Version 2.0.0');
        assert.match(await text('lblDescription'), /^The Vardel is programmed to provide answers/);
        assert.equal(await text('lblDisclaimer'), 'Warning: ...');
        assert.equal(await text('cmdOK'), 'OK');
        await page.type('7');
        assert.equal(await displayText(page), 'VORNA');
        await page.press(close);
        assert.equal(await openBox(page), null);
      }
      assert.deepEqual(await page.problems(), []);
      await page.close();
    });
  });

  describe('safety', () => {
    it('loads with no console error, under a policy of its own files only, no eval, no inline script', async () => {
      for (const view of [desktop, phone]) {
        const page = await openPanel(suite.browser, suite.origin, view);
        assert.deepEqual(await page.problems(), [], `at ${view.width}x${view.height}`);
        await page.close();
      }
      const page = await openPanel(suite.browser, suite.origin, desktop);
      const policy = await page.evaluate(
        () => document.querySelector('meta[http-equiv="Content-Security-Policy"]').content,
      );
      assert.match(policy, /default-src 'self'/);
      assert.doesNotMatch(policy, /'unsafe-eval'|'unsafe-inline'|\*/);
      assert.equal(await page.evaluate(() => document.querySelectorAll('script:not([src])').length), 0);
      const wasmType = await page.evaluate(async () => (await fetch('engine.wasm')).headers.get('content-type'));
      assert.equal(wasmType, 'application/wasm');
      assert.deepEqual(await page.problems(), []);
      await page.close();
    });
  });

  describe('offline, versions and OFF', () => {
    it('opens and works with the server gone after one visit, every box too', async () => {
      const own = await startServer();
      const page = await openPanel(suite.browser, own.origin, desktop);
      await page.waitFor(() => navigator.serviceWorker.controller !== null, undefined, 'the service worker');
      const offlineLine = () => {
        const line = document.getElementById('offline');
        return !line.hidden && `${line.getAttribute('role')}: ${line.textContent}`;
      };
      assert.equal(await page.waitFor(offlineLine, undefined, 'the offline line'), 'status: Works offline now');
      own.server.close();
      own.server.closeAllConnections();
      await page.reload();
      await ready(page, 'the panel offline');
      assert.equal(await page.evaluate(offlineLine), false, 'said once');
      await clickAll(page, frictionLoss);
      assert.equal(await displayText(page), 'PSI 70');
      // Every box, the engine's rest with it, from the site kept.
      for (const [keys, box] of [
        [['F3'], 'frmWorking'], [['Alt+d', 'v'], 'frmDepartmentValues'], [['Alt+d', 's'], 'frmSavedLines'],
        [['Alt+d', 'c'], 'frmPumpChart'], [['Alt+h', 'a'], 'frmAbout'],
      ]) {
        for (const key of keys) await page.press(key);
        await page.waitFor((id) => document.querySelector('dialog[open]')?.id === id, box, `the box ${box}`);
        await page.press('Escape');
        await page.waitFor(() => !document.querySelector('dialog[open]'), undefined, `the box ${box} closed`);
      }
      assert.deepEqual(await page.problems(), []);
      await page.close();
    });

    // Runs on request only (VARDEL_WEB_VERSION_TEST=1): the reload during
    // which the new version takes over now and then stalls in headless Chromium.
    it('takes a new version whole at the next visit, never a mix of files', {
      skip: !process.env.VARDEL_WEB_VERSION_TEST && 'set VARDEL_WEB_VERSION_TEST=1',
    }, async () => {
      const copy = mkdtempSync(join(tmpdir(), 'vardel-site-'));
      cpSync(siteDir, copy, { recursive: true });
      const own = await startServer(copy);
      const page = await openPanel(suite.browser, own.origin, desktop);
      await page.waitFor(() => navigator.serviceWorker.controller !== null, undefined, 'the service worker');
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
        await page.reload();
        await ready(page, 'the panel');
        const now = await versions();
        assert.equal(now[0], now[1], `visit ${visit}: page and style of one version`);
        seen.push(now[0]);
        if (now[0] === '2') break;
        // Let the browser fetch the new version whole before the next visit.
        await page.waitFor(async () => !!(await navigator.serviceWorker.getRegistration())?.waiting, undefined, 'the new version');
      }
      assert.equal(seen.at(-1), '2', `versions seen: ${seen}`);
      assert.deepEqual(await page.problems(), []);
      await page.close();
      own.server.close();
      rmSync(copy, { recursive: true, force: true });
    });

    it('OFF ends the run: the window closes, or the calculator starts afresh', async () => {
      const page = await openPanel(suite.browser, suite.origin, desktop);
      await page.type('12');
      await page.click(named('cmdEnglishMetric'));
      await page.evaluate(() => {
        window.beforeOff = true;
      });
      await page.click(named('cmdOff'));
      for (let tries = 0; ; tries++) {
        assert.ok(tries < 1500, 'neither closed nor started afresh');
        if (await page.closed()) break;
        const fresh = await page
          .evaluate(() => !window.beforeOff && document.body.dataset.ready === '1')
          .catch(() => false);
        if (fresh) {
          assert.equal(await displayText(page), 'VORNA');
          assert.equal(await property(page, 'txtEorM', 'value'), 'E');
          break;
        }
        await sleep(20);
      }
      await page.close();
    });
  });
});
