// The large-key arrangement of the web panel: the same controls as the
// designed panel, laid out in a grid that fills the screen, so that every key
// is large enough for a gloved finger on a phone. The controls keep their
// markup, names, captions, colours and tab order; only the style sheet moves
// them. Pure: the layout in, style rules out.
//
// The arrangement is written below as rows of design names, in three blocks:
// the display's row, the function and hose keys, and the keypad. In portrait
// the blocks stand one under the other; in landscape the function and hose
// keys take the left half, the display and the keypad the right. A row is
// shared out evenly; "name*n" takes n shares of it.

const displayRows = [['text1*4', 'cmdOff']];
const upperRows = [
  ['cmdEnginePressure', 'cmdStraightTipFR', 'cmdfognozzleFR', 'cmdApplicRate', 'cmdClearDisplay'],
  ['cmdFrictionLoss', 'cmdStraightTipRF', 'cmdFogNozzleRF', 'cmdEnglishMetric', 'cmdAllClear'],
  ['cmdEnter*2', 'cmdThreeQuartersInch', 'cmdOneInch'],
  ['cmdOneAndAQuarterInch', 'cmdOneandHalfInch', 'cmdOneandThreeQuartersInch', 'cmdTwoInch'],
  ['cmdTwoandAHalfInch', 'cmd3Times2andHalfInch', 'cmdThreeInch', 'cmdThreeAndAHalfInch'],
  ['cmdFourInch', 'cmdFourandHalfInch', 'cmdFiveInch', 'cmdSixInch'],
];
const keypadRows = [
  ['cmdSqRoot', 'Command1(7)', 'Command1(8)', 'Command1(9)', 'command2(2)'],
  ['cmdSquared', 'Command1(4)', 'Command1(5)', 'Command1(6)', 'command2(3)'],
  ['cmdPercent', 'Command1(1)', 'Command1(2)', 'Command1(3)', 'command2(1)'],
  ['cmdPosNeq', 'Command1(0)', 'Command1(10)', 'command2(4)', 'command2(0)'],
];

// Columns of one block: a multiple of every row's number of shares.
const COLUMNS = 20;

// The selector that holds while the large keys are in force; the page adds
// the class when the user chooses them (web/site/arrangement.js). The style
// sheet also applies every rule by default on a small touch screen.
export const LARGE = ':root.large-keys';
const BY_DEFAULT = ':root:not(.designed-keys)';

// Cells of one block's rows: { name: [row, column, rows, columns] }, from row
// `top` and column `left` (both counted from 1), each row `height` grid rows.
function blockCells(rows, top, left, height = 1) {
  const cells = {};
  rows.forEach((row, r) => {
    const entries = row.map((entry) => {
      const [name, shares] = entry.split('*');
      return { name, shares: Number(shares ?? 1) };
    });
    const total = entries.reduce((sum, e) => sum + e.shares, 0);
    if (COLUMNS % total) throw new Error(`a row of ${total} shares does not divide ${COLUMNS} columns`);
    let column = left;
    for (const { name, shares } of entries) {
      if (cells[name]) throw new Error(`${name} stands twice in the large-key arrangement`);
      const span = (shares * COLUMNS) / total;
      cells[name] = [top + r * height, column, height, span];
      column += span;
    }
  });
  return cells;
}

// The grid of each orientation: its size and every arranged name's cell.
export function arrangements() {
  const upper = upperRows.length;
  const keypad = keypadRows.length;
  if (upper <= keypad) throw new Error('landscape gives the display the rows the keypad leaves');
  return {
    portrait: {
      columns: COLUMNS,
      rows: displayRows.length + upper + keypad,
      cells: {
        ...blockCells(displayRows, 1, 1),
        ...blockCells(upperRows, 1 + displayRows.length, 1),
        ...blockCells(keypadRows, 1 + displayRows.length + upper, 1),
      },
    },
    landscape: {
      columns: 2 * COLUMNS,
      rows: upper,
      cells: {
        ...blockCells(upperRows, 1, 1),
        ...blockCells(displayRows, 1, COLUMNS + 1, (upper - keypad) / displayRows.length),
        ...blockCells(keypadRows, 1 + upper - keypad, COLUMNS + 1),
      },
    },
  };
}

const absolute = (row, controls) => {
  const parent = row.parent ? controls.find((c) => c.name === row.parent).rect : { left: 0, top: 0 };
  return { ...row.rect, left: row.rect.left + parent.left, top: row.rect.top + parent.top };
};
const inside = (a, b) =>
  a.left >= b.left && a.top >= b.top && a.left + a.width <= b.left + b.width && a.top + a.height <= b.top + b.height;

