// The calls that the engine makes to the page, forwarded to the page's
// panel object (web/site/panel.js), which the page hands to the module
// factory as `panel`: the one call after each action, the one after each
// command or action in a box (web/site/boxes.js), the site's storage
// (web/site/storage.js), and the browser's language, date and address.
// Plain C functions: no generated glue, nothing evaluated. Emscripten
// exports what the page calls from the engine by the entry points' own
// EMSCRIPTEN_KEEPALIVE; the library functions used here name their own
// dependencies below.
mergeInto(LibraryManager.library, {
  vardel_page_draw: function (display, indicator, flags, messages, mark, title, practice) {
    Module['panel'].draw(UTF8ToString(display), UTF8ToString(indicator), flags, UTF8ToString(messages), UTF8ToString(mark),
      UTF8ToString(title), UTF8ToString(practice));
  },
  vardel_page_boxes: function (box, shown, page) {
    Module['panel'].boxes.draw(UTF8ToString(box), UTF8ToString(shown), UTF8ToString(page));
  },
  vardel_page_language__deps: ['$stringToNewUTF8'],
  vardel_page_language: function () {
    return stringToNewUTF8(navigator.language || '');
  },
  vardel_page_today__deps: ['$stringToNewUTF8'],
  vardel_page_today: function () {
    const now = new Date();
    const two = (n) => String(n).padStart(2, '0');
    return stringToNewUTF8(`${now.getFullYear()}-${two(now.getMonth() + 1)}-${two(now.getDate())}`);
  },
  vardel_page_address__deps: ['$stringToNewUTF8'],
  vardel_page_address: function () {
    return stringToNewUTF8(location.href.split('#')[0]);
  },
  vardel_storage_load__deps: ['$stringToNewUTF8'],
  vardel_storage_load: function (key) {
    const text = Module['panel'].storage.load(UTF8ToString(key));
    return text === null ? 0 : stringToNewUTF8(text);
  },
  vardel_storage_replace: function (key, text) {
    return Module['panel'].storage.replace(UTF8ToString(key), UTF8ToString(text)) ? 1 : 0;
  },
  vardel_storage_keep_aside__deps: ['$stringToNewUTF8'],
  vardel_storage_keep_aside: function (key, text) {
    const aside = Module['panel'].storage.keepAside(UTF8ToString(key), UTF8ToString(text));
    return aside === null ? 0 : stringToNewUTF8(aside);
  },
  vardel_storage_set_aside__deps: ['$stringToNewUTF8'],
  vardel_storage_set_aside: function (key) {
    const aside = Module['panel'].storage.setAside(UTF8ToString(key));
    return aside === null ? 0 : stringToNewUTF8(aside);
  },
});
