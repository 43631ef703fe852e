// The engine's entry points (web/engine.cpp, web/desks.cpp) as the page
// calls them: every text handed in the engine's own memory and freed after,
// every text handed back read out of it. The page calls the engine only
// through these; those of the rest (desks.cpp) only once it has arrived
// (engine-rest.js).

// `use` called with each of `texts` copied into the engine's memory, freed after.
function withTexts(module, texts, use) {
  const at = texts.map((text) => {
    const size = module.lengthBytesUTF8(text) + 1;
    const pointer = module._malloc(size);
    module.stringToUTF8(text, pointer, size);
    return pointer;
  });
  try {
    return use(...at);
  } finally {
    for (const pointer of at) module._free(pointer);
  }
}

export function engineCalls(module) {
  const text = (pointer) => module.UTF8ToString(pointer);
  const inMemory = (texts, use) => withTexts(module, texts, use);
  return {
    // The first part: false when the rest must start before the first key.
    start: () => module._vardel_start() !== 0,
    // The rest, once it has arrived (engine-rest.js), or could not.
    startRest: () => module._vardel_start_rest(),
    restMissing: () => module._vardel_rest_missing(),
    // The key of layout row `row`, clicked.
    click: (row) => module._vardel_click(row),
    // A typed character's code; true when the calculator took it.
    type: (code) => module._vardel_type(code) !== 0,
    copyText: () => text(module._vardel_copy_text()),
    // A menu item's command: what it asks of the page (the layout's page.asks).
    command: (command) => module._vardel_command(command),
    // Every command's state, as the layout's page.states packs them.
    states: () => module._vardel_command_states(),
    fileRead: (content) => inMemory([content], (at) => module._vardel_file_read(at)),
    fileText: () => text(module._vardel_file_text()),
    reload: () => module._vardel_reload(),
    // The site's department file, fetched.
    issueArrived: (content) => inMemory([content], (at) => module._vardel_issue_arrived(at)),
    // The address's fragment: true when it carried a department file.
    linkOpened: (fragment) => inMemory([fragment], (at) => module._vardel_link_opened(at)) !== 0,
    // A key of the practice strip, by its design name.
    practice: (name) => inMemory([name], (n) => module._vardel_practice_press(n)),
    // The open box's controls: the box and each control by its design name.
    box: {
      edit: (box, name, value) => inMemory([box, name, value], (b, n, v) => module._vardel_box_edit(b, n, v)),
      select: (box, name, row) => inMemory([box, name], (b, n) => module._vardel_box_select(b, n, row)),
      activate: (box, name) => inMemory([box, name], (b, n) => module._vardel_box_activate(b, n)),
      press: (box, name) => inMemory([box, name], (b, n) => module._vardel_box_press(b, n)),
      close: (box) => inMemory([box], (b) => module._vardel_box_close(b)),
      copied: (box) => inMemory([box], (b) => text(module._vardel_box_copied(b))),
    },
  };
}
