// The browser engines the web panel is tested in, behind one small driver.
// A Browser opens fresh pages at a viewport; a Page loads a URL, evaluates a
// function in the page, clicks and taps at a point, presses keys, takes a
// screenshot and lists the console errors the page logged. Everything else
// the tests need is built on those few operations, once, in Page.
//
//   chromium  Debian's Chromium, headless, through playwright-core
//   firefox   Debian's Firefox ESR, headless, over WebDriver BiDi (puppeteer-core)
//   webkit    WebKitGTK under WebKitWebDriver (W3C WebDriver over HTTP), on an
//             Xvfb server of its own
//
// Every browser runs with a temporary home, configuration and profile, removed
// when it closes: no test reads or writes the user's own. A browser that does
// not start, refuses a command, closes or stops answering ends the test at
// once, with its engine, its version and the command named.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import puppeteer from 'puppeteer-core';

export const engineNames = ['chromium', 'firefox', 'webkit'];

// Why an engine's driver cannot tap, where it cannot: the tests of touch
// skip that engine with this reason.
export const cannotTouch = {
  webkit: 'WebKitWebDriver delivers a touch pointer as mouse events, with no touch or pointer event',
};

// What a page opened with `touch` is, engine by engine. Chromium emulates a
// touch screen per page: touch events, touch pointers, a coarse pointer.
// Firefox's driver makes taps touch pointers but leaves the pointer fine
// (headless: none) and no touch points, so its pages with touch come from a
// second Firefox whose preferences give it a coarse pointer and touch points
// (touchBrowser()). WebKit's driver has mouse events only, and WebKitGTK
// takes its pointer from the X server's devices: a mouse.
export const touchScreens = {
  chromium: { coarse: true, taps: true },
  firefox: { coarse: true, taps: true },
  webkit: { coarse: false, taps: false },
};

// Why an engine cannot show a page in forced colours or with more contrast.
export const cannotEmulateContrast = {
  firefox: 'Firefox over WebDriver BiDi emulates no colour preference for one page',
  webkit: 'WebKitWebDriver emulates no colour preference',
};

// All three, or those named in VARDEL_WEB_ENGINES (e.g. "firefox,webkit").
export function enginesToTest() {
  const asked = process.env.VARDEL_WEB_ENGINES
    ? process.env.VARDEL_WEB_ENGINES.split(',').map((name) => name.trim()).filter(Boolean)
    : engineNames;
  for (const name of asked) {
    if (!engineNames.includes(name)) throw new Error(`unknown engine ${name}: one of ${engineNames.join(', ')}`);
  }
  return asked;
}

// Starts a browser of the engine. Its open(view) gives a fresh page (new
// storage, no service worker) at a viewport { width, height,
// deviceScaleFactor, touch }: CSS pixels, device pixels per CSS pixel (not
// in WebKit, whose window has one), and whether the screen is a touch screen.
// Its touchBrowser() is the browser to open touch-screen pages in (see
// touchScreens). `options.touch` starts a browser for touch screens only.
export async function launch(engine, options = {}) {
  const home = mkdtempSync(join(tmpdir(), `vardel-${engine}-`));
  const env = {
    ...process.env,
    HOME: home,
    XDG_CONFIG_HOME: join(home, 'config'),
    XDG_CACHE_HOME: join(home, 'cache'),
    XDG_DATA_HOME: join(home, 'data'),
  };
  const open = { chromium: ChromiumBrowser, firefox: FirefoxBrowser, webkit: WebKitBrowser }[engine];
  if (!open) throw new Error(`unknown engine ${engine}`);
  const browser = new open(home, options);
  try {
    await browser.start(env);
  } catch (error) {
    await browser.close().catch(() => {});
    throw new Error(`${engine} did not start: ${error.message}`, { cause: error });
  }
  return watched(browser, browser);
}

const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

// How long a browser may take to answer one command: a watchdog for a
// browser that has stopped answering, far above any command's time.
const ANSWER_MS = 120000;

