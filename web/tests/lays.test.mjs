// The Lays box of the web panel in each browser engine: a saved lay shows its
// result, which the box says to a screen reader, and Show puts its pump
// pressure on the display with its mark and its working; a lay keyed by
// touch refuses a seventh discharge and keeps what it had; the box asked
// for before the engine's rest has arrived opens once it has. In Chromium,
// which prints a page to PDF in a test, the pump panel card prints alone on
// one page with every saved line and lay. Every page is fresh: nothing of
// the user's.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import {
  chooseFile,
  desktop,
  displayText,
  documentedExample,
  named,
  openPanel,
  openPanelHoldingRest,
  phone,
} from './browser.mjs';
import { inEachEngine } from './each-engine.mjs';
import { cannotTouch } from './engines.mjs';

const box = '#frmLays';
const openBox = (page) => page.evaluate(() => document.querySelector('dialog[open]')?.id ?? null);
const result = (page) => page.evaluate((s) => document.querySelector(s).value, named('txtResult', box));
const items = (page, list) =>
  page.evaluate((s) => [...document.querySelector(s).options].map((o) => o.text), named(list, box));
// Chooses a list's row, as the browser does when the user picks it.
const choose = (page, list, label) =>
  page.evaluate(([s, text]) => {
    const select = document.querySelector(s);
    select.selectedIndex = [...select.options].findIndex((o) => o.text === text);
    select.dispatchEvent(new Event('change', { bubbles: true }));
  }, [named(list, box), label]);

// The documented department (Engine 4 with its wyed lay) imported, and the
// Lays box opened by keyboard: Alt+D, L.
async function engine4Lays(page) {
  await chooseFile(page, documentedExample());
  await page.click(named('cmdApply', '#frmImport'));
  await page.press('Alt+d');
  await page.press('l');
  assert.equal(await openBox(page), 'frmLays');
}

inEachEngine('lays', (it, engine, suite) => {


  it('a saved lay shows its result, said with the box, and Show puts it on the display', async () => {
    const page = await openPanel(suite.browser, suite.origin, desktop);
    await engine4Lays(page);
    assert.deepEqual(await items(page, 'lstSavedLays'), ['New lay', 'Wyed attack']);
    await choose(page, 'lstSavedLays', 'Wyed attack');
    // 1 3/4" at 10 psi: 33.75 a branch, 36 the supply.
    const text = await result(page);
    assert.match(text, /^Pump pressure PSI 170, made with department values, Engine 4\nA: 200 ft of 2 1\/2" to a wye; 300 gpm; sets the pump pressure, 170 psi\n/);
    const description = await page.evaluate((s) => {
      const dialog = document.querySelector(s);
      return document.getElementById(dialog.getAttribute('aria-describedby'))?.value ?? '';
    }, box);
    assert.equal(description.replace(/\s+/g, ' '), text.replace(/\s+/g, ' '));
    await page.click(named('cmdShow', box));
    assert.equal(await openBox(page), null);
    assert.equal(await displayText(page), 'PSI 170, made with department values, Engine 4');
    await page.press('F3');
    assert.equal(await openBox(page), 'frmWorking');
    const working = await page.evaluate(() => document.querySelector('#frmWorking textarea').value);
    assert.match(working, /^Lay Wyed attack, English units\n[^]* → PSI 170$/);
    await page.press('Escape');
    assert.deepEqual(await page.problems(), []);
    await page.close();
  });

  it('a lay keyed by touch refuses a seventh discharge and keeps what it had', {
    skip: cannotTouch[engine],
  }, async () => {
    const page = await openPanel(suite.browser, suite.origin, phone);
    await page.tap('#department');
    await page.tap(named('mnuLays'));
    assert.equal(await openBox(page), 'frmLays');
    await page.tap(named('txtLength', box));
    await page.press('Control+a');
    await page.type('250');
    assert.match(await result(page), /^Pump pressure PSI 187\n/); // 15.5 x 1.5² x 2.5 + 100
    for (let added = 1; added < 6; added++) await page.tap(named('cmdAddDischarge', box));
    assert.equal((await items(page, 'lstDischarges')).length, 6);
    await page.tap(named('cmdAddDischarge', box));
    const message = await page.waitFor(
      () => document.querySelector('#message[open] [data-name="message"]')?.textContent,
      undefined,
      'the refusal',
    );
    assert.equal(message, 'A lay has 1 to 6 discharges.');
    await page.tap('#message[open] button');
    assert.equal((await items(page, 'lstDischarges')).length, 6);
    assert.deepEqual(await page.problems(), []);
    await page.close();
  });

  it('the box asked for before the engine\'s rest has arrived opens once it has', async () => {
    const { page, held } = await openPanelHoldingRest(suite.browser);
    await page.press('Alt+d');
    await page.press('l');
    assert.equal(await openBox(page), null);
    held.release();
    await page.waitFor(() => document.querySelector('dialog[open]')?.id === 'frmLays', undefined, 'the Lays box');
    assert.match(await result(page), /^Pump pressure PSI 170\n/);
    assert.deepEqual(await page.problems(), []);
    await page.close();
    held.close();
  });

  it('the pump panel card prints alone on one page with every saved line and lay', {
    skip: engine !== 'chromium' && 'only Chromium prints a page to PDF in a test',
  }, async () => {
    const page = await openPanel(suite.browser, suite.origin, desktop);
    await engine4Lays(page);
    const folder = mkdtempSync(join(tmpdir(), 'vardel-card-'));
    try {
      const pdf = join(folder, 'card.pdf');
      writeFileSync(pdf, await page.page.pdf({ preferCSSPageSize: true, printBackground: true }));
      assert.match(execFileSync('pdfinfo', [pdf], { encoding: 'utf8' }), /Pages: +1\n/);
      const text = execFileSync('pdftotext', ['-layout', pdf, '-'], { encoding: 'utf8' });
      assert.match(text, /^\s*Pump panel card: Engine 4/);
      for (const wanted of ['Crosslay 1', '145 psi', 'Wyed attack', '170 psi', '134 psi at the wye']) {
        assert.ok(text.includes(wanted), `${wanted} is not on the card:\n${text}`);
      }
      assert.doesNotMatch(text, /ENGINE PRESSURE/); // the panel is not printed
    } finally {
      rmSync(folder, { recursive: true, force: true });
    }
    assert.deepEqual(await page.problems(), []);
    await page.close();
  });
});
