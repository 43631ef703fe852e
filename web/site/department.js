// The Department menu of the web panel and its boxes. The engine decides
// everything (web/department.cpp and the desk it shares with the desktop):
// this module hands it each choice, typed field, chosen row and key, and
// draws what it hands back, the menu's states, the open box and the page's
// title. The department file is read and written only by the engine; the
// page carries its text to and from the site's storage, a file and a
// download. Another tab's save arrives as a storage event, and the engine
// reads the values again.

import { EngineBoxes, fillBox, parseRecords, withText } from './box-records.js';

const STORAGE_KEY = 'vardel.department';
const LARGEST_FILE = 256 * 1024; // the engine refuses a larger file; one byte more tells it so

// The engine's entry points for the Department menu, strings passed in the
// engine's own memory.
function engineCalls(module) {
  const inMemory = (text, use) => withText(module, text, use);
  return {
    command: (item) => module._vardel_department_command(item),
    reload: () => module._vardel_department_reload(),
    import: (text) => inMemory(text, (at) => module._vardel_department_import(at)),
    exportText: () => module.UTF8ToString(module._vardel_department_export()),
    edit: (name, text) => inMemory(name, (n) => inMemory(text, (t) => module._vardel_department_edit(n, t))),
    select: (name, row) => inMemory(name, (n) => module._vardel_department_select(n, row)),
    activate: (name) => inMemory(name, (n) => module._vardel_department_activate(n)),
    press: (name) => inMemory(name, (n) => module._vardel_department_press(n)),
    close: () => module._vardel_department_close(),
  };
}

export class Department {
  constructor(doc) {
    this.doc = doc;
    this.title = doc.title; // the product's, shown while the title is empty
    this.button = doc.getElementById('department');
    this.list = doc.getElementById('department-menu');
    this.items = [...this.list.querySelectorAll('[role^="menuitem"]')];
    this.accessKey = this.button.dataset.accessKey;
    this.boxes = new EngineBoxes(doc, 'dialog.department');
    this.engine = null;
    this.returnFocus = null;
    this.file = doc.createElement('input');
    this.file.type = 'file';
    this.file.accept = '.json,application/json';
    this.file.hidden = true;
    doc.body.append(this.file);
  }

  // The engine is ready: wire the menu, the boxes, the file and the storage.
  connect(module) {
    this.engine = engineCalls(module);
    this.button.addEventListener('click', () => (this.isOpen() ? this.closeMenu() : this.openMenu()));
    this.items.forEach((item, index) => item.addEventListener('click', () => this.choose(index)));
    // Before the panel's own handler (keys.js), which leaves alone what is
    // handled here.
    this.doc.addEventListener('keydown', (event) => this.keydown(event), true);
    this.doc.addEventListener('pointerdown', (event) => {
      if (this.isOpen() && !event.target.closest('#department, #department-menu')) this.closeMenu();
    });
    this.boxes.wire(this.engine);
    for (const box of this.boxes) this.wireBox(box);
    this.file.addEventListener('change', () => this.importChosen());
    window.addEventListener('storage', (event) => {
      if (event.key === STORAGE_KEY || event.key === null) this.engine.reload();
    });
    // The Help menu opens below its own title, right of this one.
    const help = this.doc.getElementById('help');
    const helpMenu = this.doc.getElementById('help-menu');
    const place = () => (helpMenu.style.left = `${help.offsetLeft}px`);
    new ResizeObserver(place).observe(this.doc.getElementById('window'));
    place();
  }

  // ---- The engine's calls (web/panel_library.js) ----------------------------

  load() {
    try {
      return window.localStorage.getItem(STORAGE_KEY);
    } catch {
      return null; // storage switched off: nothing kept
    }
  }

  replace(text) {
    try {
      window.localStorage.setItem(STORAGE_KEY, text);
      return true;
    } catch {
      return false;
    }
  }

  // A kept file the engine cannot read, kept under a key of its own before
  // new values are saved over it; the key, or null.
  keepAside(text) {
    try {
      const key = `${STORAGE_KEY}.refused.${new Date().toISOString()}`;
      window.localStorage.setItem(key, text);
      return key;
    } catch {
      return null;
    }
  }

