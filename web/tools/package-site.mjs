// Packages the web panel's site: renders the page, the floor page and the
// geometry style sheet (render-site.mjs); bundles the page's modules and the
// engine's glue into one minified script and the style sheets into one
// minified sheet (esbuild), so that the page fetches one of each; copies the
// engine's two parts, the font subset and the pictures (the brand picture as lossless
// WebP, a third smaller than the GIF); writes the manifest; lists and
// versions every file for the service worker; and writes each file's
// pre-compressed copies for the host (precompress.mjs).
//
// Usage: node package-site.mjs --layout layout.json --glue ENGINE.mjs --parts DIR --font FILE
//                              --root SOURCE_DIR --out SITE_DIR
//                              --esbuild PROGRAM --gif2webp PROGRAM --zopfli PROGRAM
//                              [--department FILE]
//
// A department file given is put beside the page under the name the
// layout gives (layout.page.issuedFile), and the page carries the mark that
// it is there; the build checked it first.
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { basename, dirname, join, relative } from 'node:path';
import { parseArgs } from 'node:util';
import { precompress } from './precompress.mjs';
import { renderManifest, renderSite } from './render-site.mjs';

const { values: opt } = parseArgs({
  options: {
    layout: { type: 'string' },
    glue: { type: 'string' },
    parts: { type: 'string' },
    font: { type: 'string' },
    root: { type: 'string' },
    out: { type: 'string' },
    esbuild: { type: 'string', default: 'esbuild' },
    gif2webp: { type: 'string', default: 'gif2webp' },
    department: { type: 'string' },
    zopfli: { type: 'string', default: 'zopfli' },
  },
});
const layout = JSON.parse(readFileSync(opt.layout, 'utf8'));
const web = join(opt.root, 'web', 'site');
const out = opt.out;

const { page, floor, css } = renderSite(layout, readFileSync(join(web, 'index.html'), 'utf8'), {
  largeKeys: readFileSync(join(web, 'large-keys.css'), 'utf8'),
  issued: opt.department !== undefined,
});

rmSync(out, { recursive: true, force: true });
mkdirSync(join(out, 'icons'), { recursive: true });
mkdirSync(join(out, 'fonts'), { recursive: true });
writeFileSync(join(out, 'index.html'), page);
writeFileSync(join(out, 'floor.html'), floor);

// esbuild on one file, or on text given as `input` (with its `loader`).
const esbuild = (args, input) => execFileSync(opt.esbuild, ['--log-level=warning', ...args], { input });

// The style: the hand-written sheet, the one rendered from the layout, then
// the hand-written sheets of the Department menu's boxes and of the working.
const sheet = (name) => readFileSync(join(web, name), 'utf8');
const style = [sheet('vardel.css'), css, sheet('department.css'), sheet('working.css'), sheet('practice.css')].join('\n');
writeFileSync(join(out, 'vardel.css'), esbuild(['--loader=css', '--minify'], style));

// The script: main.js and every module it imports, the engine's glue and
// the page's contract among them, gathered in one folder and bundled.
const modules = join(dirname(out), `${basename(out)}-modules`);
rmSync(modules, { recursive: true, force: true });
mkdirSync(modules);
for (const name of readdirSync(web).filter((file) => file.endsWith('.js') && file !== 'sw.js')) {
  copyFileSync(join(web, name), join(modules, name));
}
copyFileSync(opt.glue, join(modules, 'engine.mjs'));
// What the engine and the page agree on, from the layout: the modules read it here.
writeFileSync(join(modules, 'contract.js'), `export const contract = ${JSON.stringify(layout.page)};\n`);
// The module that compiles the engine stays a file of its own, which the
// page starts first (web/site/engine-code.js).
esbuild([join(modules, 'main.js'), '--bundle', '--format=esm', '--minify', '--external:./engine-code.js',
  `--outfile=${join(out, 'main.js')}`]);
esbuild([join(modules, 'engine-code.js'), '--minify', `--outfile=${join(out, 'engine-code.js')}`]);

// The engine's two parts (web/tools/split-engine.mjs): the first, which the
// page preloads, and the rest, which it fetches once it is ready.
for (const part of ['engine.wasm', 'engine.deferred.wasm']) copyFileSync(join(opt.parts, part), join(out, part));
execFileSync(opt.gif2webp, ['-quiet', '-q', '100', '-m', '6', join(opt.root, 'ui', 'pictures', 'brand.gif'), '-o', join(out, 'brand.webp')]);
copyFileSync(opt.font, join(out, 'fonts', 'liberation-sans-subset.woff2'));
if (opt.department) copyFileSync(opt.department, join(out, layout.page.issuedFile));
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
  .replace("'@ISSUED@'", JSON.stringify(layout.page.issuedFile))
  .replace('[/* FILES */]', JSON.stringify(['./', ...files.map((f) => `./${f}`)]));
writeFileSync(join(out, 'sw.js'), esbuild(['--loader=js', '--minify'], worker));
writeFileSync(join(dirname(out), `${basename(out)}-files.json`), JSON.stringify({ version, files: [...files, 'sw.js'] }, null, 2));

// The copies are the host's, not the site's: the worker keeps what the
// browser decoded, so they are neither listed nor versioned. The
// department's file has none: its administrator replaces it on the server
// without building the site again, and a host would send a stale copy.
const compressed = ['floor.html', ...files, 'sw.js'].filter((path) => path !== layout.page.issuedFile);
const copies = precompress(compressed.map((path) => join(out, path)), opt.zopfli);
console.log(`site ${version}: ${files.length + 1} files in ${out}, ${copies.length} pre-compressed copies`);
