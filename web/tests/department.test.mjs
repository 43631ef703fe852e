// The Department menu of the web panel in each browser engine: values saved
// in the values box stay over a reload, mark their results on the display
// and in its live text, and name the page; an import shows its changes
// before it changes anything, a refused one keeps what was kept; another
// tab's save arrives. Every page is fresh: its own storage, nothing of the
// user's.
import assert from 'node:assert/strict';
import {
  chooseFile, documentedExample, desktop, displayText, frictionLoss, keptValues, named, openBox, openPanel,
  openPanelHoldingRest, pageTitle, phone, ready,
} from './browser.mjs';
import { inEachEngine } from './each-engine.mjs';
import { cannotTouch } from './engines.mjs';

const example = documentedExample();
const markShown = (page) =>
  page.evaluate(() => {
    const mark = document.querySelector('[data-name="lblMark"]');
    return mark.hidden ? null : mark.textContent;
  });

inEachEngine('department', (it, engine, suite) => {


  const press = async (page, names, touch) => {
    for (const name of names) await (touch ? page.tap(named(name)) : page.click(named(name)));
  };

  it('a coefficient saved in the values box marks its result, is spoken with it, and stays over a reload', async () => {
    const touch = !cannotTouch[engine];
    const page = await openPanel(suite.browser, suite.origin, touch ? phone : desktop);
    const choose = (selector) => (touch ? page.tap(selector) : page.click(selector));
    // Standard mode: the design's texts exactly, nothing kept.
    await press(page, frictionLoss, touch);
    assert.equal(await displayText(page), 'PSI 70');
    assert.equal(await markShown(page), null);
    assert.equal(await pageTitle(page), 'Vardel');

    await choose('#department');
    await choose(named('mnuDepartmentValues'));
    assert.equal(await openBox(page), 'frmDepartmentValues');
    assert.equal(await keptValues(page), null); // nothing written before a save
    await choose('#frmDepartmentValues [data-name="txtEnglish(4)"]');
    await page.type('10');
    assert.equal(await page.evaluate(() => document.querySelector('[data-name="txtMetric(4)"]').value), '15.786');
    await choose('#frmDepartmentValues [data-name="cmdSave"]');
    assert.equal(await openBox(page), null);
    assert.match(await keptValues(page), /"english": 10\.0/);

    for (let visit = 0; visit < 2; visit++) {
      await press(page, frictionLoss, touch);
      assert.equal(await displayText(page), 'PSI 45, made with department values, Department');
      assert.equal(await markShown(page), 'DEPT');
      assert.equal(await pageTitle(page), 'Department values: Department');
      await page.reload();
      await ready(page, 'the panel again');
    }
    assert.deepEqual(await page.problems(), []);
    await page.close();
  });

  it('the menu by keyboard; published values by one item each way', async () => {
    const page = await openPanel(suite.browser, suite.origin, desktop);
    await page.press('Alt+d');
    await page.press('v');
    assert.equal(await openBox(page), 'frmDepartmentValues');
    await page.press('Escape');
    assert.equal(await openBox(page), null);
    await chooseFile(page, example);
    await page.click(named('cmdApply', '#frmImport'));
    assert.equal(await pageTitle(page), 'Department values: Engine 4');
    for (const want of ['Vardel', 'Department values: Engine 4']) {
      await page.press('Alt+d');
      await page.press('p');
      assert.equal(await pageTitle(page), want);
    }
    assert.deepEqual(await page.problems(), []);
    await page.close();
  });

  it('an import shows its changes before it changes anything; a refused one keeps what was kept', async () => {
    const page = await openPanel(suite.browser, suite.origin, desktop);
    await chooseFile(page, example);
    assert.equal(await openBox(page), 'frmImport');
    const changes = await page.evaluate(() => [...document.querySelector('[data-name="lstChanges"]').options].map((o) => o.text));
    assert.ok(changes.includes('Name: Engine 4'), changes.join('; '));
    assert.ok(changes.includes('1 3/4" hose: published becomes 10 / 15.786'), changes.join('; '));
    assert.equal(await keptValues(page), null);
    await page.click(named('cmdCancel', '#frmImport'));
    assert.equal(await openBox(page), null);
    assert.equal(await keptValues(page), null);

    await chooseFile(page, example);
    await page.click(named('cmdApply', '#frmImport'));
    const before = await keptValues(page);
    assert.match(before, /"name": "Engine 4"/);
    await chooseFile(page, example.replace('"version": 2', '"version": 3'));
    const message = await page.waitFor(
      () => document.querySelector('#message[open] [data-name="message"]')?.textContent,
      undefined,
      'the refusal',
    );
    assert.match(message, /^The file is refused: It was written by a newer version/);
    await page.press('Enter');
    assert.equal(await openBox(page), null);
    assert.equal(await keptValues(page), before);
    assert.equal(await pageTitle(page), 'Department values: Engine 4');

    // A kept file damaged behind the page's back: told at start, and kept
    // aside under a key of its own when values are next applied.
    await page.evaluate(() => localStorage.setItem('vardel.department', '{ damaged'));
    await page.reload();
    await page.waitFor(() => document.querySelector('#message[open]') !== null, undefined, 'the refusal at start');
    await page.press('Enter');
    await chooseFile(page, example);
    await page.click(named('cmdApply', '#frmImport'));
    assert.equal(await keptValues(page), before);
    const aside = await page.evaluate(() =>
      Object.keys(localStorage)
        .filter((key) => key.startsWith('vardel.department.refused.'))
        .map((key) => localStorage.getItem(key)),
    );
    assert.deepEqual(aside, ['{ damaged']);
    assert.deepEqual(await page.problems(), []);
    await page.close();
  });

  it('a box asked for at once opens when the engine\'s rest has arrived, the keys typed meanwhile in it', async () => {
    const { page, held } = await openPanelHoldingRest(suite.browser);
    await page.press('Alt+d');
    await page.press('v');
    await page.type('Eng');
    await page.press('5');
    assert.equal(await openBox(page), null);
    assert.equal(await displayText(page), 'VORNA', 'no key reached the calculator');
    held.release();
    await page.waitFor(() => document.querySelector('dialog[open]')?.id === 'frmDepartmentValues', undefined, 'the values box');
    const typed = await page.evaluate(() => document.activeElement.value);
    assert.ok(typed.includes('Eng5'), `the focused field holds ${typed}`);
    await page.press('Escape');
    await press(page, frictionLoss, false);
    assert.equal(await displayText(page), 'PSI 70');
    assert.deepEqual(await page.problems(), []);
    await page.close();
    held.close();
  });

  it('another tab\'s save arrives', async () => {
    const page = await openPanel(suite.browser, suite.origin, desktop);
    assert.equal(await pageTitle(page), 'Vardel');
    // What the storage event of a save in another tab brings.
    await page.evaluate((text) => {
      localStorage.setItem('vardel.department', text);
      window.dispatchEvent(new StorageEvent('storage', { key: 'vardel.department', newValue: text }));
    }, example);
    assert.equal(await pageTitle(page), 'Department values: Engine 4');
    await page.close();
  });
});
