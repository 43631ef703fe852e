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
