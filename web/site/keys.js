// Every key pressed on the page, and every click and tap on the panel's
// keys and the practice strip's, reach the engine here, in one place. The one keyboard dispatcher
// hands each key to what holds the keyboard: an open message box or About
// box, an open box of a menu, an open menu; else the menu bar's access keys
// (Alt and a menu's letter, Alt+L for the large keys), the menus' shortcuts
// (F2, F3), Tab, Ctrl+C (the display copied), and the characters the
// calculator types. A right click or a long press on the display opens its
// menu. What waits for the engine's rest holds the keys behind it.
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

// Tab follows the designed order (the markup is written in it) and wraps
// around within the panel and the practice strip below it, as it does in a
// window.
function moveFocus(doc, step) {
  const stops = '#panel button.key, #fraPractice:not([hidden]) [tabindex], #fraPractice:not([hidden]) button';
  const keys = [...doc.querySelectorAll(stops)].filter((key) => !key.disabled && !key.hidden);
  if (keys.length === 0) return;
  const at = keys.indexOf(document.activeElement);
  const next = at < 0 ? (step > 0 ? 0 : keys.length - 1) : (at + step + keys.length) % keys.length;
  keys[next].focus();
}

// Ctrl+C: what the engine says the display copies as.
function copy(text) {
  if (navigator.clipboard) navigator.clipboard.writeText(text).catch(() => {});
}

// Alt and a letter: the menu bar's menu of that access key opens (unless
// it is the one the chord just closed), or the large keys switch.
function altChord(event, menus, arrangement, closed) {
  if (!event.altKey || event.ctrlKey || event.metaKey) return false;
  const key = event.key.toLowerCase();
  const menu = menus.titled(key);
  if (menu) {
    if (menu !== closed) menu.open();
  } else if (arrangement && key === arrangement.accessKey) {
    arrangement.toggle();
  } else {
    return closed !== null;
  }
  return true;
}

// A text field of an open box takes a replayed character as typing would.
function typeInto(field, key) {
  if (!field.matches('input:not([readonly]), textarea:not([readonly])') || key.length !== 1) return;
  field.setRangeText(key, field.selectionStart, field.selectionEnd, 'end');
  field.dispatchEvent(new Event('input', { bubbles: true }));
}

export function installKeys(doc, { engine, dialogs, boxes, menus, commands, arrangement, rest }) {
  const panelElement = doc.getElementById('panel');

  // While something waits for the engine's rest (a menu, a box, a command),
  // the keys pressed and the panel's keys clicked wait behind it, and are
  // handed on, in order, once it has run: none is lost, and none acts
  // before it. A click on the panel then counts only while no box holds the
  // window, as it would have.
  const held = [];
  const replay = () => {
    for (const input of held.splice(0)) {
      if (input.row !== undefined) {
        if (!dialogs.isOpen() && !boxes.isOpen()) engine.click(input.row);
        continue;
      }
      const target = doc.activeElement ?? doc.body;
      const event = new KeyboardEvent('keydown', { ...input, bubbles: true, cancelable: true });
      if (target.dispatchEvent(event) && !input.ctrlKey && !input.altKey && !input.metaKey) {
        typeInto(target, input.key);
      }
    }
  };
  rest.whenSettled(replay);
  const hold = (event) => {
    const { key, code, altKey, ctrlKey, metaKey, shiftKey } = event;
    held.push({ key, code, altKey, ctrlKey, metaKey, shiftKey });
    event.preventDefault();
  };

  panelElement.addEventListener('click', (event) => {
    const key = event.target.closest('button[data-row]');
    if (!key || key.disabled) return;
    if (rest.holding()) held.push({ row: Number(key.dataset.row) });
    else engine.click(Number(key.dataset.row));
  });

  // The practice strip's key (Leave practice).
  doc.getElementById('fraPractice')?.addEventListener('click', (event) => {
    const key = event.target.closest('button');
    if (key) engine.practice(key.dataset.name);
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
    if (event.target.closest('[data-name="text1"]')) menus.display.openAt(event.clientX, event.clientY);
  });
  onLongPress(doc.querySelector('[data-name="text1"]'), (x, y) => menus.display.openAt(x, y));

  doc.addEventListener('keydown', (event) => {
    if (event.defaultPrevented) return;
    if (rest.holding()) {
      hold(event);
      return;
    }
    if (dialogs.isOpen()) {
      dialogs.keydown(event);
      return;
    }
    // Keys typed in a box stay there.
    if (boxes.isOpen()) {
      boxes.keydown(event);
      return;
    }
    const open = menus.open();
    if (open && open.keydown(event)) return;
    if (altChord(event, menus, arrangement, open)) {
      event.preventDefault();
      return;
    }
    const shortcut = menus.shortcut(event);
    if (shortcut) {
      event.preventDefault();
      commands.run(shortcut);
      return;
    }
    if (event.key === 'Tab' && !event.ctrlKey && !event.altKey && !event.metaKey) {
      event.preventDefault();
      moveFocus(doc, event.shiftKey ? -1 : 1);
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
