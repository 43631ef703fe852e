// Builds the web panel's site: the page's markup and its geometry style sheet
// from the layout table (layout.json, written from the same rows as the Qt
// window), the engine, the font subset, the pictures, the manifest and the
// service worker with the list and version of every file.
//
// Usage: node build-site.mjs --layout layout.json --engine DIR --font FILE
//                            --root SOURCE_DIR --out SITE_DIR
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { dirname, join, relative } from 'node:path';
import { parseArgs } from 'node:util';
import { menuBarTwips, twipsPerPoint } from '../site/geometry.js';
import { pagePolicy } from './policy.mjs';

const { values: opt } = parseArgs({
  options: {
    layout: { type: 'string' },
    engine: { type: 'string' },
    font: { type: 'string' },
    root: { type: 'string' },
    out: { type: 'string' },
  },
});
const layout = JSON.parse(readFileSync(opt.layout, 'utf8'));
const web = join(opt.root, 'web', 'site');
const out = opt.out;

const escapeHtml = (text) =>
  text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');

// A length in twips, scaled by the page's --u (CSS pixels per twip).
const u = (twips) => `calc(var(--u) * ${twips})`;
const id = (row) => `c${row.row}`;

// ---- The panel's markup and geometry ------------------------------------

const rules = [];

function rectRule(selector, rect, extra = '') {
  rules.push(
    `${selector}{left:${u(rect.left)};top:${u(rect.top)};` +
      `width:${u(rect.width)};height:${u(rect.height)};${extra}}`,
  );
}

function fontRule(font) {
  return `font-size:${u(font.points * twipsPerPoint)};`;
}

// A one-pixel line covers both of its end points; its thickness is one
// designed pixel at the panel's scale, never less than one CSS pixel.
function lineRule(row) {
  const { x1, y1, x2, y2 } = row.line;
  const left = Math.min(x1, x2);
  const top = Math.min(y1, y2);
  rules.push(
    `#${id(row)}{left:${u(left)};top:${u(top)};` +
      `width:calc(var(--u) * ${Math.abs(x2 - x1)} + var(--px));` +
      `height:calc(var(--u) * ${Math.abs(y2 - y1)} + var(--px))}`,
  );
}

function colours(row) {
  let css = '';
  if (row.back) css += `background-color:${row.back};`;
  if (row.fore) css += `color:${row.fore};`;
  return css;
}

// The heading label of a frame names its group for a screen reader.
function headingOf(frame) {
  return layout.controls.find((c) => c.parent === frame.name && c.kind === 'label');
}

function element(row) {
  const common = `id="${id(row)}" data-name="${escapeHtml(row.name)}"`;
  const caption = escapeHtml(row.caption);
  switch (row.kind) {
    case 'key': {
      rectRule(`#${id(row)}`, row.rect, fontRule(row.font) + colours(row));
      const attrs = [
        common,
        `type="button"`,
        `data-row="${row.row}"`,
        `class="key ${row.key}"`,
        `aria-label="${escapeHtml(row.spoken)}"`,
      ];
      if (!row.enabled) attrs.push('disabled');
      if (!row.visible) attrs.push('hidden');
      return `<button ${attrs.join(' ')}>${caption}</button>`;
    }
    case 'label': {
      const align = `text-align:${row.align};`;
      rectRule(`#${id(row)}`, row.rect, fontRule(row.font) + colours(row) + align);
      if (row.border) {
        // The display: its text is the calculator's output, announced as it changes.
        return `<div ${common} class="label display" role="status" aria-live="polite" aria-atomic="true">${caption}</div>`;
      }
      return `<div ${common} class="label">${caption}</div>`;
    }
    case 'textbox':
      rectRule(`#${id(row)}`, row.rect, fontRule(row.font) + colours(row));
      return `<input ${common} class="indicator" type="text" value="${caption}" disabled tabindex="-1" aria-label="${escapeHtml(row.spoken)}">`;
    case 'frame': {
      rectRule(`#${id(row)}`, row.rect);
      const heading = headingOf(row);
      const named = heading ? ` aria-labelledby="${id(heading)}"` : '';
      const children = inTabOrder(row.name).map(element).join('\n');
      return `<div ${common} class="frame" role="group"${named}>\n${children}\n</div>`;
    }
    case 'image':
      rectRule(`#${id(row)}`, row.rect);
      return `<img ${common} class="image" src="brand.gif" alt="" draggable="false">`;
    case 'line':
      lineRule(row);
      return `<div ${common} class="line"></div>`;
    default:
      throw new Error(`unknown control kind ${row.kind}`);
  }
}

