// The panel operations that the engine asks of the page: the page's side of
// the Panel interface that the Qt window implements on the desktop. Each
// operation only shows what the engine decided; no rule of the calculator
// lives here.

export class PagePanel {
  constructor(doc, dialogs) {
    this.doc = doc;
    this.dialogs = dialogs;
    this.display = doc.querySelector('[data-name="text1"]');
    this.indicator = doc.querySelector('[data-name="txtEorM"]');
    this.enter = doc.querySelector('.key.enter');
    this.keysByRow = new Map();
    for (const key of doc.querySelectorAll('button[data-row]')) {
      this.keysByRow.set(Number(key.dataset.row), key);
    }
    this.enterIsDefault = false;
  }

  setDisplayText(text) {
    this.display.textContent = text;
  }

  setIndicatorText(text) {
    this.indicator.value = text;
  }

  enableKey(row) {
    const key = this.keysByRow.get(row);
    if (key) key.disabled = false;
  }

  makeEnterDefault() {
    this.enterIsDefault = true;
    this.enter.classList.add('default');
  }

  // While a box is open the focus belongs to it; Enter takes the focus when
  // the box closes.
  focusEnter() {
    if (this.dialogs.isOpen()) this.dialogs.focusAfterClose(this.enter);
    else if (this.doc.activeElement !== this.enter) this.enter.focus({ preventScroll: true });
  }

  digitCaption(index) {
    const key = this.doc.querySelector(`[data-name="Command1(${index})"]`);
    return key ? key.textContent : '';
  }

  showMessage(text, title) {
    this.dialogs.showMessage(text, title);
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
