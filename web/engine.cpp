// The calculator engine of the web panel. The page implements the panel
// operations in JavaScript (web/panel_library.js forwards each one to it) and
// hands every key click and typed character to the entry points below; the
// engine decides everything, exactly as it does behind the Qt window.

#include <cstdint>
#include <optional>
#include <string>

#include "calc/enter_sequence.h"
#include "calc/press.h"
#include "core/app_info.h"
#include "core/calculator.h"
#include "core/panel.h"
#include "core/power_keys.h"
#include "ui/panel_layout.h"

// The page's side of the panel. A key is named by its row in the layout
// table, which is also what the page's markup was generated from.
extern "C" {
void vardel_panel_set_display(const char* text);
void vardel_panel_set_indicator(const char* text);
void vardel_panel_enable(int row);
void vardel_panel_make_enter_default();
void vardel_panel_focus_enter();
int vardel_panel_digit_caption(int index, char* buffer, int size);
void vardel_panel_show_message(const char* text, const char* title);
void vardel_panel_close();
}

namespace vardel::web {
namespace {

std::optional<int> rowOf(Key key) {
  const auto rows = ui::panelControls();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].key == key) return static_cast<int>(i);
  }
  return std::nullopt;
}

class PagePanel : public Panel {
 public:
  void setDisplayText(const std::string& text) override { vardel_panel_set_display(text.c_str()); }
  void setIndicatorText(const std::string& text) override {
    vardel_panel_set_indicator(text.c_str());
  }
  void enableKey(Key key) override {
    if (const std::optional<int> row = rowOf(key)) vardel_panel_enable(*row);
  }
  void makeEnterDefault() override { vardel_panel_make_enter_default(); }
  void focusEnter() override { vardel_panel_focus_enter(); }
  std::string digitCaption(int index) const override {
    char buffer[16] = {};
    const int length = vardel_panel_digit_caption(index, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
  }
  // The page's box cannot hold the action up as a modal loop does; nothing
  // after a message in any action depends on its being dismissed, and the
  // page lets no key act while the box is open.
  void showMessage(const std::string& text, const std::string& title) override {
    vardel_panel_show_message(text.c_str(), title.empty() ? app_info::kTitle : title.c_str());
  }
  void closeWindow() override { vardel_panel_close(); }
};

PagePanel thePanel;
std::optional<Calculator> theCalculator;

}  // namespace
}  // namespace vardel::web

using vardel::web::theCalculator;
using vardel::web::thePanel;

extern "C" {

// Creates the calculator and runs the window's load step; the page calls it
// once, when the panel's markup stands.
void vardel_start() {
  theCalculator.emplace(thePanel);
  vardel::Form_Load(*theCalculator);
}

// A click on the key of layout row `row`; rows that are no key do nothing.
void vardel_click(int row) {
  const auto rows = vardel::ui::panelControls();
  if (!theCalculator || row < 0 || static_cast<std::size_t>(row) >= rows.size()) return;
  const auto& control = rows[static_cast<std::size_t>(row)];
  if (control.key && control.visible) vardel::press(*theCalculator, *control.key);
}

// A typed character (its code; Enter is 13). Enter and every printable
// character but the blank go to the window's character handler, which acts
// on the calculator's and ignores the rest; returns 1 for those, so that the
// page keeps the browser from acting on them too. The blank and control
// characters stay the browser's.
int vardel_type(int code) {
  if (!theCalculator || (code != 13 && (code <= ' ' || code >= 0x7F))) return 0;
  auto character = static_cast<std::int16_t>(code);
  vardel::Form_KeyPress(*theCalculator, character);
  return 1;
}

// F2 or the display menu's item: reviews the inputs of the result shown, and
// does nothing elsewhere.
void vardel_review() {
  if (theCalculator) vardel::press(*theCalculator, vardel::Key{vardel::KeyKind::Review});
}

// Whether a review can start now: the display menu's item is enabled then.
int vardel_can_review() { return theCalculator && vardel::canReview(theCalculator->state) ? 1 : 0; }

}  // extern "C"
