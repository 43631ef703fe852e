// The web panel's markup and geometry style sheet, rendered from the panel as
// data (layout.json, written from the same rows as the Qt window). Pure: the
// layout and the page's template in, the page, the floor page and the style
// sheet out; nothing is read or written here (web/tools/package-site.mjs
// does that).
import { renderLargeKeys } from './large-keys.mjs';
import { pagePolicy } from './security-policy.mjs';

export const escapeHtml = (text) =>
  text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');

// "&Help" shows "Help" with the H underlined; the letter is the access key.
export function menuCaption(caption) {
  const at = caption.indexOf('&');
  if (at < 0) return { html: escapeHtml(caption), key: '' };
  const key = caption[at + 1];
  return {
    html: escapeHtml(caption.slice(0, at)) + `<u>${escapeHtml(key)}</u>` + escapeHtml(caption.slice(at + 2)),
    key: key.toLowerCase(),
  };
}

// The controls of one container in the designed tab order, which is also the
// order in which a screen reader reads them; lines and images (no tab index)
// come first.
export function inTabOrder(controls, parent) {
  return controls.filter((c) => c.parent === parent).sort((a, b) => a.tab - b.tab || a.row - b.row);
}

// A length in twips at the scale `unit` (a CSS variable of CSS pixels per
// twip: --u for the panel, --ua for the boxes).
const at = (unit, twips) => `calc(var(${unit}) * ${twips})`;

// A line covers both of its end points; across, it is `thickness` designed
// pixels at the scale, each never less than one CSS pixel (`pixel`).
function lineBox(line, thickness, unit, pixel) {
  const { x1, y1, x2, y2 } = line;
  const across = `calc(var(${pixel}) * ${thickness})`;
  const along = (a, b) => `calc(var(${unit}) * ${Math.abs(b - a)} + var(${pixel}))`;
  return (
    `left:${at(unit, Math.min(x1, x2))};top:${at(unit, Math.min(y1, y2))};` +
    `width:${y1 === y2 ? along(x1, x2) : across};height:${y1 === y2 ? across : along(y1, y2)}`
  );
}

const rectBox = (rect, unit) =>
  `left:${at(unit, rect.left)};top:${at(unit, rect.top)};width:${at(unit, rect.width)};height:${at(unit, rect.height)}`;

function colours(row) {
  let css = '';
  if (row.back) css += `background-color:${row.back};`;
  if (row.fore) css += `${row.kind === 'line' ? 'background-color' : 'color'}:${row.fore};`;
  return css;
}

const pictures = { brand: 'brand.webp', icon: 'icons/vardel-32.png' };

