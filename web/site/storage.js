// The site's own storage: the engine reads and writes the department file
// under the keys it names (web/site_storage.cpp), through the page; another
// tab's save arrives as a storage event.
export class SiteStorage {
  // `keys` the keys whose change in another tab the engine must read again.
  constructor(keys) {
    this.keys = keys;
  }

  load(key) {
    try {
      return window.localStorage.getItem(key);
    } catch {
      return null; // storage switched off: nothing kept
    }
  }

  replace(key, text) {
    try {
      window.localStorage.setItem(key, text);
      return true;
    } catch {
      return false;
    }
  }

  // A kept file the engine cannot read, kept under a key of its own before
  // new values are saved over it; the key, or null.
  keepAside(key, text) {
    try {
      const aside = `${key}.refused.${new Date().toISOString()}`;
      window.localStorage.setItem(aside, text);
      return aside;
    } catch {
      return null;
    }
  }

  // What the key holds, moved to a key of its own (before issued values
  // are taken in its place): copied first, then removed, so that it is
  // never lost. The new key, or null.
  setAside(key) {
    try {
      const aside = `${key}.kept.${new Date().toISOString()}`;
      window.localStorage.setItem(aside, window.localStorage.getItem(key) ?? '');
      window.localStorage.removeItem(key);
      return aside;
    } catch {
      return null;
    }
  }

  // `changed` runs when another tab saved.
  watch(changed) {
    window.addEventListener('storage', (event) => {
      if (event.key === null || this.keys.includes(event.key)) changed();
    });
  }
}