// Where each control of the panel goes in one grid: keys by the table, a
// frame over its keys (its own grid lines those of the panel), a control
// designed within another (the indicator on the display) over that one, and
// a label designed on top of a key of its width (a hose key's metric size)
// over that key. Controls with no place (the picture, the lines, a heading
// that names no one key) are not shown.
function place(layout, cells) {
  const controls = layout.controls.filter((c) => c.visible);
  const byName = Object.fromEntries(controls.map((c) => [c.name, c]));
  for (const name of Object.keys(cells)) {
    if (!byName[name]) throw new Error(`the large-key arrangement names ${name}, which the panel lacks`);
  }
  const placed = {};
  for (const row of controls) {
    if (row.kind === 'key' && !cells[row.name]) throw new Error(`the key ${row.name} has no large key`);
    if (cells[row.name]) placed[row.name] = { cell: cells[row.name], how: 'key' };
  }
  for (const frame of controls.filter((c) => c.kind === 'frame')) {
    const keys = controls.filter((c) => c.parent === frame.name && placed[c.name]);
    if (keys.length === 0) continue;
    const r0 = Math.min(...keys.map((k) => placed[k.name].cell[0]));
    const c0 = Math.min(...keys.map((k) => placed[k.name].cell[1]));
    const r1 = Math.max(...keys.map((k) => placed[k.name].cell[0] + placed[k.name].cell[2]));
    const c1 = Math.max(...keys.map((k) => placed[k.name].cell[1] + placed[k.name].cell[3]));
    placed[frame.name] = { cell: [r0, c0, r1 - r0, c1 - c0], how: 'frame' };
    for (const key of keys) {
      const [r, c, h, w] = placed[key.name].cell;
      placed[key.name].cell = [r - r0 + 1, c - c0 + 1, h, w];
    }
    const heading = controls.find((c) => c.parent === frame.name && c.kind === 'label');
    if (heading) placed[heading.name] = { cell: [1, 1, r1 - r0, c1 - c0], how: 'over' };
  }
  const keys = controls.filter((c) => c.kind === 'key' && placed[c.name]);
  for (const row of controls) {
    if (placed[row.name] || row.kind === 'line' || row.kind === 'image' || row.parent) continue;
    const at = absolute(row, layout.controls);
    const host =
      controls.find((c) => c !== row && !c.parent && placed[c.name]?.how === 'key' && inside(at, c.rect)) ??
      keys.find((k) => {
        const key = absolute(k, layout.controls);
        return !k.parent && key.left === at.left && key.width === at.width && key.top > at.top && key.top <= at.top + at.height;
      });
    if (host) placed[row.name] = { cell: placed[host.name].cell, how: 'over' };
  }
  return placed;
}

const area = ([row, column, rows, columns]) => `grid-area:${row}/${column}/${row + rows}/${column + columns}`;

// The style rules of the large keys: the hand-written sheet (`sheet`, every
// selector beginning with LARGE) and the grid placed from the layout, in
// force where the page chose them, and by default on a touch screen where
// the designed panel would draw a key smaller than a finger. Returns the
// rules and that media query.
export function renderLargeKeys(layout, sheet) {
  const grids = arrangements();
  const id = Object.fromEntries(layout.controls.map((c) => [c.name, `#c${c.row}`]));
  // The scale of captions and lines: a keypad key's designed face fills its
  // large key in one direction (100cqw and 100cqh are the panel's size).
  const unit = layout.controls.find((c) => c.name === keypadRows[0][0]).rect;
  const rules = [];
  for (const [orientation, grid] of Object.entries(grids)) {
    const placed = place(layout, grid.cells);
    const across = grid.columns / (COLUMNS / keypadRows[0].length);
    const lines = [
      `${LARGE} #panel{grid-template-columns:repeat(${grid.columns},minmax(0,1fr));` +
        `grid-template-rows:repeat(${grid.rows},minmax(0,1fr));` +
        `--u:min(calc(((100cqw + var(--gap)) / ${across} - var(--gap)) / ${unit.width}),` +
        `calc(((100cqh + var(--gap)) / ${grid.rows} - var(--gap)) / ${unit.height}))}`,
    ];
    for (const row of layout.controls) {
      const at = placed[row.name];
      lines.push(`${LARGE} ${id[row.name]}{${at ? area(at.cell) : 'display:none'}}`);
    }
    const display = layout.controls.find((c) => c.kind === 'label' && c.border);
    // The mark beside a result (DEPT, PRACTICE) stands in the display's cell,
    // as it stands inside the display on the designed panel.
    if (layout.mark) lines.push(`${LARGE} #c${layout.mark.row}{${area(placed[display.name].cell)}}`);
    // The display keeps its designed proportion of text to width, so that
    // the longest number fits whatever share of the row it has.
    const [, , , span] = placed[display.name].cell;
    const width = `(100cqw * ${span} / ${grid.columns})`;
    const points = display.font.points * layout.twips.perPoint;
    lines.push(
      `${LARGE} ${id[display.name]}{font-size:min(calc(var(--u) * ${points}),calc(${width} * ${points / display.rect.width}))}`,
    );
    rules.push(`@media (orientation:${orientation}){\n${lines.join('\n')}\n}`);
  }
  const keys = layout.controls.filter((c) => c.kind === 'key' && c.visible);
  const smallest = Math.min(...keys.flatMap((k) => [k.rect.width, k.rect.height]));
  // The smallest a key may be drawn for a finger, in CSS pixels.
  const finger = layout.page.fingerPixels;
  const widest = (finger * layout.client.width) / smallest;
  const tallest = (finger * (layout.client.height + layout.twips.menuBar)) / smallest;
  const coarse = '(pointer:coarse)';
  const query = `${coarse} and (max-width:${widest.toFixed(1)}px),${coarse} and (max-height:${tallest.toFixed(1)}px)`;
  const chosen = `${sheet.trim()}\n${rules.join('\n')}`;
  for (const [, list] of chosen.replace(/\/\*[\s\S]*?\*\//g, '').matchAll(/(?:^|[{}])\s*([^{}@]+)\{/g)) {
    for (const selector of list.split(',')) {
      if (!selector.trim().startsWith(LARGE)) throw new Error(`a large-key rule for ${selector.trim()}`);
    }
  }
  const css = `${chosen}\n@media ${query}{\n${chosen.replaceAll(LARGE, BY_DEFAULT)}\n}\n`;
  return { css, query };
}