// The main window's panel: every row an element placed by its id.
function renderPanel(layout, rules) {
  const id = (row) => `c${row.row}`;
  const fontRule = (font) => `font-size:${at('--u', font.points * layout.twips.perPoint)};`;
  const place = (row, extra = '') => rules.push(`#${id(row)}{${rectBox(row.rect, '--u')};${extra}}`);
  // The heading label of a frame names its group for a screen reader.
  const headingOf = (frame) => layout.controls.find((c) => c.parent === frame.name && c.kind === 'label');

  function element(row) {
    const common = `id="${id(row)}" data-name="${escapeHtml(row.name)}"`;
    const caption = escapeHtml(row.caption);
    switch (row.kind) {
      case 'key': {
        place(row, fontRule(row.font) + colours(row));
        const attrs = [common, `type="button"`, `data-row="${row.row}"`, `class="key ${row.key}"`];
        attrs.push(`aria-label="${escapeHtml(row.spoken)}"`);
        if (row.startUp) attrs.push('data-start-up');
        if (!row.enabled) attrs.push('disabled');
        if (!row.visible) attrs.push('hidden');
        return `<button ${attrs.join(' ')}>${caption}</button>`;
      }
      case 'label': {
        place(row, fontRule(row.font) + colours(row) + `text-align:${row.align};`);
        if (row.border) {
          // The display: its text is the calculator's output, announced as it changes.
          return `<div ${common} class="label display" role="status" aria-live="polite" aria-atomic="true">${caption}</div>`;
        }
        return `<div ${common} class="label">${caption}</div>`;
      }
      case 'textbox': {
        place(row, fontRule(row.font) + colours(row));
        // The indicator's value is not announced as it changes; a live
        // region beside it says the change in words ("Unit system M, metric").
        const spoken = escapeHtml(JSON.stringify(layout.unitsSpoken));
        return (
          `<input ${common} class="indicator" type="text" value="${caption}" disabled tabindex="-1" aria-label="${escapeHtml(row.spoken)}">\n` +
          `<div id="units-spoken" class="spoken" role="status" aria-live="polite" data-spoken="${spoken}"></div>`
        );
      }
      case 'frame': {
        place(row);
        const heading = headingOf(row);
        const named = heading ? ` aria-labelledby="${id(heading)}"` : '';
        const children = inTabOrder(layout.controls, row.name).map(element).join('\n');
        return `<div ${common} class="frame" role="group"${named}>\n${children}\n</div>`;
      }
      case 'image':
        // Fetched only where it is drawn: the large keys show no picture.
        place(row);
        return `<img ${common} class="image" src="${pictures[row.picture]}" alt="" draggable="false" loading="lazy">`;
      case 'line':
        rules.push(`#${id(row)}{${lineBox(row.line, row.thickness, '--u', '--px')};${colours(row)}}`);
        return `<div ${common} class="line"></div>`;
      default:
        throw new Error(`unknown control kind ${row.kind}`);
    }
  }
  // The mark beside a result made with department values: drawn, never
  // read out on its own (the display's live text carries it in words).
  let mark = '';
  if (layout.mark) {
    const row = layout.mark;
    place(row, fontRule(row.font) + colours(row) + `text-align:${row.align};`);
    mark = `\n<div id="${id(row)}" data-name="${escapeHtml(row.name)}" class="label mark" aria-hidden="true" hidden></div>`;
  }
  return `<div id="panel" class="panel">\n${inTabOrder(layout.controls, '').map(element).join('\n')}${mark}\n</div>`;
}

