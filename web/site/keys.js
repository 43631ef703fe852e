// Everything the user does to the page reaches the engine here, in one
// place: clicks and taps on the keys, typed characters, Tab, the Help menu
// and its access keys, F2, F3 and the display's menu, and copying the display.
import { onLongPress } from './long-press.js';

// The character code that a key press types for the calculator, or null.
// Enter (main or numeric keypad) is 13; every other key counts by the
// character it types, so the numeric keypad's digits and operators work like
// the main keyboard's. Chords with Ctrl, Alt or Meta type nothing: they
// belong to the menu's access keys and to copying.
function typedCode(event) {
  if (event.ctrlKey || event.altKey || event.metaKey || event.isComposing) return null;
  if (event.key === 'Enter') return 13;
  if (event.key.length !== 1) return null;
  const code = event.key.charCodeAt(0);
  return code < 0x80 ? code : null;
}

export function installKeys(doc, engine, dialogs) {
  const panelElement = doc.getElementById('panel');
  const menu = new HelpMenu(doc, dialogs);
  const displayMenu = new DisplayMenu(doc, engine);

  panelElement.addEventListener('click', (event) => {
    const key = event.target.closest('button[data-row]');
    if (key && !key.disabled) engine.click(Number(key.dataset.row));
  });

  // A mouse click on a key leaves the keyboard focus where it is (mostly on
  // Enter, where the engine puts it): moving it to the key and back costs
  // more than the key's whole action. Tab still moves the focus from key to
  // key. A tap keeps the browser's own handling, which alone clears the
  // pressed look of the key when the finger lifts.
  let pointer = 'mouse';
  panelElement.addEventListener('pointerdown', (event) => {
    pointer = event.pointerType;
  });
  panelElement.addEventListener('mousedown', (event) => {
    if (pointer === 'mouse' && event.target.closest('button.key')) event.preventDefault();
  });

  // A long press opens no callout or context menu on the panel, but for the
  // display's own menu (a right click or a long press on the display).
  panelElement.addEventListener('contextmenu', (event) => {
    event.preventDefault();
    if (event.target.closest('[data-name="text1"]')) displayMenu.open(event.clientX, event.clientY);
  });
  onLongPress(doc.querySelector('[data-name="text1"]'), (x, y) => displayMenu.open(x, y));

  doc.addEventListener('keydown', (event) => {
    if (dialogs.isOpen() || event.defaultPrevented) return;
    if (menu.isOpen()) {
      menu.keydown(event);
      return;
    }
    if (displayMenu.isOpen()) {
      displayMenu.keydown(event);
      return;
    }
    // F2 reviews the inputs of the result shown, and does nothing elsewhere.
    if (event.key === 'F2' && !event.ctrlKey && !event.altKey && !event.metaKey && !event.shiftKey) {
      event.preventDefault();
      engine.review();
      return;
    }
    // F3 shows the working of the result shown, and does nothing elsewhere.
    if (event.key === 'F3' && !event.ctrlKey && !event.altKey && !event.metaKey && !event.shiftKey) {
      event.preventDefault();
      engine.showWorking();
      return;
    }
    if (event.altKey && !event.ctrlKey && !event.metaKey && event.key.toLowerCase() === menu.accessKey) {
      event.preventDefault();
      menu.open();
      return;
    }
    if (event.key === 'Tab' && !event.ctrlKey && !event.altKey && !event.metaKey) {
      event.preventDefault();
      moveFocus(panelElement, event.shiftKey ? -1 : 1);
      return;
    }
    if ((event.ctrlKey || event.metaKey) && !event.altKey && event.key.toLowerCase() === 'c') {
      copy(engine.copyText());
      event.preventDefault();
      return;
    }
    const code = typedCode(event);
    // Used up when the calculator takes it, Enter included: one typed Enter
    // runs the Enter key once, and no focused key may click on it as well.
    if (code !== null && engine.type(code)) event.preventDefault();
  });
}

// Tab follows the designed order (the markup is written in it) and wraps
// around within the panel, as it does in a window.
function moveFocus(panelElement, step) {
  const keys = [...panelElement.querySelectorAll('button.key')].filter((key) => !key.disabled && !key.hidden);
  if (keys.length === 0) return;
  const at = keys.indexOf(document.activeElement);
  const next = at < 0 ? (step > 0 ? 0 : keys.length - 1) : (at + step + keys.length) % keys.length;
  keys[next].focus();
}

// Ctrl+C: what the engine says the display copies as.
function copy(text) {
  if (navigator.clipboard) navigator.clipboard.writeText(text).catch(() => {});
}

