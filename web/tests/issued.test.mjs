// The department's file beside the page, as a department hosts it, in each
// browser engine: a fresh device takes it, says so once, and marks the
// results it goes into, with the network off too; a changed file reaches
// the device at its next visit; a device with changes of its own is asked,
// never overwritten; a bad file changes nothing; a link carries the values
// to another device, which imports them after the preview. The site is a
// copy of the one built with a department file, whose department.json the
// test replaces as the department's administrator would on its server.
import assert from 'node:assert/strict';
import { cpSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after } from 'node:test';
import {
  chooseFile, documentedExample, desktop, displayText, frictionLoss, keptValues, messageShown, named, openBox,
  issuedSiteDir, openPanel, pageTitle, ready, startServer,
} from './browser.mjs';
import { inEachEngine } from './each-engine.mjs';

const example = documentedExample();

// The example issued on `day`, its 1 3/4" hose at `c` psi: friction loss
// 150 gpm through 200 ft then shows PSI 4.5 c.
function issueOf(day, c) {
  return example
    .replace('"issued": "2026-12-01"', `"issued": "${day}"`)
    .replace('"english": 10.0', `"english": ${c}.0`)
    .replace('"metric": 15.786', `"metric": ${(c * 1.5786).toFixed(3)}`);
}

// The page once it has looked at the site's file: after a start, or a reload.
const looked = (page) => page.waitFor(() => document.body.dataset.issued === 'looked', undefined, "the site's file");
async function visitAgain(page) {
  await page.reload();
  await ready(page, 'the panel again');
  await looked(page);
}
const noMessage = (page) => page.evaluate(() => document.querySelector('#message[open]') === null);
async function dismiss(page) {
  await page.press('Enter');
  await page.waitFor(() => document.querySelector('#message[open]') === null, undefined, 'the message to close');
}
async function frictionLossShows(page) {
  for (const name of frictionLoss) await page.click(named(name));
  return displayText(page);
}

// The copy of the site served, made afresh for each engine's suite.
let site;
const hosted = (text) => writeFileSync(join(site, 'department.json'), text);
function freshSite() {
  site = mkdtempSync(join(tmpdir(), 'vardel-issued-site-'));
  cpSync(issuedSiteDir, site, { recursive: true });
  hosted(issueOf('2026-12-01', 10));
  return site;
}

