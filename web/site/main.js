// Starts the web panel: the markup stands (written from the panel's rows);
// the engine's first part is loaded and given the page's panel; then the
// menus, the boxes and the keys are wired and the window's load step runs;
// once the panel is ready, the engine's rest follows (engine-rest.js).
import createEngine from './engine.mjs';
import { engineCode } from './engine-code.js';
import { installArrangement } from './arrangement.js';
import { Boxes } from './boxes.js';
import { Commands } from './commands.js';
import { contract } from './contract.js';
import { Dialogs } from './dialogs.js';
import { engineCalls } from './engine-calls.js';
import { EngineRest } from './engine-rest.js';
import { installKeys } from './keys.js';
import { Menus } from './menus.js';
import { PagePanel } from './panel.js';
import { SiteStorage } from './storage.js';

// The start-up's steps, for make bench-web: the script runs, the engine
// runs, the panel is ready.
performance.mark('script');

// A version of the site fetched on an earlier visit waits in its own cache.
// It takes over at the start, before anything is shown, and the page starts
// again from it, so that this visit runs the new version whole. Should it
// not take over soon, this visit runs the version it was loaded from: the
// calculator must always open.
async function takeWaitingVersion() {
  if (!('serviceWorker' in navigator) || !navigator.serviceWorker.controller) return false;
  const registration = await navigator.serviceWorker.getRegistration();
  if (!registration || !registration.waiting) return false;
  const changed = new Promise((done) =>
    navigator.serviceWorker.addEventListener('controllerchange', () => done(true), { once: true }),
  );
  registration.waiting.postMessage('take-over');
  const tookOver = await Promise.race([changed, new Promise((done) => setTimeout(() => done(false), 3000))]);
  if (tookOver) window.location.reload();
  return tookOver;
}

// Once every file of the site is kept for offline use, the page says so, in
// a quiet line, on the visit that kept them: never again on this device.
const OFFLINE_TOLD = 'vardel-offline-told';
function tellOffline(doc, registration, keptBefore) {
  let told = keptBefore;
  try {
    told ||= localStorage.getItem(OFFLINE_TOLD) === '1';
  } catch {
    // storage refused: the line shows on each first visit of a session
  }
  if (told) return;
  navigator.serviceWorker.ready.then(() => {
    if (!registration.active) return;
    doc.getElementById('offline').hidden = false;
    try {
      localStorage.setItem(OFFLINE_TOLD, '1');
    } catch {
      // told for this visit only
    }
  });
}

// A link that carries department values (in the address's fragment, which
// no server sees) offers their import once the engine's rest, which reads
// the file, has arrived; the fragment then leaves the address, so that a
// reload does not offer them again.
function openLink(engine, rest) {
  const fragment = location.hash;
  if (!fragment) return;
  rest.load().then((arrived) => {
    if (arrived && engine.linkOpened(fragment)) history.replaceState(null, '', location.pathname + location.search);
  });
}

// The department's file beside the page, where the site has one (its head
// says so): fetched once the panel is ready (the service worker asks the
// network first and answers from its cache offline) and handed to the
// engine's rest, which reads it and decides what the device does with it.
// Waiting for the rest holds no key: the calculator works meanwhile from
// the values this device kept.
function fetchIssued(engine, rest) {
  const file = document.querySelector('meta[name="vardel-issued"]')?.content;
  const fetched = file ? fetch(file, { cache: 'no-cache' }) : Promise.resolve(null);
  fetched
    .then((response) => (response?.ok ? response.text() : null))
    .then(async (text) => {
      if (text !== null && (await rest.load())) engine.issueArrived(text);
    })
    .catch(() => {})
    .finally(() => {
      document.body.dataset.issued = 'looked';
    });
}

// The script runs as soon as it arrives (the page loads it async): the
// markup may still be parsing, and the style sheet may still be on its way.
function parsed(doc) {
  if (doc.readyState !== 'loading') return Promise.resolve();
  return new Promise((done) => doc.addEventListener('DOMContentLoaded', done, { once: true }));
}
function styled(doc) {
  const sheet = doc.querySelector('link[rel="stylesheet"]');
  if (!sheet || sheet.sheet) return Promise.resolve();
  return new Promise((done) => {
    sheet.addEventListener('load', done, { once: true });
    sheet.addEventListener('error', done, { once: true });
  });
}

async function start() {
  await parsed(document);
  const arrangement = installArrangement(document);
  // A waiting version is looked for while the engine starts: nothing is
  // shown before the engine's first draw.
  const newVersion = takeWaitingVersion();
  const dialogs = new Dialogs(document);
  const panel = new PagePanel(document, dialogs);
  // The engine reads the department's values as it starts, through the panel.
  panel.storage = new SiteStorage([contract.storageKey, contract.issuedKey]);
  panel.boxes = new Boxes(document);
  const rest = new EngineRest();
  const module = await createEngine({
    panel,
    instantiateWasm(imports, instantiated) {
      engineCode.then((code) => WebAssembly.instantiate(code, imports)).then((instance) => instantiated(instance));
      return {};
    },
    loadSplitModule: (file, imports, slot) => rest.loadSplitModule(file, imports, slot),
  });
  performance.mark('engine');
  if (await newVersion) return;
  const engine = engineCalls(module);
  rest.use(module.asm, engine);
  panel.boxes.connect(engine);
  // Another tab saved: the rest reads the values again, or reads them as
  // it starts.
  panel.storage.watch(() => (rest.attached ? engine.reload() : rest.load()));
  const commands = new Commands(document, engine, dialogs, rest);
  const menus = new Menus(document, engine, rest, (item) => commands.run(item));
  installKeys(document, { engine, dialogs, boxes: panel.boxes, menus, commands, arrangement, rest });
  // The engine is whole once its rest has arrived (for make bench-web and
  // the tests), before ready or after.
  rest.whenSettled(() => {
    if (!rest.attached || document.body.dataset.whole) return;
    performance.mark('whole');
    document.body.dataset.whole = '1';
  });
  // A file is kept that only the rest's full reader can read or refuse: the
  // rest starts before the first key, so that no result misses the values.
  if (!engine.start() && !(await rest.load())) engine.restMissing();
  // The first key in the tab order has the focus when the window opens.
  // Focusing lays the page out: once, with its style.
  await styled(document);
  const first = document.querySelector('#panel button.key:not([disabled]):not([hidden])');
  if (first) first.focus({ preventScroll: true });
  performance.mark('ready');
  document.body.dataset.ready = '1';
  // The rest of the engine, when the browser has nothing else to do; a link
  // or the site's department file asks for it at once.
  (window.requestIdleCallback ?? setTimeout)(() => rest.load());
  openLink(engine, rest);
  fetchIssued(engine, rest);
  // Registering again checks for a new version of the site, which the
  // browser fetches whole, in the background, for the next visit.
  if ('serviceWorker' in navigator) {
    const keptBefore = navigator.serviceWorker.controller !== null;
    navigator.serviceWorker
      .register('sw.js')
      .then((registration) => {
        tellOffline(document, registration, keptBefore);
        return registration.update();
      })
      .catch(() => {});
  }
}

start();
