// The panel operations that the engine calls, forwarded to the page's panel
// object (web/site/panel.js), which the page hands to the module factory as
// `panel`. Plain C functions: no generated glue, nothing evaluated.
mergeInto(LibraryManager.library, {
  vardel_panel_set_display: function (text) {
    Module['panel'].setDisplayText(UTF8ToString(text));
  },
  vardel_panel_set_indicator: function (text) {
    Module['panel'].setIndicatorText(UTF8ToString(text));
  },
  vardel_panel_enable: function (row) {
    Module['panel'].enableKey(row);
  },
  vardel_panel_make_enter_default: function () {
    Module['panel'].makeEnterDefault();
  },
  vardel_panel_focus_enter: function () {
    Module['panel'].focusEnter();
  },
  vardel_panel_digit_caption: function (index, buffer, size) {
    return stringToUTF8(Module['panel'].digitCaption(index), buffer, size);
  },
  vardel_panel_show_message: function (text, title) {
    Module['panel'].showMessage(UTF8ToString(text), UTF8ToString(title));
  },
  vardel_panel_close: function () {
    Module['panel'].closeWindow();
  },
});
