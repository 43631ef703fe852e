// The calls that the engine makes to the page, forwarded to the page's
// panel object (web/site/panel.js), which the page hands to the module
// factory as `panel`: the one call after each action, the Department
// menu's (web/site/department.js) calls, the site's storage among them, and
// the working's and the pump chart's (web/site/working.js).
// Plain C functions: no generated glue, nothing evaluated.
mergeInto(LibraryManager.library, {
  vardel_page_draw: function (display, indicator, flags, messages, mark) {
    Module['panel'].draw(UTF8ToString(display), UTF8ToString(indicator), flags, UTF8ToString(messages), UTF8ToString(mark));
  },
  vardel_page_department: function (title, menu, box, shown) {
    Module['panel'].department.draw(UTF8ToString(title), menu, UTF8ToString(box), UTF8ToString(shown));
  },
  vardel_page_working: function (box, shown) {
    Module['panel'].working.draw(UTF8ToString(box), UTF8ToString(shown));
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
  vardel_storage_load__deps: ['$stringToNewUTF8'],
  vardel_storage_load: function () {
    const text = Module['panel'].department.load();
    return text === null ? 0 : stringToNewUTF8(text);
  },
  vardel_storage_replace: function (text) {
    return Module['panel'].department.replace(UTF8ToString(text)) ? 1 : 0;
  },
  vardel_storage_keep_aside__deps: ['$stringToNewUTF8'],
  vardel_storage_keep_aside: function (text) {
    const key = Module['panel'].department.keepAside(UTF8ToString(text));
    return key === null ? 0 : stringToNewUTF8(key);
  },
});