// The browser, or one of its pages, with every command watched: a command
// fails at once, naming the browser's engine and version and the command,
// when the browser has closed, refuses it or gives no answer in ANSWER_MS.
// The pages the browser opens are watched too. Closing is always allowed.
function watched(target, browser) {
  return new Proxy(target, {
    get(object, name, receiver) {
      const value = Reflect.get(object, name);
      if (typeof value !== 'function' || name === 'constructor') return value;
      return (...args) => {
        const what = `${String(name)}(${args.map(shortly).join(', ')})`;
        if (browser.closedBecause && name !== 'close') {
          return Promise.reject(new Error(`${who(browser)} has closed (${browser.closedBecause}): cannot ${what}`));
        }
        const result = value.apply(object, args);
        if (result === object) return receiver;
        if (!(result instanceof Promise)) return result;
        return answered(browser, what, result).then((answer) => (answer instanceof Page ? watched(answer, browser) : answer));
      };
    },
  });
}

const who = (browser) => browser.version ?? browser.name;

function shortly(arg) {
  const text = typeof arg === 'function' ? 'a function' : JSON.stringify(arg) ?? String(arg);
  return text.length > 60 ? `${text.slice(0, 57)}...` : text;
}

async function answered(browser, what, result) {
  let timer;
  const silence = new Promise((_, fail) => {
    timer = setTimeout(() => fail(new Error(`gave no answer in ${ANSWER_MS / 1000} s`)), ANSWER_MS);
  });
  try {
    return await Promise.race([result, silence]);
  } catch (error) {
    if (error.message.startsWith(who(browser))) throw error;
    const why = browser.closedBecause ? `has closed (${browser.closedBecause})` : 'refused';
    throw new Error(`${who(browser)} ${why}: ${what}: ${error.message}`, { cause: error });
  } finally {
    clearTimeout(timer);
  }
}

// What every engine's page offers on top of its few operations.
class Page {
  // The element's box in CSS pixels of the viewport, or null.
  box(selector) {
    return this.evaluate((s) => {
      const element = document.querySelector(s);
      if (!element) return null;
      const { x, y, width, height } = element.getBoundingClientRect();
      return { x, y, width, height };
    }, selector);
  }

  async centreOf(selector) {
    const box = await this.box(selector);
    if (!box) throw new Error(`no element ${selector}`);
    return [box.x + box.width / 2, box.y + box.height / 2];
  }

  async click(selector, options = {}) {
    const [x, y] = await this.centreOf(selector);
    await this.clickAt(x, y, options.button ?? 'left');
  }

  async tap(selector) {
    const [x, y] = await this.centreOf(selector);
    await this.tapAt(x, y);
  }

  // Pressed and held for `ms` without moving, by touch on a touch-screen
  // page, with the mouse elsewhere.
  async longPress(selector, ms = 800) {
    const [x, y] = await this.centreOf(selector);
    await this.holdAt(x, y, ms);
  }

  // Waits until fn(arg) returns a true value in the page, and returns it. A
  // watchdog, not a measure: it fails only a page that never gets there. An
  // evaluation may fail while the page navigates; one whose browser has
  // closed ends the wait.
  async waitFor(fn, arg, what = 'the page') {
    for (let tries = 0; tries < 1500; tries++) {
      const value = await this.evaluate(fn, arg).catch((error) => {
        if (this.browserClosed()) throw error;
        return undefined;
      });
      if (value) return value;
      await sleep(20);
    }
    throw new Error(`gave up waiting for ${what}`);
  }
}

// The key names the tests use, as the key codes of WebDriver, classic and BiDi.
const webdriverKeys = {
  Backspace: '\uE003',
  Enter: '\uE006',
  NumpadEnter: '\uE007',
  Tab: '\uE004',
  Escape: '\uE00C',
  Shift: '\uE008',
  Control: '\uE009',
  Alt: '\uE00A',
  F2: '\uE032',
  F3: '\uE033',
  NumpadMultiply: '\uE024',
  NumpadAdd: '\uE025',
  NumpadSubtract: '\uE027',
  NumpadDivide: '\uE029',
  Equal: '=',
};
const webdriverKey = (name) => {
  const code = webdriverKeys[name] ?? (name.length === 1 ? name : null);
  if (code === null) throw new Error(`no WebDriver key for ${name}`);
  return code;
};

