// The site's renderer under node, without a browser: a small made-up layout
// in, markup and style out.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';
import { readFileSync } from 'node:fs';
import { arrangements, renderLargeKeys } from '../tools/large-keys.mjs';
import { menuCaption, renderManifest, renderSite } from '../tools/render-site.mjs';
import { readLayout } from './browser.mjs';
import { headerPolicy, pagePolicy } from '../tools/security-policy.mjs';

const font = { face: 'Arial', points: 9 };
const row = (r, fields) => ({ row: r, parent: '', caption: '', font, tab: -1, enabled: true, visible: true, ...fields });
const layout = {
  title: 'Calc & Co',
  version: '1.2.3',
  description: 'A test',
  client: { width: 300, height: 600 },
  windowFont: font,
  twips: { perPixel: 15, perPoint: 20, menuBar: 285, titleBar: 285 },
  colours: {
    lightBlue: '#C0C0FF', lightYellow: '#FFFF80', white: '#FFFFFF', black: '#000000',
    outline: '#404040', bevelLight: '#FFFFFF', bevelShadow: '#808080', controlFace: '#EFEFEF',
  },
  menu: { name: 'mnuHelp', caption: '&Help', items: [{ name: 'mnuAbout', caption: '&About it' }] },
  displayMenu: {
    name: 'mnuDisplay', caption: '',
    items: [{ name: 'mnuReview', caption: 'Review <all>' }, { name: 'mnuShow', caption: 'Show' }],
  },
  messageBox: { name: 'msgbox', ok: 'OK' },
  about: {
    name: 'frmAbout', title: 'About Calc & Co', width: 900, height: 450,
    controls: [
      row(0, { name: 'lblNote', kind: 'label', caption: 'a <b>', rect: { left: 15, top: 30, width: 300, height: 60 }, wrap: true }),
      row(1, { name: 'Line1(0)', kind: 'line', line: { x1: 0, y1: 150, x2: 900, y2: 150 }, thickness: 2, fore: '#FFFFFF' }),
      row(2, { name: 'cmdOK', kind: 'key', caption: 'OK', rect: { left: 600, top: 300, width: 150, height: 60 }, closesBox: true }),
    ],
  },
  boxes: [{
    name: 'frmShow', title: 'Show', width: 900, height: 450, family: 'working',
    controls: [
      row(0, { name: 'cmdCopy', kind: 'key', caption: 'Copy', rect: { left: 15, top: 300, width: 150, height: 60 }, tab: 2, output: 'copy' }),
      row(1, { name: 'txtShown', kind: 'text', rect: { left: 15, top: 15, width: 300, height: 60 }, tab: 1, spoken: 'Shown' }),
      row(2, { name: 'grdShown', kind: 'grid', rect: { left: 15, top: 90, width: 300, height: 60 }, tab: 0, spoken: 'Table' }),
    ],
  }],
  controls: [
    row(0, { name: 'frmeA', kind: 'frame', rect: { left: 30, top: 30, width: 150, height: 150 }, tab: 2 }),
    row(1, { name: 'cmdGo', kind: 'key', key: 'function', parent: 'frmeA', caption: 'GO', rect: { left: 15, top: 15, width: 60, height: 30 }, tab: 3, enabled: false, startUp: true, back: '#C0C0FF', spoken: 'Go' }),
    row(2, { name: 'Command1(1)', kind: 'key', key: 'digit', caption: '1', rect: { left: 15, top: 300, width: 60, height: 30 }, tab: 1, spoken: 'One' }),
    row(3, { name: 'CmdOn', kind: 'key', key: 'function', caption: 'ON', rect: { left: 0, top: 0, width: 15, height: 15 }, tab: 0, enabled: false, visible: false, spoken: 'On' }),
    row(4, { name: 'Line2', kind: 'line', line: { x1: 30, y1: 450, x2: 30, y2: 30 }, thickness: 1 }),
  ],
};
const template = '<title>@TITLE@</title><meta content="@POLICY@"><meta content="@THEME@">\n<!-- PANEL -->\n<script type="module" src="main.js"></script>';

