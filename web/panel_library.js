// The one call that the engine makes to the page after each action,
// forwarded to the page's panel object (web/site/panel.js), which the page
// hands to the module factory as `panel`. A plain C function: no generated
// glue, nothing evaluated.
mergeInto(LibraryManager.library, {
  vardel_page_draw: function (display, indicator, flags, messages) {
    Module['panel'].draw(UTF8ToString(display), UTF8ToString(indicator), flags, UTF8ToString(messages));
  },
});