// The controls of one container in the designed tab order, which is also the
// order in which a screen reader reads them; lines and images (no tab index)
// come first.
function inTabOrder(parent) {
  return layout.controls
    .filter((c) => c.parent === parent)
    .sort((a, b) => a.tab - b.tab || a.row - b.row);
}

// "&Help" shows "Help" with the H underlined; the letter is the access key.
function menuCaption(caption) {
  const at = caption.indexOf('&');
  if (at < 0) return { html: escapeHtml(caption), key: '' };
  const key = caption[at + 1];
  return {
    html: escapeHtml(caption.slice(0, at)) + `<u>${escapeHtml(key)}</u>` + escapeHtml(caption.slice(at + 2)),
    key: key.toLowerCase(),
  };
}

const help = menuCaption(layout.menu.caption);
const about = menuCaption(layout.menu.item.caption);
const menuBar = `<div class="menubar" role="menubar">
<button type="button" id="help" data-name="${layout.menu.name}" role="menuitem" aria-haspopup="menu" aria-expanded="false" aria-controls="help-menu" data-access-key="${help.key}" tabindex="-1">${help.html}</button>
<div id="help-menu" class="menu" role="menu" aria-labelledby="help" hidden>
<button type="button" id="about-item" data-name="${layout.menu.item.name}" role="menuitem" data-access-key="${about.key}" tabindex="-1">${about.html}</button>
</div>
</div>`;

// The display's context menu (right click, or a long press on a touch
// screen): one item, which reviews the inputs of the result shown.
const displayMenu = `<div id="display-menu" class="menu" role="menu" data-name="${layout.displayMenu.name}" hidden>
<button type="button" id="review-item" data-name="${layout.displayMenu.item.name}" role="menuitem" tabindex="-1">${layout.displayMenu.item.caption}</button>
</div>`;

const panel = `<div id="panel" class="panel">\n${inTabOrder('').map(element).join('\n')}\n</div>`;

// ---- The dialogs ----------------------------------------------------------

const a = layout.about;
function aboutRule(name, place) {
  rules.push(
    `#about [data-name="${name}"]{left:${ua(place.left)};top:${ua(place.top)};` +
      `width:${ua(place.width)};height:${ua(place.height)}}`,
  );
}
function ua(twips) {
  return `calc(var(--ua) * ${twips})`;
}
rules.push(`#about .client{width:${ua(a.width)};height:${ua(a.height)}}`);
aboutRule('Image1', a.icon);
aboutRule('lblTitle', a.lblTitle);
aboutRule('lblVersion', a.lblVersion);
aboutRule('lblDescription', a.lblDescription);
aboutRule('lblDisclaimer', a.lblDisclaimer);
aboutRule('cmdOK', a.cmdOK);
a.rules.forEach((r, i) => {
  rules.push(
    `#about .rule${i}{left:${ua(r.line.x1)};top:${ua(r.line.y1)};` +
      `width:calc(var(--ua) * ${r.line.x2 - r.line.x1} + var(--pxa));` +
      `height:calc(var(--pxa) * ${r.thickness});background:${r.colour}}`,
  );
});

const aboutBox = `<dialog id="about" data-name="frmAbout" aria-labelledby="about-title" data-app-title="${escapeHtml(layout.title)}" data-version="${escapeHtml(layout.version)}" data-title-prefix="${escapeHtml(a.titlePrefix)}" data-version-prefix="${escapeHtml(a.versionPrefix)}">
<div class="titlebar" id="about-title" data-name="title"></div>
<div class="client">
<img data-name="Image1" src="icons/vardel-32.png" alt="Program icon" draggable="false">
<div data-name="lblTitle" id="about-lblTitle"></div>
<div data-name="lblVersion"></div>
<div data-name="lblDescription">${escapeHtml(a.description)}</div>
<div class="rule rule0" data-name="Line1(1)"></div>
<div class="rule rule1" data-name="Line1(0)"></div>
<div data-name="lblDisclaimer">${escapeHtml(a.disclaimer)}</div>
<button type="button" data-name="cmdOK" autofocus>${escapeHtml(a.ok)}</button>
</div>
</dialog>`;

const messageBox = `<dialog id="message" class="message" data-name="msgbox" aria-labelledby="message-title" aria-describedby="message-text">
<div class="titlebar" id="message-title" data-name="title"></div>
<div class="client">
<p id="message-text" data-name="message"></p>
<button type="button" data-name="OK" autofocus>OK</button>
</div>
</dialog>`;

// ---- The pages --------------------------------------------------------------

