// Practice in the web panel in each browser engine: Department > Practice...
// by keyboard starts a set by its number; while it is on the mark reads
// PRACTICE, the display's live text says "practice" after every text, the
// page's title says so and the strip below the panel judges each answer
// typed and handed in by Enter; its key leaves practice, and the result
// shown before comes back as it was. In Chromium, which prints a page to
// PDF in a test, the worksheet prints on two pages, its key holding every
// answer. Every page is fresh: nothing of the user's.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { desktop, displayText, named, openPanel, openPanelHoldingRest } from './browser.mjs';
import { inEachEngine } from './each-engine.mjs';

// Friction loss, 150 gpm through 200 ft of 1 3/4": PSI 70.
const frictionLoss = [
  'cmdFrictionLoss', 'Command1(1)', 'Command1(5)', 'Command1(0)', 'cmdEnter',
  'cmdOneandThreeQuartersInch', 'cmdEnter', 'cmdEnter',
  'Command1(2)', 'Command1(0)', 'Command1(0)', 'cmdEnter',
];

const openBox = (page) => page.evaluate(() => document.querySelector('dialog[open]')?.id ?? null);
const seen = (page) =>
  page.evaluate(() => {
    const mark = document.querySelector('[data-name="lblMark"]');
    const strip = document.getElementById('fraPractice');
    return {
      mark: mark.hidden ? null : mark.textContent,
      title: document.title,
      strip: strip.hidden ? null : strip.querySelector('[data-name="txtProblem"]').textContent,
      live: strip.querySelector('[role="status"]')?.getAttribute('aria-live'),
    };
  });

// Department > Practice... by keyboard (unless the box is open already),
// and the set's number typed.
async function setNumber(page, number, open = true) {
  if (open) {
    await page.press('Alt+d');
    await page.press('r');
  }
  assert.equal(await openBox(page), 'frmPractice');
  await page.click(named('txtSet', '#frmPractice'));
  await page.press('Backspace'); // the set offered, 1
  await page.type(number);
  assert.equal(await page.evaluate(() => document.querySelector('[data-name="txtSet"]').value), number);
}

inEachEngine('practice', (it, engine, suite) => {


  it('the mark PRACTICE is seen and spoken, answers are judged, and leaving puts the result back', async () => {
    const page = await openPanel(suite.browser, suite.origin, desktop);
    for (const name of frictionLoss) await page.click(named(name));
    assert.equal(await displayText(page), 'PSI 70');

    await setNumber(page, '4127');
    await page.press('Enter'); // Start
    assert.equal(await openBox(page), null);
    let now = await seen(page);
    assert.equal(now.mark, 'PRACTICE');
    assert.equal(now.title, 'Practice: set 4127');
    assert.equal(now.live, 'polite');
    assert.equal(now.strip, 'Problem 1 of 10\n200 ft of 1 1/2" hose (C 24), 125 gpm: the friction loss?');

    await page.type('75');
    assert.equal(await displayText(page), ' 75, practice');
    await page.press('Enter');
    now = await seen(page);
    assert.match(now.strip, /^RIGHT\. The answer is PSI 75; you keyed 75\.\n\nProblem 2 of 10\n/);
    assert.equal(await displayText(page), 'VORNA, practice');
    await page.type('9');
    await page.press('Enter');
    now = await seen(page);
    assert.match(now.strip, /^WRONG\. The answer is PSI 171; you keyed 9, and within 5 psi counts\.\nLay, English units/);

    await page.click(named('cmdLeavePractice'));
    now = await seen(page);
    assert.deepEqual([now.mark, now.title, now.strip], [null, 'Vardel', null]);
    assert.equal(await displayText(page), 'PSI 70');
    assert.deepEqual(await page.problems(), []);
    await page.close();
  });

  it('practice chosen before the engine\'s rest has arrived starts once it has, and judges the answers', async () => {
    const { page, held } = await openPanelHoldingRest(suite.browser);
    await page.press('Alt+d');
    await page.press('r');
    assert.equal(await openBox(page), null);
    held.release();
    await page.waitFor(() => document.querySelector('dialog[open]')?.id === 'frmPractice', undefined, 'the practice box');
    await setNumber(page, '4127', false);
    await page.press('Enter');
    assert.equal((await seen(page)).mark, 'PRACTICE');
    await page.type('75');
    await page.press('Enter');
    assert.match((await seen(page)).strip, /^RIGHT\. The answer is PSI 75;/);
    await page.click(named('cmdLeavePractice'));
    assert.deepEqual(await seen(page), { mark: null, title: 'Vardel', strip: null, live: 'polite' });
    assert.deepEqual(await page.problems(), []);
    await page.close();
    held.close();
  });

  it('the worksheet prints the problems on one page and the key with every answer on the next', {
    skip: engine !== 'chromium' && 'only Chromium prints a page to PDF in a test',
  }, async () => {
    const page = await openPanel(suite.browser, suite.origin, desktop);
    await setNumber(page, '4127');
    const folder = mkdtempSync(join(tmpdir(), 'vardel-print-'));
    try {
      const pdf = join(folder, 'worksheet.pdf');
      writeFileSync(pdf, await page.page.pdf({ preferCSSPageSize: true, printBackground: true }));
      assert.match(execFileSync('pdfinfo', [pdf], { encoding: 'utf8' }), /Pages: +2\n/);
      const text = (first) => execFileSync('pdftotext', ['-f', first, '-l', first, pdf, '-'], { encoding: 'utf8' });
      assert.match(text('1'), /^Practice set 4127\n[^]*1\. 200 ft of 1 1\/2" hose \(C 24\), 125 gpm: the friction loss\?/);
      const key = text('2');
      assert.match(key, /^Answer key: practice set 4127\n/);
      let at = 0;
      for (const [i, answer] of ['PSI 75', 'PSI 171', 'Lbs 379', 'PSI 171', 'GPM 500', 'PSI 110', 'GPM 143', 'PSI 107', 'GPM 185', 'Lbs 69'].entries()) {
        at = key.indexOf(`${i + 1}. ${answer}\n`, at);
        assert.ok(at >= 0, `${answer} is not in the key in turn`);
      }
    } finally {
      rmSync(folder, { recursive: true, force: true });
    }
    assert.deepEqual(await page.problems(), []);
    await page.close();
  });
});