// A box drawn from its rows inside a modal dialog with a title bar: the
// About box at the boxes' scale (--ua), each of the menus' boxes at a scale
// of its own (--ub): the panel's, as wide as the panel, so that it fits a
// phone too, or less where the box would be taller than the screen or wider
// than it with its border. A menu's box carries its family's class (the
// Department menu's, the working's). The first field, list or text takes the
// focus as the box opens, else the cancel key; the menus' keys say which is
// the default key, which the cancel key and which hands its work to the
// page (data-output), for boxes.js. The first text describes the box.
const aboutScale = { unit: '--ua', pixel: '--pxa', kind: 'box', keyRoles: false };
const menuBoxScale = (box) => ({ unit: '--ub', pixel: '--pxb', kind: `box menu-box ${box.family}`, keyRoles: true });
function renderDialog(dialog, rules, scale = aboutScale, titleBar = 0) {
  const scope = `#${dialog.name}`;
  const { unit, pixel } = scale;
  if (unit === '--ub') {
    rules.push(
      `${scope}{--ub:min(var(--u), calc(var(--vh) * 0.96 / ${dialog.height + titleBar}), calc((100vw - 8px) / ${dialog.width}));` +
        `--pxb:max(1px, calc(var(--ub) * var(--twips-per-pixel)))}`,
    );
  }
  rules.push(`${scope} .client{width:${at(unit, dialog.width)};height:${at(unit, dialog.height)}}`);
  const focused = dialog.controls.find((row) => ['field', 'list', 'text'].includes(row.kind)) ??
    dialog.controls.find((row) => row.closesBox);
  // The first text is what the box says to a screen reader.
  const described = dialog.controls.find((row) => row.kind === 'text');
  const idOf = (row) => `${dialog.name}-${row.name}`;
  const elements = dialog.controls.map((row) => {
    const name = `data-name="${escapeHtml(row.name)}"`;
    const selector = `${scope} [data-name="${row.name}"]`;
    const autofocus = row === focused ? ' autofocus' : '';
    const spoken = `aria-label="${escapeHtml(row.spoken ?? '')}"`;
    if (row.kind === 'line') {
      rules.push(`${selector}{${lineBox(row.line, row.thickness, unit, pixel)};${colours(row)}}`);
      return `<div class="rule" ${name}></div>`;
    }
    rules.push(`${selector}{${rectBox(row.rect, unit)}}`);
    const caption = escapeHtml(row.caption);
    switch (row.kind) {
      case 'image':
        return `<img ${name} src="${pictures[row.picture]}" alt="${escapeHtml(row.spoken)}" draggable="false">`;
      case 'label':
        return `<div ${name}${row.wrap ? ' class="wrap"' : ''}>${caption}</div>`;
      case 'key': {
        const role = scale.keyRoles ? (row.defaultKey ? ' data-default' : '') + (row.closesBox ? ' data-cancel' : '') : '';
        const output = row.output ? ` data-output="${row.output}"` : '';
        return `<button type="button" ${name}${role}${output}${autofocus}>${caption}</button>`;
      }
      case 'text':
        return `<textarea id="${idOf(row)}" ${name} ${spoken} class="text" readonly spellcheck="false"${autofocus}></textarea>`;
      case 'grid':
        return `<div ${name} ${spoken} class="grid" role="region" tabindex="0"></div>`;
      case 'field':
        return `<input type="text" ${name} ${spoken} autocomplete="off" autocapitalize="off" spellcheck="false"${autofocus}>`;
      case 'list':
        return `<select ${name} ${spoken}${row.dropDown ? '' : ' size="6"'}${autofocus}></select>`;
      default:
        throw new Error(`a box holds no ${row.kind}`);
    }
  });
  const describedBy = described ? ` aria-describedby="${idOf(described)}"` : '';
  return `<dialog id="${dialog.name}" class="${scale.kind}" data-name="${dialog.name}" aria-labelledby="${dialog.name}-title"${describedBy}>
<div class="titlebar" id="${dialog.name}-title" data-name="title">${escapeHtml(dialog.title)}</div>
<div class="client">
${elements.join('\n')}
</div>
</dialog>`;
}

// The practice strip below the panel, at the panel's scale (--u): the
// problem, the verdict and the score in a live region that a screen reader
// says as it changes, and the key that leaves practice. Hidden while
// practice is off; the window grows by its height while it shows
// (:root.practising, practice.css).
function renderPracticeStrip(strip, rules) {
  if (!strip) return '';
  const scope = `#${strip.name}`;
  rules.push(`:root{--practice-height:${strip.height}}`);
  rules.push(`${scope}{width:${at('--u', strip.width)};height:${at('--u', strip.height)}}`);
  const elements = strip.controls.map((row) => {
    rules.push(`${scope} [data-name="${row.name}"]{${rectBox(row.rect, '--u')}}`);
    const name = `data-name="${escapeHtml(row.name)}"`;
    if (row.kind === 'text') {
      return `<div ${name} class="text" role="status" aria-live="polite" aria-atomic="true" tabindex="0"></div>`;
    }
    if (row.kind === 'key') return `<button type="button" ${name}>${escapeHtml(row.caption)}</button>`;
    throw new Error(`the practice strip holds no ${row.kind}`);
  });
  return `<section id="${strip.name}" class="practice" data-name="${strip.name}" aria-label="${escapeHtml(strip.title)}" hidden>
${elements.join('\n')}
</section>`;
}

