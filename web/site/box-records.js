// What the Department menu's boxes and the working's boxes share: strings
// handed to the engine in its own memory, and the records the engine hands
// back for an open box (web/engine.h), put into the box's controls.

// `use` called with `text` copied into the engine's memory, freed after.
export function withText(module, text, use) {
  const size = module.lengthBytesUTF8(text) + 1;
  const at = module._malloc(size);
  module.stringToUTF8(text, at, size);
  try {
    return use(at);
  } finally {
    module._free(at);
  }
}

// The engine's records: per control its name, text, placeholder, chosen
// row, enabled, a grid's cells per row and its marked cells, then its rows.
export function parseRecords(shown) {
  if (!shown) return [];
  return shown.split('\x1e').map((record) => {
    const [fields, ...items] = record.split('\x1d');
    const [name, text, placeholder, selected, enabled, columns, marked] = fields.split('\x1f');
    return {
      name, text, placeholder, items,
      selected: Number(selected),
      enabled: enabled === '1',
      columns: Number(columns || 0),
      marked: new Set(marked ? marked.split(',').map(Number) : []),
    };
  });
}

// Each record put into the box's control of its name: a field's text, a
// list's rows and chosen row, a grid (drawn by `drawGrid`, where a box has
// one), a label's text; every control but a read-only text enabled as the
// engine says.
export function fillBox(box, records, drawGrid) {
  for (const record of records) {
    const control = box.querySelector(`[data-name="${CSS.escape(record.name)}"]`);
    if (!control) continue;
    if ('disabled' in control && control.tagName !== 'TEXTAREA') control.disabled = !record.enabled;
    if (control.tagName === 'INPUT' || control.tagName === 'TEXTAREA') {
      if (control.value !== record.text) control.value = record.text;
      if (control.tagName === 'INPUT') control.placeholder = record.placeholder;
    } else if (control.tagName === 'SELECT') {
      const now = [...control.options].map((option) => option.text);
      if (now.length !== record.items.length || now.some((t, i) => t !== record.items[i])) {
        control.replaceChildren(...record.items.map((t) => new Option(t)));
      }
      control.selectedIndex = record.selected;
    } else if (control.classList.contains('grid') && drawGrid) {
      control.replaceChildren(drawGrid(record));
    } else if (control.tagName !== 'BUTTON') {
      control.textContent = record.text;
    }
  }
}

// The boxes of one menu, which the engine opens and closes: at most one is
// open, the one the engine keeps. Each typed field, chosen row and key is
// handed to the engine (`engine`: edit, select, press, close); `keyPressed`
// may take a key first, returning true. Closed by Esc or the cancel key, a
// box is closed in the engine too, and the focus goes back where it was
// before the box opened, unless the engine moved it meanwhile.
export class EngineBoxes {
  constructor(doc, selector) {
    this.doc = doc;
    this.byName = new Map([...doc.querySelectorAll(selector)].map((box) => [box.id, box]));
    this.openBox = ''; // the box the engine keeps open
    this.focusBefore = null;
  }

  *[Symbol.iterator]() {
    yield* this.byName.values();
  }

  wire(engine, keyPressed = () => false) {
    const name = (element) => element.dataset.name;
    for (const box of this) {
      box.addEventListener('input', (event) => {
        if (event.target.tagName === 'INPUT') engine.edit(name(event.target), event.target.value);
      });
      box.addEventListener('change', (event) => {
        if (event.target.tagName === 'SELECT') engine.select(name(event.target), event.target.selectedIndex);
      });
      box.addEventListener('click', (event) => {
        const key = event.target.closest('button');
        if (!key || key.disabled) return;
        if (key.hasAttribute('data-cancel')) box.close();
        else if (!keyPressed(key)) engine.press(name(key));
      });
      box.addEventListener('close', () => {
        if (this.openBox === box.id) engine.close();
        const back = this.focusBefore;
        this.focusBefore = null;
        const lost = this.doc.activeElement === this.doc.body || box.contains(this.doc.activeElement);
        if (lost && back && back !== this.doc.body) back.focus({ preventScroll: true });
      });
    }
  }

  // The engine's open box (a design name, or empty) drawn by `draw(box)`:
  // the box open before closed, this one opened, or drawn again.
  show(name, draw) {
    if (name !== this.openBox) {
      const before = this.byName.get(this.openBox);
      this.openBox = name;
      if (before?.open) before.close();
      const now = this.byName.get(name);
      if (now) {
        draw(now);
        this.focusBefore = this.doc.activeElement;
        now.showModal();
      }
    } else if (this.byName.get(name)) {
      draw(this.byName.get(name));
    }
  }
}
