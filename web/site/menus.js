// The page's menus, one class for all of them: the menu bar's (Department,
// Help) and the display's, each built from the markup that the panel's menu
// rows render (web/tools/render-site.mjs). An item names the command it
// runs; its state, enabled and checked, is asked of the engine as its menu
// opens. keys.js hands an open menu every key; a pointer pressed outside a
// menu and its title closes it.
import { contract } from './contract.js';

// Whether command `command` is enabled and checked, in the engine's states.
function stateOf(states, command) {
  const bits = states >> (contract.states.bitsPerCommand * command);
  return { enabled: (bits & contract.states.enabled) !== 0, checked: (bits & contract.states.checked) !== 0 };
}

export class Menu {
  // `list` the menu's items, `title` the menu bar's button that opens it
  // (none for the display's menu); `states` asks the engine, whose rest
  // `rest` answers (a menu opens once it has arrived); `chosen` runs an
  // item's command.
  constructor(doc, list, title, states, rest, chosen) {
    this.doc = doc;
    this.list = list;
    this.title = title;
    this.items = [...list.querySelectorAll('[role^="menuitem"]')];
    this.accessKey = title?.dataset.accessKey ?? '';
    this.states = states;
    this.rest = rest;
    this.chosen = chosen;
    this.returnFocus = null;
    this.opening = () => {}; // the menus' one-at-a-time rule (Menus)
    this.items.forEach((item) => item.addEventListener('click', () => this.choose(item)));
    title?.addEventListener('click', () => (this.isOpen() ? this.close() : this.open()));
    doc.addEventListener('pointerdown', (event) => {
      if (this.isOpen() && !list.contains(event.target) && !title?.contains(event.target)) this.close();
    });
  }

  isOpen() {
    return !this.list.hidden;
  }

  // Opens with the focus on its first enabled item, once the engine's rest
  // can say which are; `then` after.
  open(then = () => {}) {
    this.rest.run(() => {
      this.show();
      then();
    });
  }

  show() {
    this.opening(this);
    const states = this.states();
    for (const item of this.items) {
      const state = stateOf(states, Number(item.dataset.command));
      item.disabled = !state.enabled;
      if (item.hasAttribute('aria-checked')) item.setAttribute('aria-checked', String(state.checked));
    }
    this.returnFocus = this.doc.activeElement;
    this.list.hidden = false;
    this.title?.setAttribute('aria-expanded', 'true');
    this.move(0, 1);
  }

  // Opens at the point pressed, kept inside the window. A long press may
  // bring a contextmenu event as well: the menu opens once.
  openAt(x, y) {
    if (this.isOpen()) return;
    this.open(() => {
      const box = (this.list.offsetParent ?? this.doc.body).getBoundingClientRect();
      const left = Math.min(x - box.left, box.width - this.list.offsetWidth);
      const top = Math.min(y - box.top, box.height - this.list.offsetHeight);
      this.list.style.left = `${Math.max(0, left)}px`;
      this.list.style.top = `${Math.max(0, top)}px`;
    });
  }

  close() {
    this.list.hidden = true;
    this.title?.setAttribute('aria-expanded', 'false');
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

  choose(item) {
    if (!item || item.disabled) return;
    this.close();
    this.chosen(item);
  }

  // A key while the menu is open: Esc and Tab close it, the arrows move, Enter
  // and the blank choose the item with the focus, an item's access key
  // chooses it; every other key is swallowed, but an Alt chord, which closes
  // the menu and is left to the menu bar (returns false).
  keydown(event) {
    const at = this.items.indexOf(this.doc.activeElement);
    const key = event.key.toLowerCase();
    const plain = !event.ctrlKey && !event.altKey && !event.metaKey;
    if (event.key === 'Escape' || event.key === 'Tab') {
      this.close();
    } else if (event.key === 'ArrowDown') {
      this.move(at + 1, 1);
    } else if (event.key === 'ArrowUp') {
      this.move(at < 0 ? -1 : at - 1, -1);
    } else if (event.key === 'Enter' || event.key === ' ') {
      this.choose(this.items[at]);
    } else if (plain && this.items.some((item) => item.dataset.accessKey === key)) {
      this.choose(this.items.find((item) => item.dataset.accessKey === key));
    } else if (event.altKey) {
      this.close();
      return false;
    }
    event.preventDefault();
    return true;
  }
}

// Every menu of the page, one open at a time. The menu bar's menus open
// below their titles; the display's menu where it was pressed.
export class Menus {
  constructor(doc, engine, rest, chosen) {
    const states = () => engine.states();
    this.bar = [...doc.querySelectorAll('.menubar > button[aria-haspopup="menu"]')].map(
      (title) => new Menu(doc, doc.getElementById(title.getAttribute('aria-controls')), title, states, rest, chosen),
    );
    this.display = new Menu(doc, doc.getElementById('display-menu'), null, states, rest, chosen);
    this.all = [...this.bar, this.display];
    for (const menu of this.all) {
      menu.opening = (opened) => this.all.filter((m) => m !== opened && m.isOpen()).forEach((m) => m.close());
    }
    const place = () => {
      for (const menu of this.bar) menu.list.style.left = `${menu.title.offsetLeft}px`;
    };
    new ResizeObserver(place).observe(doc.getElementById('window'));
    place();
  }

  open() {
    return this.all.find((menu) => menu.isOpen()) ?? null;
  }

  // The menu bar's menu whose title's access key is `key`, or none.
  titled(key) {
    return this.bar.find((menu) => menu.accessKey === key) ?? null;
  }

  // The item whose shortcut the key is, or none.
  shortcut(event) {
    if (event.ctrlKey || event.altKey || event.metaKey || event.shiftKey) return null;
    return this.all.flatMap((menu) => menu.items).find((item) => item.dataset.shortcut === event.key) ?? null;
  }
}