// A page of playwright-core or of puppeteer-core, whose pages answer alike.
class LibraryPage extends Page {
  constructor(context, page, touch, browser) {
    super();
    this.context = context;
    this.page = page;
    this.touch = touch;
    this.browser = browser;
    this.errors = [];
    page.on('console', (message) => {
      if (message.type() === 'error') this.errors.push(`console: ${message.text()}`);
    });
    page.on('pageerror', (error) => this.errors.push(`page error: ${error.message}`));
  }

  goto(url) {
    return this.page.goto(url);
  }
  reload() {
    return this.page.reload();
  }
  evaluate(fn, arg) {
    return this.page.evaluate(fn, arg);
  }
  clickAt(x, y, button) {
    return this.page.mouse.click(x, y, { button });
  }
  tapAt(x, y) {
    return this.page.touchscreen.tap(x, y);
  }
  async holdAt(x, y, ms) {
    await this.page.mouse.move(x, y);
    await this.page.mouse.down();
    await sleep(ms);
    await this.page.mouse.up();
  }
  // Emulates media features: { forcedColors: 'active', contrast: 'more' }.
  emulateMedia(features) {
    return this.page.emulateMedia(features);
  }
  // Key names as playwright's: "Enter", "NumpadEnter", "F2", "Alt+h".
  press(key) {
    return this.page.keyboard.press(key);
  }
  type(text) {
    return this.page.keyboard.type(text);
  }
  screenshot(path, clip) {
    return this.page.screenshot({ path, clip });
  }
  async problems() {
    return [...this.errors];
  }
  async closed() {
    return this.page.isClosed();
  }
  browserClosed() {
    return this.browser.closedBecause;
  }
  close() {
    return this.context.close();
  }
}

// ---- Chromium: playwright-core ------------------------------------------

class ChromiumBrowser {
  name = 'chromium';

  constructor(home) {
    this.home = home;
  }

  async start(env) {
    this.browser = await chromium.launch({
      executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
      headless: true,
      env,
      args: [
        '--no-sandbox', // run as root in CI
        '--disable-background-networking',
        '--disable-component-update',
        '--disable-sync',
        '--no-first-run',
        '--disable-quic',
        '--disable-gpu',
      ],
    });
    this.version = `Chromium ${this.browser.version()}`;
    this.browser.on('disconnected', () => (this.closedBecause ??= 'it ended its connection'));
  }

  async open(view) {
    const context = await this.browser.newContext({
      viewport: { width: view.width, height: view.height },
      deviceScaleFactor: view.deviceScaleFactor ?? 1,
      isMobile: !!view.touch,
      hasTouch: !!view.touch,
    });
    return new ChromiumPage(context, await context.newPage(), !!view.touch, this);
  }

  touchBrowser() {
    return this;
  }

  async close() {
    await this.browser?.close();
    rmSync(this.home, { recursive: true, force: true });
  }
}

// playwright taps but cannot hold a touch; the DevTools protocol can.
class ChromiumPage extends LibraryPage {
  async holdAt(x, y, ms) {
    if (!this.touch) return super.holdAt(x, y, ms);
    const session = await this.context.newCDPSession(this.page);
    await session.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x, y }] });
    await sleep(ms);
    await session.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    await session.detach();
  }
}

// ---- Firefox: WebDriver BiDi through puppeteer-core -------------------------

// What makes a Firefox a touch-screen device: a coarse pointer without
// hover, touch points and touch events.
const firefoxTouchPreferences = {
  'ui.primaryPointerCapabilities': 1,
  'ui.allPointerCapabilities': 1,
  'dom.maxtouchpoints.testing.value': 5,
  'dom.w3c_touch_events.enabled': 1,
};

