// The picture of the web panel in the README: a phone-sized viewport (390 x
// 844, two device pixels per pixel) in headless Chromium, after a
// friction-loss calculation tapped through.
//   node web/tests/screenshot-web.mjs docs/web-panel.png
import { named, openPanel, phone, startServer } from './browser.mjs';
import { launch } from './engines.mjs';

const out = process.argv[2] || 'docs/web-panel.png';
const browser = await launch('chromium');
const { server, origin } = await startServer();
const page = await openPanel(browser, origin, { ...phone, deviceScaleFactor: 2 });
for (const name of [
  'cmdFrictionLoss', 'Command1(1)', 'Command1(5)', 'Command1(0)', 'cmdEnter',
  'cmdOneandThreeQuartersInch', 'cmdEnter', 'cmdEnter',
  'Command1(2)', 'Command1(0)', 'Command1(0)', 'cmdEnter',
]) {
  await page.tap(named(name));
}
// The window only: the phone's screen is taller than the panel.
const box = await page.box('#window');
await page.screenshot(out, { x: 0, y: box.y, width: phone.width, height: box.height });
await browser.close();
server.close();
console.log(`wrote ${out}`);