  // The title (empty: the product's), each item's enabled and checked bits,
  // the open box and what its controls show.
  draw(title, menu, box, shown) {
    this.doc.title = title || this.title;
    this.items.forEach((item, i) => {
      item.disabled = !(menu & (1 << (2 * i)));
      if (item.hasAttribute('aria-checked')) item.setAttribute('aria-checked', String(!!(menu & (2 << (2 * i)))));
    });
    this.boxes.show(box, (element) => fillBox(element, parseRecords(shown)));
  }

  // ---- The menu ----------------------------------------------------------------

  isOpen() {
    return !this.list.hidden;
  }

  openMenu() {
    // One menu open at a time: the Help menu (keys.js) closes as its title's
    // click would close it.
    const help = this.doc.getElementById('help');
    if (help.getAttribute('aria-expanded') === 'true') help.click();
    this.returnFocus = this.doc.activeElement;
    this.list.hidden = false;
    this.button.setAttribute('aria-expanded', 'true');
    this.move(0, 1);
  }

  closeMenu() {
    this.list.hidden = true;
    this.button.setAttribute('aria-expanded', 'false');
    const back = this.returnFocus;
    this.returnFocus = null;
    if (back && back !== this.doc.body) back.focus({ preventScroll: true });
  }

  // The focus to the next enabled item from `from` in direction `step`.
  move(from, step) {
    const n = this.items.length;
    for (let k = 0; k < n; k++) {
      const item = this.items[(((from + step * k) % n) + n) % n];
      if (!item.disabled) {
        item.focus({ preventScroll: true });
        return;
      }
    }
  }

  choose(index) {
    const item = this.items[index];
    if (!item || item.disabled) return;
    this.closeMenu();
    if (item.dataset.name === 'mnuImport') {
      this.file.value = '';
      this.file.click();
    } else if (item.dataset.name === 'mnuExport') {
      this.download(this.engine.exportText());
    } else {
      this.engine.command(index);
    }
  }

  keydown(event) {
    // A box of any menu open, or a message: the menu stays shut.
    if (this.boxes.openBox || this.doc.querySelector('dialog[open]') || event.defaultPrevented) return;
    const plain = !event.ctrlKey && !event.altKey && !event.metaKey;
    if (!this.isOpen()) {
      if (event.altKey && !event.ctrlKey && !event.metaKey && event.key.toLowerCase() === this.accessKey) {
        event.preventDefault();
        this.openMenu();
      }
      return;
    }
    const at = this.items.indexOf(this.doc.activeElement);
    const key = event.key.toLowerCase();
    if (event.key === 'Escape' || event.key === 'Tab') {
      this.closeMenu();
    } else if (event.key === 'ArrowDown') {
      this.move(at + 1, 1);
    } else if (event.key === 'ArrowUp') {
      this.move(at < 0 ? -1 : at - 1, -1);
    } else if (event.key === 'Enter' || event.key === ' ') {
      this.choose(at);
    } else if (plain && this.items.some((item) => item.dataset.accessKey === key)) {
      this.choose(this.items.findIndex((item) => item.dataset.accessKey === key));
    } else if (event.altKey) {
      // Alt and another menu's key: this one closes, the other opens.
      this.closeMenu();
      return;
    }
    event.preventDefault();
  }

  // ---- The boxes -----------------------------------------------------------------

  // Beside what every engine box does (box-records.js): a list's row
  // activated by a double click or Enter, and Enter in a field presses the
  // default key.
  wireBox(box) {
    const name = (element) => element.dataset.name;
    box.addEventListener('dblclick', (event) => {
      const list = event.target.closest('select[size]');
      if (list) this.engine.activate(name(list));
    });
    box.addEventListener('keydown', (event) => {
      // The panel's keyboard handler (keys.js) never sees a key typed here.
      event.stopPropagation();
      if (event.key !== 'Enter' || event.isComposing) return;
      if (event.target.matches('select[size]')) {
        event.preventDefault();
        this.engine.activate(name(event.target));
      } else if (event.target.tagName === 'INPUT') {
        event.preventDefault();
        box.querySelector('button[data-default]:not(:disabled)')?.click();
      }
    });
  }

  async importChosen() {
    const [chosen] = this.file.files;
    if (!chosen) return;
    this.engine.import(await chosen.slice(0, LARGEST_FILE + 1).text());
  }

  download(text) {
    const link = this.doc.createElement('a');
    link.href = URL.createObjectURL(new Blob([text], { type: 'application/json' }));
    link.download = 'department.json';
    link.hidden = true;
    this.doc.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  }
}
