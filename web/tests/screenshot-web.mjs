// The pictures of the web panel in the README, in headless Chromium after a
// friction-loss calculation tapped through: the designed panel in a phone's
// viewport (390 x 844), and the large keys on a smaller phone (360 x 640),
// two device pixels per pixel; the designed panel practising set 4127
// after a miss, in the same phone's viewport; and the Lays box on the first
// phone, with the documented department's wyed lay chosen.
//   node web/tests/screenshot-web.mjs docs
import { join } from 'node:path';
import { arrange, chooseFile, documentedExample, named, openPanel, startServer } from './browser.mjs';
import { launch } from './engines.mjs';

const dir = process.argv[2] || 'docs';
const browser = await launch('chromium');
const { server, origin } = await startServer();
for (const [file, view, large] of [
  ['web-panel.png', { width: 390, height: 844 }, false],
  ['web-large-keys.png', { width: 360, height: 640 }, true],
]) {
  const page = await openPanel(browser, origin, { ...view, deviceScaleFactor: 2, touch: true });
  await arrange(page, large);
  for (const name of [
    'cmdFrictionLoss', 'Command1(1)', 'Command1(5)', 'Command1(0)', 'cmdEnter',
    'cmdOneandThreeQuartersInch', 'cmdEnter', 'cmdEnter',
    'Command1(2)', 'Command1(0)', 'Command1(0)', 'cmdEnter',
  ]) {
    await page.tap(named(name));
  }
  // The window only: the phone's screen may be taller than the panel.
  const box = await page.box('#window');
  await page.screenshot(join(dir, file), { x: 0, y: box.y, width: view.width, height: box.height });
  await page.close();
  console.log(`wrote ${join(dir, file)}`);
}
{
  const view = { width: 390, height: 844 };
  const page = await openPanel(browser, origin, { ...view, deviceScaleFactor: 2, touch: true });
  await arrange(page, false);
  await page.tap('#department');
  await page.tap(named('mnuPractice'));
  await page.click(named('txtSet', '#frmPractice'));
  await page.press('Backspace');
  await page.type('4127');
  await page.press('Enter');
  for (const answer of ['75', '70']) {
    await page.type(answer);
    await page.press('Enter');
  }
  const box = await page.box('#window');
  const file = join(dir, 'web-practice.png');
  await page.screenshot(file, { x: 0, y: box.y, width: view.width, height: box.height });
  await page.close();
  console.log(`wrote ${file}`);
}

const phone = { width: 390, height: 844, deviceScaleFactor: 2, touch: true };
const page = await openPanel(browser, origin, phone);
await chooseFile(page, documentedExample());
await page.tap(named('cmdApply', '#frmImport'));
await page.tap('#department');
await page.tap(named('mnuLays'));
await page.evaluate(() => {
  const saved = document.querySelector('#frmLays [data-name="lstSavedLays"]');
  saved.selectedIndex = 1; // the wyed lay
  saved.dispatchEvent(new Event('change', { bubbles: true }));
});
await page.screenshot(join(dir, 'web-lays.png'), { x: 0, y: 0, width: phone.width, height: phone.height });
await page.close();
console.log(`wrote ${join(dir, 'web-lays.png')}`);
await browser.close();
server.close();
