// Packages the web panel's site: renders the page, the floor page and the
// geometry style sheet (render-site.mjs), copies the engine, the font subset,
// the pictures and the site's own files, writes the manifest, and lists and
// versions every file for the service worker.
//
// Usage: node package-site.mjs --layout layout.json --engine DIR --font FILE
//                              --root SOURCE_DIR --out SITE_DIR
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { dirname, join, relative } from 'node:path';
import { parseArgs } from 'node:util';
import { renderManifest, renderSite } from './render-site.mjs';

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

const { page, floor, css } = renderSite(layout, readFileSync(join(web, 'index.html'), 'utf8'), {
  largeKeys: readFileSync(join(web, 'large-keys.css'), 'utf8'),
});

rmSync(out, { recursive: true, force: true });
mkdirSync(join(out, 'icons'), { recursive: true });
mkdirSync(join(out, 'fonts'), { recursive: true });
writeFileSync(join(out, 'index.html'), page);
writeFileSync(join(out, 'panel.css'), css);
writeFileSync(join(out, 'floor.html'), floor);

for (const name of readdirSync(web)) {
  if (['index.html', 'sw.js', 'manifest.webmanifest', 'large-keys.css'].includes(name)) continue;
  copyFileSync(join(web, name), join(out, name));
}
copyFileSync(join(opt.engine, 'engine.mjs'), join(out, 'engine.mjs'));
copyFileSync(join(opt.engine, 'engine.wasm'), join(out, 'engine.wasm'));
copyFileSync(join(opt.root, 'ui', 'pictures', 'brand.gif'), join(out, 'brand.gif'));
copyFileSync(opt.font, join(out, 'fonts', 'liberation-sans-subset.woff2'));
copyFileSync('/usr/share/doc/fonts-liberation/copyright', join(out, 'fonts', 'LICENSE-LiberationSans.txt'));

// The icons: the window's own at 32 pixels, and the desktop's larger ones.
const icons = { 32: join(opt.root, 'ui', 'pictures', 'icon.png') };
for (const size of [48, 64, 128, 256]) {
  icons[size] = join(opt.root, 'packaging', 'icons', 'hicolor', `${size}x${size}`, 'apps', `${layout.appId}.png`);
}
for (const [size, from] of Object.entries(icons)) copyFileSync(from, join(out, 'icons', `vardel-${size}.png`));

const manifest = renderManifest(
  layout,
  JSON.parse(readFileSync(join(web, 'manifest.webmanifest'), 'utf8')),
  Object.keys(icons).map(Number),
);
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
