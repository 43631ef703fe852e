// The working of a result and the pump chart in the web panel. The engine
// decides everything (web/working.cpp and the desk it shares with the
// desktop): this module hands it each typed field, chosen row and key of
// the two boxes, and draws what it hands back. The keys that hand their
// work to the page (data-output) copy the engine's text to the clipboard,
// or print: while the chart box is open the page prints the chart alone, on
// one page of the paper chosen (working.css).

import { EngineBoxes, fillBox, parseRecords, withText } from './box-records.js';

// The engine's entry points for the boxes, strings passed in its memory.
function engineCalls(module) {
  const inMemory = (text, use) => withText(module, text, use);
  return {
    edit: (name, text) => inMemory(name, (n) => inMemory(text, (t) => module._vardel_working_edit(n, t))),
    select: (name, row) => inMemory(name, (n) => module._vardel_working_select(n, row)),
    press: (name) => inMemory(name, (n) => module._vardel_working_press(n)),
    close: () => module._vardel_working_close(),
    copied: () => module.UTF8ToString(module._vardel_working_copied()),
  };
}

// A grid's table: its first row the column headings, each further row
// headed by its first cell; marked cells carry the class "marked".
function table(doc, grid) {
  const element = doc.createElement('table');
  if (!grid.columns) return element;
  for (let at = 0; at < grid.items.length; at += grid.columns) {
    const row = element.insertRow();
    for (let c = 0; c < grid.columns; c++) {
      const heading = at === 0 || c === 0;
      const cell = doc.createElement(heading ? 'th' : 'td');
      if (heading) cell.scope = at === 0 ? 'col' : 'row';
      if (grid.marked.has(at + c)) cell.className = 'marked';
      cell.textContent = grid.items[at + c];
      row.append(cell);
    }
  }
  return element;
}

export class WorkingBoxes {
  constructor(doc) {
    this.doc = doc;
    this.boxes = new EngineBoxes(doc, 'dialog.working');
    this.engine = null;
    // What the page prints while the chart box is open: the chart alone.
    this.print = doc.createElement('div');
    this.print.className = 'chart-print';
    this.print.setAttribute('aria-hidden', 'true');
    doc.body.append(this.print);
  }

  connect(module) {
    this.engine = engineCalls(module);
    this.boxes.wire(this.engine, (key) => {
      if (!key.dataset.output) return false;
      this.output(key.dataset.output);
      return true;
    });
    for (const box of this.boxes) this.wire(box);
  }

  // ---- The engine's call (web/panel_library.js) ------------------------------

  draw(box, shown) {
    this.boxes.show(box, (element) => this.drawBox(element, parseRecords(shown)));
    if (box === 'frmPumpChart') this.doc.body.dataset.print = 'chart';
    else delete this.doc.body.dataset.print;
  }

  drawBox(box, records) {
    fillBox(box, records, (grid) => table(this.doc, grid));
    if (box.id === 'frmPumpChart') this.drawPrint(box, records);
  }

  // The printed page: the chart's heading, its first line as the title,
  // and its grid, on the paper chosen (the paper list's rows are the names
  // CSS gives the two sizes).
  drawPrint(box, records) {
    const named = (name) => records.find((record) => record.name === name);
    const grid = named('grdChart');
    const lines = grid.columns ? named('txtHeading').text.split('\n') : [];
    const paragraphs = lines.map((line, i) => {
      const p = this.doc.createElement('p');
      if (i === 0) p.className = 'title';
      p.textContent = line;
      return p;
    });
    this.print.style.setProperty('--columns', String(grid.columns || 1));
    this.print.replaceChildren(...paragraphs, table(this.doc, grid));
    const paper = named('lstPaper');
    const size = paper.items[paper.selected]?.toLowerCase();
    // The site's one style sheet holds the one @page rule (working.css).
    for (const sheet of this.doc.styleSheets) {
      for (const rule of sheet.cssRules) {
        if (rule instanceof CSSPageRule && size) rule.style.setProperty('size', size);
      }
    }
  }

  // ---- The boxes --------------------------------------------------------------

  // Beside what every engine box does (box-records.js): Ctrl+C copies a
  // whole text, and Enter in a field presses the default key.
  wire(box) {
    box.addEventListener('keydown', (event) => {
      // The panel's keyboard handlers never see a key typed here.
      event.stopPropagation();
      const text = event.target.tagName === 'TEXTAREA' ? event.target : null;
      // Ctrl+C in a text with nothing selected copies all of it.
      if (text && (event.ctrlKey || event.metaKey) && event.key.toLowerCase() === 'c' &&
          text.selectionStart === text.selectionEnd) {
        event.preventDefault();
        this.copy(text.value);
      } else if (event.key === 'Enter' && !event.isComposing && event.target.tagName !== 'SELECT' &&
                 event.target.tagName !== 'BUTTON') {
        event.preventDefault();
        box.querySelector('button[data-default]:not(:disabled)')?.click();
      }
    });
  }

  output(kind) {
    if (kind === 'copy') this.copy(this.engine.copied());
    else window.print(); // print and save as PDF: both in the browser's print dialog
  }

  copy(text) {
    if (navigator.clipboard) navigator.clipboard.writeText(text).catch(() => {});
  }
}
