// One suite of browser tests in each engine of engines.mjs: every test named
// after its engine, the engine launched and the site served before the
// suite, both closed after it.
import { after, before, describe, it } from 'node:test';
import { startServer } from './browser.mjs';
import { enginesToTest, launch } from './engines.mjs';

// body(it, engine, suite) declares the suite's tests; suite.browser and
// suite.origin are set once the suite has begun. `site()`, when given, makes
// the folder to serve and says where it is.
export function inEachEngine(title, body, { site } = {}) {
  for (const engine of enginesToTest()) {
    const suite = {};
    describe(`${engine} ${title}`.trim(), () => {
      before(async () => {
        suite.browser = await launch(engine);
        ({ server: suite.server, origin: suite.origin } = await startServer(site?.()));
      });
      after(async () => {
        await suite.browser?.close();
        suite.server?.close();
      });
      body((name, ...rest) => it(`${engine}: ${name}`, ...rest), engine, suite);
    });
  }
}
