// The menus' boxes in the web panel: every box the engine opens (the
// Department menu's, the working's), drawn from the records it hands back
// (web/shown_records.h) and handed each typed field, chosen row and key.
// The engine decides everything through the same desks as the desktop's;
// a key that hands its work to the page (data-output) copies the engine's
// text to the clipboard or prints the box's page, which the page keeps
// drawn while the box is open so that the browser prints it alone (the
// print style sheet in working.css).
import { contract } from './contract.js';

const { record, unit, group } = contract.separators;

// The engine's records: per control its name, text, placeholder, chosen
// row, enabled, a grid's cells per row and its marked cells, then its rows.
export function parseRecords(shown) {
  if (!shown) return [];
  return shown.split(record).map((each) => {
    const [fields, ...items] = each.split(group);
    const [name, text, placeholder, selected, enabled, columns, marked] = fields.split(unit);
    return {
      name, text, placeholder, items,
      selected: Number(selected),
      enabled: enabled === '1',
      columns: Number(columns || 0),
      marked: new Set(marked ? marked.split(',').map(Number) : []),
    };
  });
}

// A grid's table: its first row the column headings, each further row
// headed by its first cell; marked cells carry the class "marked". A table
// with columns of words (a card's: `words` of them, first) has no row
// headings, and its cells of words carry the class "words".
function table(doc, grid, words = 0) {
  const element = doc.createElement('table');
  if (!grid.columns) return element;
  for (let at = 0; at < grid.items.length; at += grid.columns) {
    const row = element.insertRow();
    for (let c = 0; c < grid.columns; c++) {
      const heading = at === 0 || (c === 0 && !words);
      const cell = doc.createElement(heading ? 'th' : 'td');
      if (heading) cell.scope = at === 0 ? 'col' : 'row';
      if (grid.marked.has(at + c)) cell.className = 'marked';
      if (c < words) cell.classList.add('words');
      cell.textContent = grid.items[at + c];
      row.append(cell);
    }
  }
  return element;
}

// Each record put into the box's control of its name: a field's text, a
// list's rows and chosen row, a grid, a label's text; every control but a
// read-only text enabled as the engine says.
function fillBox(doc, box, records) {
  for (const each of records) {
    const control = box.querySelector(`[data-name="${CSS.escape(each.name)}"]`);
    if (!control) continue;
    if ('disabled' in control && control.tagName !== 'TEXTAREA') control.disabled = !each.enabled;
    if (control.tagName === 'INPUT' || control.tagName === 'TEXTAREA') {
      if (control.value !== each.text) control.value = each.text;
      if (control.tagName === 'INPUT') control.placeholder = each.placeholder;
    } else if (control.tagName === 'SELECT') {
      const now = [...control.options].map((option) => option.text);
      if (now.length !== each.items.length || now.some((t, i) => t !== each.items[i])) {
        control.replaceChildren(...each.items.map((t) => new Option(t)));
      }
      control.selectedIndex = each.selected;
    } else if (control.classList.contains('grid')) {
      control.replaceChildren(table(doc, each));
    } else if (control.tagName !== 'BUTTON') {
      control.textContent = each.text;
    }
  }
}

function copy(text) {
  if (navigator.clipboard) navigator.clipboard.writeText(text).catch(() => {});
}

// The boxes, which the engine opens and closes: at most one is open, the
// one the engine keeps. Closed by Esc or the cancel key, a box is closed in
// the engine too, and the focus goes back where it was before the box
// opened, unless the engine moved it meanwhile.
export class Boxes {
  constructor(doc) {
    this.doc = doc;
    this.byName = new Map([...doc.querySelectorAll('dialog.menu-box')].map((box) => [box.id, box]));
    this.openBox = ''; // the box the engine keeps open
    this.focusBefore = null;
    this.engine = null;
    // What the page prints while a box with a page is open: the page alone.
    this.print = doc.createElement('div');
    this.print.className = 'printed-page';
    this.print.setAttribute('aria-hidden', 'true');
    doc.body.append(this.print);
  }

  // Whether a box holds the keyboard: from the moment it closes, though its
  // close event (which tells the engine) comes a moment later, so that a key
  // pressed at once after Esc goes where it would with no box.
  isOpen() {
    return this.byName.get(this.openBox)?.open ?? false;
  }

  connect(engine) {
    this.engine = engine.box;
    for (const box of this.byName.values()) this.wire(box);
  }

