// The department file in the site's own storage, under the key the layout
// names: the engine reads and writes it through the page (web/site_storage.cpp),
// and another tab's save arrives as a storage event.
export class SiteStorage {
  constructor(key) {
    this.key = key;
  }

  load() {
    try {
      return window.localStorage.getItem(this.key);
    } catch {
      return null; // storage switched off: nothing kept
    }
  }

  replace(text) {
    try {
      window.localStorage.setItem(this.key, text);
      return true;
    } catch {
      return false;
    }
  }

  // A kept file the engine cannot read, kept under a key of its own before
  // new values are saved over it; the key, or null.
  keepAside(text) {
    try {
      const key = `${this.key}.refused.${new Date().toISOString()}`;
      window.localStorage.setItem(key, text);
      return key;
    } catch {
      return null;
    }
  }

  // `changed` runs when another tab saved.
  watch(changed) {
    window.addEventListener('storage', (event) => {
      if (event.key === this.key || event.key === null) changed();
    });
  }
}