class FirefoxBrowser {
  name = 'firefox';

  constructor(home, options) {
    this.home = home;
    this.touch = !!options.touch;
  }

  async start(env) {
    this.env = env;
    this.browser = await puppeteer.launch({
      browser: 'firefox',
      executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr',
      headless: true,
      env,
      // A profile of its own under the temporary home.
      userDataDir: join(this.home, 'profile'),
      extraPrefsFirefox: this.touch ? firefoxTouchPreferences : {},
    });
    this.version = `Firefox ${(await this.browser.version()).replace(/^firefox\//, '')}`;
    this.browser.on('disconnected', () => (this.closedBecause ??= 'it ended its connection'));
  }

  // A second Firefox, a touch-screen device from its preferences, started
  // when first asked for and closed with this one.
  async touchBrowser() {
    if (this.touch) return this;
    this.touchOne ??= launch('firefox', { touch: true });
    return this.touchOne;
  }

  async open(view) {
    const context = await this.browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({
      width: view.width,
      height: view.height,
      deviceScaleFactor: view.deviceScaleFactor ?? 1,
      isMobile: !!view.touch,
      hasTouch: !!view.touch,
    });
    return new FirefoxPage(context, page, !!view.touch, this);
  }

  async close() {
    await (await this.touchOne)?.close();
    await this.browser?.close();
    rmSync(this.home, { recursive: true, force: true });
  }
}

class FirefoxPage extends LibraryPage {
  async holdAt(x, y, ms) {
    if (!this.touch) return super.holdAt(x, y, ms);
    await this.page.touchscreen.touchStart(x, y);
    await sleep(ms);
    await this.page.touchscreen.touchEnd();
  }
  emulateMedia() {
    throw new Error(cannotEmulateContrast.firefox);
  }

  // "Alt+h": the modifiers held round the last key. Keys go as WebDriver's
  // codes, which puppeteer passes on as they are: by its own names, Enter
  // would be the numeric keypad's and NumpadEnter unknown.
  async press(chord) {
    const keys = (chord.length > 1 ? chord.split('+') : [chord]).map(webdriverKey);
    const last = keys.pop();
    for (const key of keys) await this.page.keyboard.down(key);
    await this.page.keyboard.press(last);
    for (const key of keys.reverse()) await this.page.keyboard.up(key);
  }
}

// ---- WebKit: WebKitGTK under WebKitWebDriver, W3C WebDriver over HTTP ------

const webkitHost = join(dirname(fileURLToPath(import.meta.url)), 'webkit-host.py');

function freePort() {
  return new Promise((done, fail) => {
    const server = createServer();
    server.once('error', fail);
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => done(port));
    });
  });
}

class WebKitBrowser {
  name = 'webkit';

  constructor(home) {
    this.home = home;
    this.output = ''; // the driver's and browsers' output: the console lines
    this.children = [];
    this.sessions = 0;
  }

  async start(env) {
    // Xvfb picks a free display and writes its number to the given descriptor.
    const xvfb = this.spawn('Xvfb', ['-displayfd', '1', '-screen', '0', '1920x1080x24', '-nolisten', 'tcp'], env);
    const display = await new Promise((done, fail) => {
      let text = '';
      xvfb.stdout.on('data', (chunk) => {
        text += chunk;
        if (text.includes('\n')) done(text.trim());
      });
      xvfb.once('exit', (code) => fail(new Error(`Xvfb exited (${code})`)));
    });
    const port = await freePort();
    const driver = this.spawn('WebKitWebDriver', [`--port=${port}`], { ...env, DISPLAY: `:${display}` });
    driver.once('exit', (code, signal) => (this.closedBecause ??= `WebKitWebDriver ended (${signal ?? code})`));
    for (const stream of [driver.stdout, driver.stderr]) {
      stream.setEncoding('utf8');
      stream.on('data', (chunk) => (this.output += chunk));
    }
    this.base = `http://127.0.0.1:${port}`;
    for (let tries = 0; ; tries++) {
      const status = await fetch(`${this.base}/status`).then((r) => r.json()).catch(() => null);
      if (status?.value?.ready) break;
      if (tries > 1500) throw new Error('WebKitWebDriver did not start in 30 s');
      await sleep(20);
    }
    // The version is the engine's, which the host reports in each session.
    const page = await this.open({ width: 800, height: 600 });
    this.version = `WebKitGTK ${page.capabilities.browserVersion}`;
    await page.close();
  }