// A menu's item: its caption with its access key, the command it runs,
// its shortcut, and the file its command asks for (what the page's file
// input accepts and how much of a file it reads, or the name and type of a
// file saved), for menus.js and commands.js.
function renderItem(item) {
  const caption = menuCaption(item.caption);
  const attrs = ['type="button"', `data-name="${item.name}"`, `data-command="${item.command}"`];
  attrs.push(item.checkable ? 'role="menuitemcheckbox" aria-checked="false"' : 'role="menuitem"');
  if (caption.key) attrs.push(`data-access-key="${caption.key}"`);
  if (item.shortcut) attrs.push(`data-shortcut="${escapeHtml(item.shortcut)}"`);
  const file = item.file ?? {};
  if (file.accept) attrs.push(`data-accept="${escapeHtml(file.accept)}" data-read-at-most="${file.readAtMost}"`);
  if (file.name) attrs.push(`data-file-name="${escapeHtml(file.name)}" data-file-type="${escapeHtml(file.type)}"`);
  attrs.push('tabindex="-1"');
  return `<button ${attrs.join(' ')}>${caption.html}</button>`;
}

// The id a menu goes by in the page: its name without "mnu", in small
// letters ("department", "help", "display"); its list's id adds "-menu".
const menuId = (menu) => menu.name.replace(/^mnu/, '').toLowerCase();

// A menu of the menu bar: its title, then its items.
function renderMenu(menu) {
  const id = menuId(menu);
  const top = menuCaption(menu.caption);
  return `<button type="button" id="${id}" data-name="${menu.name}" role="menuitem" aria-haspopup="menu" aria-expanded="false" aria-controls="${id}-menu" data-access-key="${top.key}" tabindex="-1">${top.html}</button>
<div id="${id}-menu" class="menu" role="menu" aria-labelledby="${id}" hidden>
${menu.items.map(renderItem).join('\n')}
</div>
`;
}

// The menu bar: the Department menu where there is one, the Help menu, then
// the items given (`more`, markup).
function renderMenuBar(menu, departmentMenu, more = '') {
  const menus = departmentMenu ? [departmentMenu, menu] : [menu];
  return `<div class="menubar" role="menubar">
${menus.map(renderMenu).join('')}${more}</div>`;
}

// The menu bar's switch between the large keys and the designed panel, which
// the device remembers; `query` is when the large keys are the default.
function renderArrangementItem(query) {
  const caption = menuCaption('&Large keys');
  return `<button type="button" id="large-keys-item" data-name="mnuLargeKeys" role="menuitemcheckbox" aria-checked="false" data-access-key="${caption.key}" data-default-when="${escapeHtml(query)}" tabindex="-1">${caption.html}</button>\n`;
}

// The quiet line that says, once, that the calculator now works offline.
const offlineLine = '<p id="offline" class="offline" role="status" hidden>Works offline now</p>';

// The display's context menu (right click, or a long press on a touch
// screen): the review of the result shown, then its working.
function renderDisplayMenu(menu) {
  return `<div id="${menuId(menu)}-menu" class="menu" role="menu" data-name="${menu.name}" hidden>
${menu.items.map(renderItem).join('\n')}
</div>`;
}

function renderMessageBox(box) {
  // An alert dialog described by its message: a screen reader says the text
  // as the box opens, not only the OK key that takes the focus.
  return `<dialog id="message" class="message" data-name="${box.name}" role="alertdialog" aria-labelledby="message-title" aria-describedby="message-text">
<div class="titlebar" id="message-title" data-name="title"></div>
<div class="client">
<p id="message-text" data-name="message"></p>
<button type="button" data-name="OK" autofocus>${escapeHtml(box.ok)}</button>
</div>
</dialog>`;
}

// The sizes and colours that the hand-written style sheet (vardel.css) draws
// with, as custom properties.
function rootRule(layout) {
  const c = layout.colours;
  const t = layout.twips;
  return (
    `:root{--client-width:${layout.client.width};--client-height:${layout.client.height};` +
    `--menu-height:${t.menuBar};--title-height:${t.titleBar};--twips-per-pixel:${t.perPixel};` +
    `--about-width:${layout.about.width};--about-height:${layout.about.height};` +
    `--face:${c.controlFace};--light-blue:${c.lightBlue};--light-yellow:${c.lightYellow};--outline:${c.outline};` +
    `--bevel-light:${c.bevelLight};--bevel-shadow:${c.bevelShadow};--text:${c.black}` +
    (layout.page ? `;--finger:${layout.page.fingerPixels}px}` : '}')
  );
}