inEachEngine('issued', (it, engine, suite) => {
  after(() => rmSync(site, { recursive: true, force: true }));

  it('a fresh device takes the issue, says so once, marks its results, and keeps it offline', async () => {
    hosted(issueOf('2026-12-01', 10));
    const own = await startServer(site);
    const page = await openPanel(suite.browser, own.origin, desktop);
    assert.match(await messageShown(page, 'the issue told'), /^Department values: Engine 4, issued 2026-12-01\./);
    await dismiss(page);
    assert.equal(await pageTitle(page), 'Department values: Engine 4');
    assert.equal(await frictionLossShows(page), 'PSI 45, made with department values, Engine 4');
    assert.equal(await keptValues(page), null); // nothing of the device's own
    await page.waitFor(() => navigator.serviceWorker.controller !== null, undefined, 'the service worker');
    await page.waitFor(() => !document.getElementById('offline').hidden, undefined, 'the offline line');

    own.server.close();
    own.server.closeAllConnections();
    await visitAgain(page);
    assert.equal(await noMessage(page), true, 'told once');
    assert.equal(await pageTitle(page), 'Department values: Engine 4');
    assert.equal(await frictionLossShows(page), 'PSI 45, made with department values, Engine 4');
    assert.deepEqual(await page.problems(), []);
    await page.close();
  });

  it('a changed file reaches the device; one with changes of its own is asked, and takes it by Apply', async () => {
    hosted(issueOf('2026-12-01', 10));
    const page = await openPanel(suite.browser, suite.origin, desktop);
    await looked(page);
    await dismiss(page);
    hosted(issueOf('2026-12-05', 12));
    await visitAgain(page);
    assert.match(await messageShown(page, 'the new issue told'), /^Department values: Engine 4, issued 2026-12-05\./);
    await dismiss(page);
    assert.equal(await frictionLossShows(page), 'PSI 54, made with department values, Engine 4');

    // The user's own coefficient, saved in the values box.
    await page.click('#department');
    await page.click(named('mnuDepartmentValues'));
    await page.evaluate(() => {
      const field = document.querySelector('#frmDepartmentValues [data-name="txtEnglish(4)"]');
      field.value = '14';
      field.dispatchEvent(new Event('input', { bubbles: true }));
    });
    await page.click('#frmDepartmentValues [data-name="cmdSave"]');
    assert.match(await keptValues(page), /"english": 14\.0/);

    hosted(issueOf('2026-12-09', 8));
    await visitAgain(page);
    await page.waitFor(() => document.querySelector('#frmImport[open]') !== null, undefined, 'the newer issue offered');
    const changes = await page.evaluate(() => [...document.querySelector('[data-name="lstChanges"]').options].map((o) => o.text));
    assert.equal(changes[0], 'What this device has now is kept aside, not lost');
    await page.click(named('cmdCancel', '#frmImport'));
    assert.equal(await frictionLossShows(page), 'PSI 63, made with department values, Engine 4');
    assert.match(await keptValues(page), /"english": 14\.0/);

    await page.click('#department');
    await page.click(named('mnuTakeIssue'));
    await page.click(named('cmdApply', '#frmImport'));
    assert.match(await messageShown(page, 'the issue taken'), /What this device had is kept in the site's storage, as vardel\.department\.kept\./);
    await dismiss(page);
    assert.equal(await keptValues(page), null);
    assert.equal(await frictionLossShows(page), 'PSI 36, made with department values, Engine 4');
    assert.deepEqual(await page.problems(), []);
    await page.close();
  });

  it('a bad file on the site changes nothing, and is told once', async () => {
    hosted(issueOf('2026-12-01', 10));
    const page = await openPanel(suite.browser, suite.origin, desktop);
    await looked(page);
    await dismiss(page);
    const copy = () => page.evaluate(() => localStorage.getItem('vardel.department.issued'));
    const before = await copy();
    for (const bad of [issueOf('2026-12-05', 155), issueOf('2026-12-05', 12).replace('"version": 2', '"version": 3')]) {
      hosted(bad);
      await visitAgain(page);
      assert.match(await messageShown(page, 'the refusal'), /are refused, and this device keeps what it had\. The file is refused: /);
      await dismiss(page);
      assert.equal(await copy(), before);
      assert.equal(await frictionLossShows(page), 'PSI 45, made with department values, Engine 4');
      await visitAgain(page);
      assert.equal(await noMessage(page), true, 'told once');
    }
    assert.deepEqual(await page.problems(), []);
    await page.close();
  });

  it('a link carries the values to another device, which imports them after the preview', async () => {
    const plain = await startServer(); // the site without a department file
    const sender = await openPanel(suite.browser, plain.origin, desktop);
    await chooseFile(sender, issueOf('2026-12-01', 12));
    await sender.click(named('cmdApply', '#frmImport'));
    await sender.click('#department');
    await sender.click(named('mnuExportLink'));
    assert.equal(await openBox(sender), 'frmExportLink');
    const link = await sender.evaluate(() => document.querySelector('[data-name="txtLink"]').value);
    assert.ok(link.startsWith(`${plain.origin}/#department=`), link);
    await sender.close();

    const phone = await openPanel(suite.browser, plain.origin, desktop, link.slice(plain.origin.length));
    await phone.waitFor(() => document.querySelector('#frmImport[open]') !== null, undefined, 'the import offered');
    assert.equal(await keptValues(phone), null);
    assert.equal(await phone.evaluate(() => location.hash), '');
    await phone.click(named('cmdApply', '#frmImport'));
    assert.match(await keptValues(phone), /"english": 12\.0/);
    assert.equal(await pageTitle(phone), 'Department values: Engine 4');
    assert.deepEqual(await phone.problems(), []);
    await phone.close();
    plain.server.close();
  });
}, { site: freshSite });
