// The page's side of the panel: it draws what the engine hands it after each
// action, and carries out the events the action raised. The engine decides
// everything; no rule of the calculator lives here.

import { parseRecords } from './boxes.js';
import { contract } from './contract.js';

// What a draw carries besides the texts (web/page_contract.h).
const { displayShown, functionKeysEnabled, enterIsDefault, focusEnter, close } = contract.draw;
const { record, unit } = contract.separators;

export class PagePanel {
  constructor(doc, dialogs) {
    this.doc = doc;
    this.dialogs = dialogs;
    this.display = doc.querySelector('[data-name="text1"]');
    this.indicator = doc.querySelector('[data-name="txtEorM"]');
    this.mark = doc.querySelector('[data-name="lblMark"]');
    this.title = doc.title; // the product's, shown while the engine's is empty
    this.boxes = null; // the menus' boxes (boxes.js), which the engine calls too
    this.storage = null; // the site's storage (storage.js), which the engine reads and writes
    this.unitsSpoken = doc.getElementById('units-spoken');
    this.unitsSaid = JSON.parse(this.unitsSpoken.dataset.spoken);
    this.enter = doc.querySelector('.key.enter');
    this.practice = doc.getElementById('fraPractice');
    this.startUpKeys = [...doc.querySelectorAll('button[data-start-up]')];
    this.keysEnabled = false;
    this.enterIsDefault = false;
  }

  // One action's outcome: the display's text (set again when the action gave
  // it a text, the same one too, so that it is announced), the mark beside a
  // result made with department values, the window's title (empty: the
  // product's), the indicator, the keys; then the message boxes (each its
  // title, a unit separator and its text, separated by record separators),
  // the focus and closing. The mark is what it shows,
  // a unit separator and what is said of it, or empty: the display's live
  // text then carries the words after the result, unseen, so that a screen
  // reader says them with it. The practice strip's records (empty while
  // practice is off) fill the strip below the panel.
  draw(display, indicator, flags, messages, mark, title, practice) {
    const [shown, spoken] = mark ? mark.split(unit) : ['', ''];
    if (flags & displayShown) {
      this.display.textContent = display;
      if (spoken) {
        const words = this.doc.createElement('span');
        words.className = 'spoken'; // heard with the result, never seen (vardel.css)
        words.textContent = `, ${spoken}`;
        this.display.append(words);
      }
    }
    if (this.mark && this.mark.textContent !== shown) {
      this.mark.textContent = shown;
      this.mark.hidden = !shown;
    }
    if (this.doc.title !== (title || this.title)) this.doc.title = title || this.title;
    if (this.indicator.value !== indicator) {
      this.indicator.value = indicator;
      this.unitsSpoken.textContent = this.unitsSaid[indicator] ?? indicator;
    }
    this.drawPractice(parseRecords(practice));
    if (flags & functionKeysEnabled && !this.keysEnabled) {
      this.keysEnabled = true;
      for (const key of this.startUpKeys) key.disabled = false;
    }
    if (flags & enterIsDefault && !this.enterIsDefault) {
      this.enterIsDefault = true;
      this.enter.classList.add('default');
    }
    if (messages) {
      for (const message of messages.split(record)) {
        const [title, text] = message.split(unit);
        this.dialogs.showMessage(text, title);
      }
    }
    if (flags & focusEnter) this.focusEnter();
    if (flags & close) this.closeWindow();
  }

  // The strip shows while practice is on, and the window grows by it; its
  // text is a live region, said as it changes. Leaving practice from its own
  // key hands the focus back to Enter.
  drawPractice(records) {
    if (!this.practice) return;
    const on = records.length > 0;
    if (this.practice.hidden === on) {
      const focusInStrip = this.practice.contains(this.doc.activeElement);
      this.practice.hidden = !on;
      this.doc.documentElement.classList.toggle('practising', on);
      if (!on && focusInStrip) this.enter.focus({ preventScroll: true });
    }
    for (const each of records) {
      const control = this.practice.querySelector(`[data-name="${CSS.escape(each.name)}"]`);
      if (control && control.tagName !== 'BUTTON' && control.textContent !== each.text) control.textContent = each.text;
    }
  }

  // While a box is open the focus belongs to it; Enter takes the focus when
  // the box closes.
  focusEnter() {
    if (this.dialogs.isOpen()) this.dialogs.focusAfterClose(this.enter);
    else if (this.doc.activeElement !== this.enter) this.enter.focus({ preventScroll: true });
  }

  // The program ends. A browser closes only the windows that a script opened
  // (or an installed app's window); where it refuses, the page starts the
  // calculator afresh, which is what starting the program again does.
  closeWindow() {
    window.close();
    setTimeout(() => {
      if (!window.closed) window.location.reload();
    }, 100);
  }
}