describe('renderer', () => {
  const { page, floor, css } = renderSite(layout, template);

  it('writes each key in tab order, by its design name, with its states', () => {
    const names = [...page.matchAll(/data-name="([^"]+)" type="button" data-row/g)].map((m) => m[1]);
    assert.deepEqual(names.slice(0, 3), ['CmdOn', 'Command1(1)', 'cmdGo']);
    assert.match(page, /data-name="cmdGo"[^>]*data-start-up disabled>GO</);
    assert.match(page, /data-name="CmdOn"[^>]*disabled hidden>/);
    assert.match(page, /data-name="frmeA"[\s\S]*data-name="cmdGo"[\s\S]*<\/div>/, 'a key inside its frame');
  });

  it('places controls in twips at the page scale; lines cover both ends and their thickness', () => {
    assert.match(css, /#c2\{left:calc\(var\(--u\) \* 15\);top:calc\(var\(--u\) \* 300\);/);
    assert.match(css, /#c4\{left:calc\(var\(--u\) \* 30\);top:calc\(var\(--u\) \* 30\);width:calc\(var\(--px\) \* 1\);height:calc\(var\(--u\) \* 420 \+ var\(--px\)\)/);
    assert.match(css, /#frmAbout \[data-name="Line1\(0\)"\]\{[^}]*height:calc\(var\(--pxa\) \* 2\);background-color:#FFFFFF/);
    assert.match(css, /--twips-per-pixel:15;/);
    assert.match(css, /--face:#EFEFEF;--light-blue:#C0C0FF;/);
  });

  it('writes the boxes, the menus and the facts escaped, and the floor without script', () => {
    assert.match(page, /<title>Calc &amp; Co<\/title>/);
    assert.match(page, /id="frmAbout-title" data-name="title">About Calc &amp; Co</);
    assert.match(page, /<div data-name="lblNote" class="wrap">a &lt;b&gt;<\/div>/);
    assert.match(page, /<button type="button" data-name="cmdOK" autofocus>OK<\/button>/);
    assert.match(page, />Review &lt;all&gt;</);
    assert.ok(page.includes(`content="${pagePolicy}"`));
    assert.match(page, /content="#c0c0ff"/);
    assert.doesNotMatch(floor, /<script/);
    assert.throws(() => renderSite(layout, '<body></body>'), /PANEL/);
  });

  it('writes a box\'s text read-only, focused and describing the box; its grid; a key that hands its work to the page', () => {
    assert.match(page, /<dialog id="frmShow" class="box menu-box working"[^>]* aria-describedby="frmShow-txtShown">/);
    assert.match(page, /<textarea id="frmShow-txtShown" data-name="txtShown" aria-label="Shown" class="text" readonly[^>]* autofocus>/);
    assert.match(page, /<div data-name="grdShown" aria-label="Table" class="grid" role="region" tabindex="0">/);
    assert.match(page, /data-name="cmdCopy" data-output="copy">Copy</);
    assert.match(page, /data-name="mnuReview"[^>]*>Review &lt;all&gt;<\/button>\n<button[^>]*data-name="mnuShow"/);
  });

  it('underlines a menu caption\'s access key', () => {
    assert.deepEqual(menuCaption('&Help'), { html: '<u>H</u>elp', key: 'h' });
    assert.deepEqual(menuCaption('Review'), { html: 'Review', key: '' });
  });

  it('fills the manifest from the facts and the colours', () => {
    const manifest = renderManifest(layout, { display: 'standalone' }, [32, 256]);
    assert.equal(manifest.name, 'Calc & Co');
    assert.equal(manifest.description, 'A test');
    assert.equal(manifest.theme_color, '#c0c0ff');
    assert.equal(manifest.background_color, '#efefef');
    assert.deepEqual(manifest.icons.map((i) => i.sizes), ['32x32', '256x256']);
  });

  it('keeps the page to its own files, and the server adds frame-ancestors', () => {
    assert.match(pagePolicy, /default-src 'self'/);
    assert.doesNotMatch(pagePolicy, /'unsafe-eval'|'unsafe-inline'|\*|frame-ancestors/);
    assert.equal(headerPolicy, `${pagePolicy}; frame-ancestors 'none'`);
  });
});

// Whether a media query holds on a screen { width, height, pointer }: a list
// split by commas, of features joined by "and"; only the features the large
// keys use are known here.
function holds(query, screen) {
  return query.split(',').some((part) =>
    part.split(' and ').every((feature) => {
      const [, name, value] = feature.trim().match(/^\(([\w-]+):([^)]+)\)$/) ?? [];
      if (name === 'pointer') return screen.pointer === value;
      if (name === 'max-width') return screen.width <= parseFloat(value);
      if (name === 'max-height') return screen.height <= parseFloat(value);
      throw new Error(`a feature this test does not know: ${feature}`);
    }),
  );
}

describe('large keys', () => {
  const panel = readLayout();
  const sheet = readFileSync(new URL('../site/large-keys.css', import.meta.url), 'utf8');

  it('give every key one cell of its own in each orientation, within the grid', () => {
    for (const grid of Object.values(arrangements())) {
      const taken = new Set();
      for (const [name, [row, column, rows, columns]] of Object.entries(grid.cells)) {
        assert.ok(row + rows - 1 <= grid.rows && column + columns - 1 <= grid.columns, name);
        for (let r = row; r < row + rows; r++) {
          for (let c = column; c < column + columns; c++) {
            assert.ok(!taken.has(`${r},${c}`), `${name} overlaps at ${r},${c}`);
            taken.add(`${r},${c}`);
          }
        }
      }
    }
  });

  it('hold by default exactly on a touch screen where the designed panel draws a key under a finger', () => {
    const { css, query } = renderLargeKeys(panel, sheet);
    assert.ok(css.includes(`@media ${query}{`));
    const keys = panel.controls.filter((c) => c.kind === 'key' && c.visible);
    const smallest = Math.min(...keys.flatMap((k) => [k.rect.width, k.rect.height]));
    for (let width = 240; width <= 2560; width += 20) {
      for (let height = 240; height <= 2560; height += 20) {
        // The designed panel fits the screen on its binding side, menu bar included.
        const scale = Math.min(width / panel.client.width, height / (panel.client.height + panel.twips.menuBar));
        const drawn = smallest * scale;
        if (Math.abs(drawn - 44) < 0.5) continue;
        assert.equal(holds(query, { width, height, pointer: 'coarse' }), drawn < 44, `${width}x${height} by touch`);
        assert.equal(holds(query, { width, height, pointer: 'fine' }), false, `${width}x${height} by mouse`);
      }
    }
  });

  it('stop the build for a key left out or a rule outside the large keys', () => {
    const extra = { ...panel.controls.find((c) => c.name === 'Command1(5)'), name: 'cmdNew', row: 999 };
    assert.throws(() => renderLargeKeys({ ...panel, controls: [...panel.controls, extra] }, sheet), /cmdNew has no large key/);
    assert.throws(() => renderLargeKeys(panel, `${sheet}\n.key { color: red }`), /large-key rule for \.key/);
  });

  // Only large-keys.css is applied by default on a touch screen too: a
  // large-key rule in another sheet would hold only when chosen.
  it('are written in their own sheet alone', () => {
    for (const name of ['vardel.css', 'department.css', 'working.css', 'practice.css']) {
      const other = readFileSync(new URL(`../site/${name}`, import.meta.url), 'utf8');
      assert.ok(!other.replace(/\/\*[\s\S]*?\*\//g, '').includes('.large-keys'), name);
    }
  });
});
