// A menu item's command, run in the engine, and what the engine asks of the
// page for it (the layout's page.asks): the About box, a file to read, a
// file to save. The file's kind, name and size come from the item's markup.
import { contract } from './contract.js';

export class Commands {
  constructor(doc, engine, dialogs, rest) {
    this.doc = doc;
    this.engine = engine;
    this.dialogs = dialogs;
    this.rest = rest;
    // A file input of its own for each item that reads a file.
    this.inputs = new Map();
    for (const item of doc.querySelectorAll('[data-command][data-accept]')) {
      const input = doc.createElement('input');
      input.type = 'file';
      input.accept = item.dataset.accept;
      input.hidden = true;
      input.addEventListener('change', () => this.read(input, Number(item.dataset.readAtMost)));
      doc.body.append(input);
      this.inputs.set(item, input);
    }
  }

  // Every command is the engine's rest's: it runs once the rest has arrived.
  run(item) {
    this.rest.run(() => this.runNow(item));
  }

  runNow(item) {
    const asks = contract.asks;
    const ask = this.engine.command(Number(item.dataset.command));
    if (ask === asks.about) {
      this.dialogs.showAbout();
    } else if (ask === asks.openFile) {
      const input = this.inputs.get(item);
      input.value = '';
      input.click();
    } else if (ask === asks.saveFile) {
      this.download(this.engine.fileText(), item.dataset.fileName, item.dataset.fileType);
    }
  }

  async read(input, atMost) {
    const [chosen] = input.files;
    if (!chosen) return;
    this.engine.fileRead(await chosen.slice(0, atMost).text());
  }

  download(text, name, type) {
    const link = this.doc.createElement('a');
    link.href = URL.createObjectURL(new Blob([text], { type }));
    link.download = name;
    link.hidden = true;
    this.doc.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  }
}
