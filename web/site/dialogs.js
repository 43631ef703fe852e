// The modal boxes: the message box with one OK button, and the About box.
// While one is open the rest of the page is inert and keys.js hands every
// key to keydown() below, so no key of the calculator acts.

export class Dialogs {
  constructor(doc) {
    this.doc = doc;
    this.message = doc.getElementById('message');
    this.about = doc.getElementById('frmAbout');
    this.queue = [];
    this.afterClose = null;
    this.returnFocus = null;
    for (const box of [this.message, this.about]) {
      box.querySelector('button').addEventListener('click', () => box.close());
      box.addEventListener('close', () => this.closed());
    }
  }

  isOpen() {
    return this.message.open || this.about.open;
  }

  // A key while a box is open: Enter closes it wherever its focus is; Esc
  // closes it natively.
  keydown(event) {
    if (event.key !== 'Enter' || event.isComposing) return;
    event.preventDefault();
    (this.message.open ? this.message : this.about).close();
  }

  focusAfterClose(element) {
    this.afterClose = element;
  }

  showMessage(text, title) {
    this.queue.push({ text, title });
    if (!this.isOpen()) this.showNext();
  }

  // The About box's texts, the program's title and version among them,
  // stand in its markup.
  showAbout() {
    if (!this.isOpen()) this.open(this.about);
  }

  showNext() {
    const next = this.queue.shift();
    if (!next) return;
    this.message.querySelector('[data-name="title"]').textContent = next.title;
    this.message.querySelector('[data-name="message"]').textContent = next.text;
    this.open(this.message);
  }

  open(box) {
    if (this.returnFocus === null) this.returnFocus = this.doc.activeElement;
    box.showModal();
    box.querySelector('button').focus();
  }

  closed() {
    if (this.queue.length > 0) {
      this.showNext();
      return;
    }
    const target = this.afterClose || this.returnFocus;
    this.afterClose = null;
    this.returnFocus = null;
    if (target && target !== this.doc.body && typeof target.focus === 'function') {
      target.focus({ preventScroll: true });
    }
  }
}