// A menu of one item: it opens with the focus on its item and gives the
// focus back where it was when it closes. Enter, the blank (or the item's
// access key) chooses the item; Esc closes the menu; a pointer pressed
// outside `keepOpenWithin` closes it too.
class OneItemMenu {
  constructor(doc, listId, itemId, keepOpenWithin) {
    this.doc = doc;
    this.list = doc.getElementById(listId);
    this.item = doc.getElementById(itemId);
    this.itemKey = this.item.dataset.accessKey;
    this.returnFocus = null;
    this.item.addEventListener('click', () => this.choose());
    doc.addEventListener('pointerdown', (event) => {
      if (this.isOpen() && !event.target.closest(keepOpenWithin)) this.close();
    });
  }

  isOpen() {
    return !this.list.hidden;
  }

  show() {
    this.returnFocus = this.doc.activeElement;
    this.list.hidden = false;
    if (!this.item.disabled) this.item.focus({ preventScroll: true });
  }

  close() {
    this.list.hidden = true;
    const back = this.returnFocus;
    this.returnFocus = null;
    if (back && back !== this.doc.body) back.focus({ preventScroll: true });
  }

  keydown(event) {
    const key = event.key.toLowerCase();
    if (event.key === 'Escape') {
      this.close();
    } else if ((this.itemKey && key === this.itemKey) || event.key === 'Enter' || event.key === ' ') {
      this.choose();
    } else if (event.key !== 'Tab' && event.key !== 'ArrowDown' && event.key !== 'ArrowUp') {
      return;
    }
    event.preventDefault();
  }
}

// The menu bar's one menu: Help, with one item, About Vardel. Alt+H opens
// it, then A (or Enter on the item) opens the About box; Esc or a click
// elsewhere closes it.
class HelpMenu extends OneItemMenu {
  constructor(doc, dialogs) {
    super(doc, 'help-menu', 'about-item', '.menubar');
    this.dialogs = dialogs;
    this.button = doc.getElementById('help');
    this.accessKey = this.button.dataset.accessKey;
    this.button.addEventListener('click', () => (this.isOpen() ? this.close() : this.open()));
  }

  open() {
    this.show();
    this.button.setAttribute('aria-expanded', 'true');
  }

  close() {
    this.button.setAttribute('aria-expanded', 'false');
    super.close();
  }

  choose() {
    this.close();
    this.dialogs.showAbout();
  }
}

// The display's context menu: Review inputs, enabled only where F2 would
// act, and Show working, only where F3 would. The arrow keys move between
// the two.
class DisplayMenu extends OneItemMenu {
  constructor(doc, engine) {
    super(doc, 'display-menu', 'review-item', '#display-menu');
    this.engine = engine;
    this.working = this.list.querySelector('[data-name="mnuShowWorking"]');
    this.working.addEventListener('click', () => this.showWorking());
  }

  // Opens at the point pressed, kept inside the window. A long press may
  // bring a contextmenu event as well: the menu opens once.
  open(x, y) {
    if (this.isOpen()) return;
    this.item.disabled = !this.engine.canReview();
    this.working.disabled = !this.engine.canShowWorking();
    this.show();
    if (this.item.disabled && !this.working.disabled) this.working.focus({ preventScroll: true });
    const box = (this.list.offsetParent ?? this.doc.body).getBoundingClientRect();
    const left = Math.min(x - box.left, box.width - this.list.offsetWidth);
    const top = Math.min(y - box.top, box.height - this.list.offsetHeight);
    this.list.style.left = `${Math.max(0, left)}px`;
    this.list.style.top = `${Math.max(0, top)}px`;
  }

  keydown(event) {
    const items = [this.item, this.working].filter((item) => !item.disabled);
    const at = items.indexOf(this.doc.activeElement);
    if ((event.key === 'ArrowDown' || event.key === 'ArrowUp') && items.length > 0) {
      const step = event.key === 'ArrowDown' ? 1 : -1;
      items[(at + step + items.length) % items.length].focus({ preventScroll: true });
      event.preventDefault();
    } else if ((event.key === 'Enter' || event.key === ' ') && this.doc.activeElement === this.working) {
      this.showWorking();
      event.preventDefault();
    } else {
      super.keydown(event);
    }
  }

  // The review moves the focus to Enter itself, after the menu gave it back.
  choose() {
    if (this.item.disabled) return;
    this.close();
    this.engine.review();
  }

  showWorking() {
    if (this.working.disabled) return;
    this.close();
    this.engine.showWorking();
  }
}