rules.unshift(
  `:root{--client-width:${layout.client.width};--client-height:${layout.client.height};` +
    `--menu-height:${menuBarTwips};--about-width:${a.width};--about-height:${a.height}}`,
  `.window,.menubar,.menu,dialog{font-size:${u(layout.windowFont.points * twipsPerPoint)}}`,
  `.menubar{height:${u(menuBarTwips)}}`,
  `#panel{width:${u(layout.client.width)};height:${u(layout.client.height)}}`,
  `dialog{font-size:${ua(layout.windowFont.points * twipsPerPoint)}}`,
);

const template = readFileSync(join(web, 'index.html'), 'utf8');
const body = `<div class="window" id="window">\n${menuBar}\n${panel}\n${displayMenu}\n</div>\n${messageBox}\n${aboutBox}`;
let page = template;
for (const [marker, text] of [
  ['<!-- PANEL -->', body],
  ['@CONTENT_SECURITY_POLICY@', escapeHtml(pagePolicy)],
]) {
  if (!page.includes(marker)) throw new Error(`index.html has no ${marker} marker`);
  page = page.replace(marker, () => text);
}

rmSync(out, { recursive: true, force: true });
mkdirSync(join(out, 'icons'), { recursive: true });
mkdirSync(join(out, 'fonts'), { recursive: true });

writeFileSync(join(out, 'index.html'), page);
writeFileSync(join(out, 'panel.css'), rules.join('\n') + '\n');
// The floor of the start-up benchmark: the same panel and style, no script.
writeFileSync(
  join(out, 'floor.html'),
  page
    .replace(/<script[^>]*><\/script>\n?/g, '')
    .replace(/<link rel="(modulepreload|preload)" href="(engine|panel|keys|dialogs)[^>]*>\n?/g, '')
    .replace(/<link rel="manifest"[^>]*>\n?/, ''),
);

// ---- Files --------------------------------------------------------------

for (const name of readdirSync(web)) {
  if (name === 'index.html' || name === 'sw.js' || name === 'manifest.webmanifest') continue;
  copyFileSync(join(web, name), join(out, name));
}
copyFileSync(join(opt.engine, 'engine.mjs'), join(out, 'engine.mjs'));
copyFileSync(join(opt.engine, 'engine.wasm'), join(out, 'engine.wasm'));
copyFileSync(join(opt.root, 'ui', 'pictures', 'brand.gif'), join(out, 'brand.gif'));
copyFileSync(opt.font, join(out, 'fonts', 'liberation-sans-subset.woff2'));
copyFileSync('/usr/share/doc/fonts-liberation/copyright', join(out, 'fonts', 'LICENSE-LiberationSans.txt'));

const icons = [{ size: 32, from: join(opt.root, 'ui', 'pictures', 'icon.png') }];
for (const size of [48, 64, 128, 256]) {
  icons.push({
    size,
    from: join(opt.root, 'packaging', 'icons', 'hicolor', `${size}x${size}`, 'apps', 'org.vardel.Vardel.png'),
  });
}
for (const icon of icons) copyFileSync(icon.from, join(out, 'icons', `vardel-${icon.size}.png`));

const manifest = JSON.parse(readFileSync(join(web, 'manifest.webmanifest'), 'utf8'));
manifest.name = layout.title;
manifest.short_name = layout.title;
manifest.icons = icons.map((icon) => ({
  src: `icons/vardel-${icon.size}.png`,
  sizes: `${icon.size}x${icon.size}`,
  type: 'image/png',
}));
writeFileSync(join(out, 'manifest.webmanifest'), JSON.stringify(manifest, null, 2) + '\n');

// ---- The service worker: every file of the site, under one version -------

function filesUnder(dir) {
  return readdirSync(dir, { withFileTypes: true }).flatMap((entry) =>
    entry.isDirectory() ? filesUnder(join(dir, entry.name)) : [join(dir, entry.name)],
  );
}
const files = filesUnder(out)
  .map((path) => relative(out, path).split('\\').join('/'))
  .filter((path) => path !== 'floor.html')
  .sort();
const hash = createHash('sha256');
for (const path of files) hash.update(path).update('\0').update(readFileSync(join(out, path)));
const version = hash.digest('hex').slice(0, 16);
const worker = readFileSync(join(web, 'sw.js'), 'utf8')
  .replace("'@VERSION@'", JSON.stringify(version))
  .replace('[/* FILES */]', JSON.stringify(['./', ...files.map((f) => `./${f}`)]));
writeFileSync(join(out, 'sw.js'), worker);
writeFileSync(join(dirname(out), 'site-files.json'), JSON.stringify({ version, files: [...files, 'sw.js'] }, null, 2));
console.log(`site ${version}: ${files.length + 1} files in ${out}`);