  // Children that outlive a test run that failed to close its browser are
  // ended when node exits.
  spawn(command, args, env) {
    const child = spawn(command, args, { env, stdio: ['ignore', 'pipe', 'pipe'] });
    this.children.push(child);
    process.once('exit', () => child.kill());
    return child;
  }

  async command(method, path, body) {
    const response = await fetch(this.base + path, {
      method,
      headers: body ? { 'Content-Type': 'application/json' } : {},
      body: body ? JSON.stringify(body) : undefined,
    });
    const { value } = await response.json();
    if (!response.ok) throw new Error(`WebDriver ${method} ${path}: ${value.error}: ${value.message}`);
    return value;
  }

  // A session per page: a browser with fresh data of its own. The driver
  // holds one session at a time; a page that a failed test left open is
  // closed here.
  async open(view) {
    await this.current?.close();
    const data = join(this.home, `session-${++this.sessions}`);
    const { sessionId, capabilities } = await this.command('POST', '/session', {
      capabilities: {
        alwaysMatch: {
          'webkitgtk:browserOptions': { binary: webkitHost, args: ['--automation', '--data-dir', data] },
        },
      },
    });
    const page = new WebKitPage(this, `/session/${sessionId}`, capabilities);
    this.current = page;
    await page.resize(view.width, view.height);
    return page;
  }

  touchBrowser() {
    return this;
  }

  async close() {
    await this.current?.close();
    // A child ended by a signal has no exit code, and has sent its exit.
    for (const child of this.children.reverse()) {
      if (child.exitCode === null && child.signalCode === null) {
        child.kill();
        await new Promise((done) => child.once('exit', done));
      }
    }
    rmSync(this.home, { recursive: true, force: true, maxRetries: 10 });
  }
}

class WebKitPage extends Page {
  constructor(browser, path, capabilities) {
    super();
    this.browser = browser;
    this.path = path;
    this.capabilities = capabilities;
    this.outputStart = browser.output.length;
    this.marks = 0;
  }

  command(method, path, body) {
    return this.browser.command(method, this.path + path, body);
  }

  // The window has no decorations under a bare X server, but the window's
  // size is set and the viewport measured: they must agree. The page learns
  // of a new size a moment after the window has it, so the viewport is read
  // until it has the size asked for; one that settles at another size (a
  // frame round the viewport) is made up for by the difference.
  async resize(width, height) {
    let asked = { width, height };
    let size;
    for (let attempt = 0; attempt < 3; attempt++) {
      await this.command('POST', '/window/rect', asked);
      size = await this.viewportOnceSettled(width, height);
      if (size[0] === width && size[1] === height) return;
      asked = { width: asked.width + width - size[0], height: asked.height + height - size[1] };
    }
    throw new Error(`${this.browser.name} ${this.browser.version}: the viewport is ${size.join('x')}, not the ${width}x${height} asked for`);
  }

  // The viewport's size as soon as it is width x height, or once it has held
  // still at another size for two seconds.
  async viewportOnceSettled(width, height) {
    let last = '';
    let since = Date.now();
    for (;;) {
      const size = await this.evaluate(() => [innerWidth, innerHeight]);
      if (size[0] === width && size[1] === height) return size;
      if (size.join('x') !== last) {
        last = size.join('x');
        since = Date.now();
      } else if (Date.now() - since > 2000) {
        return size;
      }
      await sleep(20);
    }
  }

