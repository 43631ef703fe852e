// The choice between the large keys and the designed panel. The style sheet
// shows the large keys by default on a small touch screen (the query the
// menu item carries); the menu item switches, and the device remembers the
// choice. installArrangement returns the item's access key and its switch. The choice is a class on the root element: large-keys or
// designed-keys, none while the default holds.
const STORE = 'vardel-keys';

function stored() {
  try {
    return localStorage.getItem(STORE);
  } catch {
    return null; // storage refused: the default holds
  }
}

function store(choice) {
  try {
    localStorage.setItem(STORE, choice);
  } catch {
    // the choice holds for this visit only
  }
}

export function installArrangement(doc) {
  const root = doc.documentElement;
  const item = doc.getElementById('large-keys-item');
  if (!item) return null;
  const byDefault = window.matchMedia(item.dataset.defaultWhen);
  const large = () => root.classList.contains('large-keys') || (byDefault.matches && !root.classList.contains('designed-keys'));
  const show = () => item.setAttribute('aria-checked', String(large()));
  const choose = (choice) => {
    root.classList.toggle('large-keys', choice === 'large');
    root.classList.toggle('designed-keys', choice === 'designed');
    show();
  };
  const choice = stored();
  if (choice === 'large' || choice === 'designed') choose(choice);
  show();
  byDefault.addEventListener('change', show);

  const toggle = () => {
    const choice = large() ? 'designed' : 'large';
    store(choice);
    choose(choice);
  };
  item.addEventListener('click', toggle);
  // Its access key (Alt+L) reaches it through keys.js.
  return { accessKey: item.dataset.accessKey, toggle };
}
