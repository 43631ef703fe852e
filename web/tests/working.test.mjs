// The working and the pump chart of the web panel in each browser engine:
// F3 and the display's menu show the working of a result, and nothing
// without one; the box says its text to a screen reader. In Chromium, which
// prints a page to PDF in a test, the chart of the largest lay prints alone
// on one page of either paper. Every page is fresh: nothing of the user's.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { desktop, displayText, named, openPanel } from './browser.mjs';
import { inEachEngine } from './each-engine.mjs';

// Friction loss, 150 gpm through 200 ft of 1 3/4": PSI 70.
const frictionLoss = [
  'cmdFrictionLoss', 'Command1(1)', 'Command1(5)', 'Command1(0)', 'cmdEnter',
  'cmdOneandThreeQuartersInch', 'cmdEnter', 'cmdEnter',
  'Command1(2)', 'Command1(0)', 'Command1(0)', 'cmdEnter',
];

const openBox = (page) => page.evaluate(() => document.querySelector('dialog[open]')?.id ?? null);
const working = (page) =>
  page.evaluate(() => {
    const box = document.getElementById('frmWorking');
    const text = box.querySelector('[data-name="txtWorking"]');
    return {
      text: text.value,
      description: document.getElementById(box.getAttribute('aria-describedby'))?.value,
      focused: document.activeElement === text,
    };
  });

inEachEngine('working', (it, engine, suite) => {


  it('F3 and the display menu show the working of a result, and nothing without one', async () => {
    const page = await openPanel(suite.browser, suite.origin, desktop);
    const itemOff = async () => {
      await page.click(named('text1'), { button: 'right' });
      const off = await page.evaluate((s) => document.querySelector(s).disabled, named('mnuShowWorking'));
      await page.press('Escape');
      return off;
    };
    for (const name of frictionLoss.slice(0, -1)) await page.click(named(name));
    await page.press('F3');
    // Whatever the key left queued has run once the page's next task has.
    await page.evaluate(() => new Promise((done) => setTimeout(done)));
    assert.equal(await openBox(page), null);
    assert.equal(await itemOff(), true);

    await page.click(named('cmdEnter'));
    await page.press('F3');
    assert.equal(await openBox(page), 'frmWorking');
    const seen = await working(page);
    assert.match(seen.text, /^Friction loss, English units\n[^]* → PSI 70$/);
    assert.equal(seen.description, seen.text);
    assert.ok(seen.focused);
    if (engine === 'chromium') {
      // What the browser hands a screen reader: the box, described by its
      // text (its line breaks read as blanks).
      const cdp = await page.context.newCDPSession(page.page);
      const { nodes } = await cdp.send('Accessibility.getFullAXTree');
      const box = nodes.find((node) => node.role?.value === 'dialog' && node.name?.value === 'Working');
      assert.equal(box?.description?.value, seen.text.replace(/\n/g, ' '));
    }
    // A key typed in the box stays there.
    await page.type('5');
    await page.press('Escape');
    assert.equal(await openBox(page), null);
    assert.equal(await displayText(page), 'PSI 70');

    assert.equal(await itemOff(), false);
    await page.click(named('text1'), { button: 'right' });
    await page.click(named('mnuShowWorking'));
    assert.equal(await openBox(page), 'frmWorking');
    assert.deepEqual(await page.problems(), []);
    await page.close();
  });

  it('the chart of the largest lay prints alone on one page of either paper', {
    skip: engine !== 'chromium' && 'only Chromium prints a page to PDF in a test',
  }, async () => {
    const page = await openPanel(suite.browser, suite.origin, desktop);
    await page.press('Alt+d');
    await page.press('c');
    assert.equal(await openBox(page), 'frmPumpChart');
    const values = (first, step) => Array.from({ length: 20 }, (_, i) => String(first + step * i)).join(' ');
    await page.page.fill(named('txtFlows', '#frmPumpChart'), values(95, 10));
    await page.page.fill(named('txtLengths', '#frmPumpChart'), values(50, 25));
    const cells = await page.evaluate(() => [...document.querySelectorAll('#frmPumpChart td')].map((td) => td.textContent));
    assert.equal(cells.length, 400);

    const folder = mkdtempSync(join(tmpdir(), 'vardel-print-'));
    try {
      for (const [paper, size] of [['A4', /pts \(A4\)/], ['Letter', /612 x 792 pts \(letter\)/]]) {
        await page.page.selectOption(named('lstPaper', '#frmPumpChart'), { label: paper });
        const pdf = join(folder, `${paper}.pdf`);
        writeFileSync(pdf, await page.page.pdf({ preferCSSPageSize: true, printBackground: true }));
        const info = execFileSync('pdfinfo', [pdf], { encoding: 'utf8' });
        assert.match(info, /Pages: +1\n/);
        assert.match(info, size);
        const text = execFileSync('pdftotext', ['-layout', pdf, '-'], { encoding: 'utf8' });
        assert.match(text, /^\s*Pump chart: engine pressure in psi, English units/);
        assert.doesNotMatch(text, /ENGINE PRESSURE/); // the panel is not printed
        // Every cell, row by row, in the page's text in turn.
        const words = text.split(/\s+/);
        let at = words.indexOf('\\');
        for (const word of cells.join(' ').split(' ')) {
          at = words.indexOf(word, at + 1);
          assert.ok(at >= 0, `${word} is not in the printed text in turn`);
        }
      }
    } finally {
      rmSync(folder, { recursive: true, force: true });
    }
    assert.deepEqual(await page.problems(), []);
    await page.close();
  });
});
