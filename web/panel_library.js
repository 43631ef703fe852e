// The calls that the engine makes to the page, forwarded to the page's
// panel object (web/site/panel.js), which the page hands to the module
// factory as `panel`: the one call after each action, and the Department
// menu's (web/site/department.js) calls, the site's storage among them.
// Plain C functions: no generated glue, nothing evaluated.
mergeInto(LibraryManager.library, {
  vardel_page_draw: function (display, indicator, flags, messages, mark) {
    Module['panel'].draw(UTF8ToString(display), UTF8ToString(indicator), flags, UTF8ToString(messages), UTF8ToString(mark));
  },
  vardel_page_department: function (title, menu, box, shown) {
    Module['panel'].department.draw(UTF8ToString(title), menu, UTF8ToString(box), UTF8ToString(shown));
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