  goto(url) {
    return this.command('POST', '/url', { url });
  }
  reload() {
    return this.command('POST', '/refresh', {});
  }
  evaluate(fn, arg) {
    return this.command('POST', '/execute/sync', {
      script: `return (${fn.toString()})(...arguments)`,
      args: arg === undefined ? [] : [arg],
    });
  }
  // A click that closes the window (OFF) ends the action with an error.
  async clickAt(x, y, button) {
    const code = { left: 0, middle: 1, right: 2 }[button];
    await this.pointer('mouse', x, y, code).catch(async (error) => {
      if (!(await this.closed())) throw error;
    });
  }
  tapAt() {
    throw new Error(cannotTouch.webkit);
  }
  // Held by the mouse: the driver has no touch.
  holdAt(x, y, ms) {
    return this.pointer('mouse', x, y, 0, ms);
  }
  emulateMedia() {
    throw new Error(cannotEmulateContrast.webkit);
  }
  pointer(type, x, y, button, holdMs = 0) {
    return this.command('POST', '/actions', {
      actions: [
        {
          type: 'pointer',
          id: type,
          parameters: { pointerType: type },
          actions: [
            { type: 'pointerMove', origin: 'viewport', x: Math.round(x), y: Math.round(y) },
            { type: 'pointerDown', button },
            ...(holdMs ? [{ type: 'pause', duration: holdMs }] : []),
            { type: 'pointerUp', button },
          ],
        },
      ],
    });
  }
  keys(actions) {
    return this.command('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard', actions }] });
  }
  // "Alt+h": the modifiers held round the last key.
  press(chord) {
    const keys = (chord.length > 1 ? chord.split('+') : [chord]).map(webdriverKey);
    return this.keys([
      ...keys.map((value) => ({ type: 'keyDown', value })),
      ...keys.reverse().map((value) => ({ type: 'keyUp', value })),
    ]);
  }
  type(text) {
    return this.keys([...text].flatMap((value) => [{ type: 'keyDown', value }, { type: 'keyUp', value }]));
  }
  async screenshot(path, clip) {
    if (clip) throw new Error('the WebKit driver takes only whole-viewport screenshots');
    writeFileSync(path, Buffer.from(await this.command('GET', '/screenshot'), 'base64'));
  }

  // The browser writes console messages to its output. A marker logged now
  // comes after every message the page logged before it, so once it shows,
  // the list is complete.
  async problems() {
    const mark = `vardel-console-mark-${++this.marks}`;
    const origin = await this.evaluate(() => location.origin);
    await this.evaluate((text) => console.log(text), mark);
    let output = '';
    for (let tries = 0; !output.includes(mark); tries++) {
      if (tries > 3000) throw new Error('the console marker never came, in 30 s');
      await sleep(10);
      output = this.browser.output.slice(this.outputStart);
    }
    return output
      .split('\n')
      .filter((line) => /\bCONSOLE (?:[\w-]+ )?ERROR\b/.test(line) && !WebKitPage.cutShort(line, origin))
      .map((line) => `console: ${line.trim()}`);
  }

  // The page asks its service worker for a new version at every start. When
  // a test loads the page again while that fetch of the page's own sw.js is
  // under way, WebKit reports the fetch it cut short as a failure of access
  // control; a file of the page's own origin can fail no such check, so that
  // line alone is no fault of the page. (An update asked for and awaited
  // before the reload would avoid it, but WebKit's update() does not always
  // settle.)
  static cutShort(line, origin) {
    return line.includes(`Cannot load ${origin}/sw.js due to access control checks.`);
  }

  async closed() {
    return this.command('GET', '/window').then(
      () => false,
      () => true,
    );
  }
  browserClosed() {
    return this.browser.closedBecause;
  }

  async close() {
    // The page may have closed its window, which ends the session.
    await this.command('DELETE', '').catch(() => {});
  }
}