  wire(box) {
    const name = (element) => element.dataset.name;
    box.addEventListener('input', (event) => {
      if (event.target.tagName === 'INPUT') this.engine.edit(box.id, name(event.target), event.target.value);
    });
    box.addEventListener('change', (event) => {
      if (event.target.tagName === 'SELECT') this.engine.select(box.id, name(event.target), event.target.selectedIndex);
    });
    box.addEventListener('click', (event) => {
      const key = event.target.closest('button');
      if (!key || key.disabled) return;
      if (key.hasAttribute('data-cancel')) box.close();
      else if (key.dataset.output) this.output(box, key.dataset.output);
      else this.engine.press(box.id, name(key));
    });
    // A list's row activated by a double click.
    box.addEventListener('dblclick', (event) => {
      const list = event.target.closest('select[size]');
      if (list) this.engine.activate(box.id, name(list));
    });
    box.addEventListener('close', () => {
      if (this.openBox === box.id) this.engine.close(box.id);
      const back = this.focusBefore;
      this.focusBefore = null;
      const lost = this.doc.activeElement === this.doc.body || box.contains(this.doc.activeElement);
      if (lost && back && back !== this.doc.body) back.focus({ preventScroll: true });
    });
  }

  // A key pressed in the open box (keys.js hands over every one): Enter on a
  // list's row activates it, Enter in a field or a text presses the box's
  // default key, and Ctrl+C in a text with nothing selected copies all of it.
  // Every other key is the control's own.
  keydown(event) {
    const box = this.byName.get(this.openBox);
    const target = event.target;
    if (target.tagName === 'TEXTAREA' && (event.ctrlKey || event.metaKey) && event.key.toLowerCase() === 'c' &&
        target.selectionStart === target.selectionEnd) {
      event.preventDefault();
      copy(target.value);
    } else if (event.key === 'Enter' && !event.isComposing) {
      if (target.matches('select[size]')) {
        event.preventDefault();
        this.engine.activate(this.openBox, target.dataset.name);
      } else if (target.tagName !== 'SELECT' && target.tagName !== 'BUTTON') {
        event.preventDefault();
        box?.querySelector('button[data-default]:not(:disabled)')?.click();
      }
    }
  }

  // The engine's call after each command and action in a box
  // (web/panel_library.js): the open box (a design name, or empty) and what
  // its controls show, and the page it prints (a record as the controls', or
  // empty).
  draw(name, shown, page) {
    const records = parseRecords(shown);
    const now = this.byName.get(name);
    if (name !== this.openBox) {
      const before = this.byName.get(this.openBox);
      this.openBox = name;
      if (before?.open) before.close();
      if (now) {
        fillBox(this.doc, now, records);
        this.focusBefore = this.doc.activeElement;
        now.showModal();
      }
    } else if (now) {
      fillBox(this.doc, now, records);
    }
    this.drawPrint(parseRecords(page));
  }

  // The printed page: the heading, its first line as the title, and the
  // grid, on the paper named (the names CSS gives the two sizes); then each
  // page of lines that follows it (the practice worksheet's answer key).
  drawPrint([page, ...following]) {
    if (!page) {
      delete this.doc.body.dataset.print;
      return;
    }
    this.doc.body.dataset.print = 'page';
    const paragraphs = (text) =>
      text.split('\n').map((line, i) => {
        const p = this.doc.createElement('p');
        if (i === 0) p.className = 'title';
        p.textContent = line;
        return p;
      });
    const pages = following.map((more) => {
      const section = this.doc.createElement('section');
      section.className = 'following';
      section.replaceChildren(...paragraphs(more.text));
      // Its lines share the page's height: the style sheet sizes the type by them.
      section.style.setProperty('--lines', String(section.childElementCount));
      return section;
    });
    this.print.style.setProperty('--columns', String(page.columns || 1));
    // The page's columns of words come in the place of a list's chosen row.
    const grid = page.columns ? [table(this.doc, page, Math.max(page.selected, 0))] : [];
    this.print.replaceChildren(...paragraphs(page.text), ...grid, ...pages);
    // The site's one style sheet holds the one @page rule (working.css).
    const size = page.name.toLowerCase();
    for (const sheet of this.doc.styleSheets) {
      for (const rule of sheet.cssRules) {
        if (rule instanceof CSSPageRule) rule.style.setProperty('size', size);
      }
    }
  }

  output(box, kind) {
    if (kind === 'copy') copy(this.engine.copied(box.id));
    else window.print(); // print and save as PDF: both in the browser's print dialog
  }
}