// The mark in the page's head of a site with a department file beside the
// page (layout.page.issuedFile): the page fetches that file only where the
// site has one, so that no other site asks for it in vain.
export const issuedMeta = (layout) => `<meta name="vardel-issued" content="${escapeHtml(layout.page.issuedFile)}">`;

// Renders the page from its template (web/site/index.html), which holds the
// marker <!-- PANEL --> and the placeholders @TITLE@, @POLICY@ and @THEME@.
// With `largeKeys` (the hand-written large-key sheet, web/site/large-keys.css)
// the page offers the large-key arrangement too; with `issued` it carries the
// mark of a department file beside it. Returns the page, the floor page (the
// same panel and style, no script: the start-up benchmark's floor) and the
// style rendered from the layout (the package puts it in vardel.css).
export function renderSite(layout, template, { largeKeys, issued = false } = {}) {
  const rules = [];
  const windowFont = layout.windowFont.points * layout.twips.perPoint;
  const panel = renderPanel(layout, rules);
  const large = largeKeys === undefined ? null : renderLargeKeys(layout, largeKeys);
  const menuBar = renderMenuBar(layout.menu, layout.departmentMenu, large ? renderArrangementItem(large.query) : '');
  const body =
    `<div class="window" id="window">\n${menuBar}\n${offlineLine}\n${panel}\n` +
    `${renderPracticeStrip(layout.practiceStrip, rules)}\n` +
    `${renderDisplayMenu(layout.displayMenu)}\n</div>\n${renderMessageBox(layout.messageBox)}\n` +
    renderDialog(layout.about, rules) +
    (layout.boxes ?? [])
      .map((box) => '\n' + renderDialog(box, rules, menuBoxScale(box), layout.twips.titleBar))
      .join('');
  rules.unshift(
    rootRule(layout),
    `.window,.menubar,.menu{font-size:${at('--u', windowFont)}}`,
    `.menubar{height:${at('--u', layout.twips.menuBar)}}`,
    `#panel{width:${at('--u', layout.client.width)};height:${at('--u', layout.client.height)}}`,
    `dialog{font-size:${at('--ua', windowFont)}}`,
  );
  if (layout.boxes) {
    rules.push(
      `dialog.menu-box{font-size:${at('--ub', windowFont)}}`,
      `dialog.menu-box .titlebar{height:${at('--ub', layout.twips.titleBar)};line-height:${at('--ub', layout.twips.titleBar)}}`,
    );
  }

  if (!template.includes('<!-- PANEL -->')) throw new Error('index.html has no <!-- PANEL --> marker');
  const page = template
    .replace('<!-- PANEL -->', body)
    .replaceAll('@TITLE@', escapeHtml(layout.title))
    .replaceAll('@POLICY@', escapeHtml(pagePolicy))
    .replaceAll('@THEME@', layout.colours.lightBlue.toLowerCase())
    .replace('</head>', issued ? `${issuedMeta(layout)}\n</head>` : '</head>');
  const floor = page
    .replace(/<script[^>]*><\/script>\n?/g, '')
    .replace(/<link rel="(modulepreload|preload)" href="(engine|main)[^>]*>\n?/g, '')
    .replace(/<link rel="manifest"[^>]*>\n?/, '');
  return { page, floor, css: rules.join('\n') + '\n' + (large ? large.css : '') };
}

// The web app manifest: the template's fields, the product's title and
// description, the panel's colours and the icons given.
export function renderManifest(layout, template, iconSizes) {
  return {
    ...template,
    name: layout.title,
    short_name: layout.title,
    description: layout.description,
    background_color: layout.colours.controlFace.toLowerCase(),
    theme_color: layout.colours.lightBlue.toLowerCase(),
    icons: iconSizes.map((size) => ({ src: `icons/vardel-${size}.png`, sizes: `${size}x${size}`, type: 'image/png' })),
  };
}
