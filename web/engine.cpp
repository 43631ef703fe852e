// The calculator engine of the web panel. The page hands every key click and
// typed character to the entry points below; the engine runs the action and
// then hands the page, in one call, what the page must draw (the display, the
// indicator, the keys' states) and the events the action raised (message
// boxes, the focus moving to Enter, closing). So a key crosses into the
// engine once and back once, and no rule of the calculator lives in the page.
// The menus' commands and their boxes have their entry points in desks.cpp,
// which come to the page with the engine's rest.

#include "web/engine.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "calc/press.h"
#include "core/calculator.h"
#include "core/keyboard.h"
#include "core/panel.h"
#include "core/power_keys.h"
#include "panel/main_window.h"
#include "panel/message_box.h"
#include "panel/result_mark.h"
#include "panel/window_title.h"
#include "web/page_contract.h"

// The page's side: web/panel_library.js forwards it to the page's panel.
extern "C" void vardel_page_draw(const char* display, const char* indicator, int flags,
                                 const char* messages, const char* mark, const char* title,
                                 const char* practice);

namespace vardel::web {
namespace {

using namespace contract;

// Gathers the events of one action, for the one call that follows it.
class PagePanel : public Panel {
 public:
  void focusEnter() override { flags_ |= kFocusEnter; }
  // The page's box cannot hold the action up as a modal loop does; nothing
  // after a message in any action depends on its being dismissed, and the
  // page lets no key act while the box is open.
  void showMessage(const std::string& text, const std::string& title) override {
    // Each message is its title, a unit separator and its text; messages
    // are separated by a record separator.
    if (!messages_.empty()) messages_ += kRecord;
    messages_ += panel::messageBoxTitle(title) + kUnit + text;
  }
  void closeWindow() override { flags_ |= kClose; }

  // Hands the page the state and the events, and forgets the events. The
  // mark beside a result is what it shows, a unit separator and what a
  // screen reader says of it; empty in standard mode, as the window's title.
  // The practice strip is what its controls show, as a box's are, and empty
  // while practice is off.
  void draw(const Calculator& calculator) {
    int flags = flags_;
    if (calculator.displayShows != drawnShows_) flags |= kDisplayShown;
    if (calculator.functionKeysEnabled) flags |= kFunctionKeysEnabled;
    if (calculator.enterIsDefault) flags |= kEnterIsDefault;
    drawnShows_ = calculator.displayShows;
    const panel::ResultMark mark = rest_ ? rest_->mark() : panel::resultMark(calculator.state);
    const std::string marked =
        mark.shown.empty() ? std::string() : mark.shown + kUnit + mark.spoken;
    const std::string title = rest_ ? rest_->title() : panel::windowTitle(calculator.state);
    const std::string practice = rest_ ? rest_->strip() : std::string();
    vardel_page_draw(calculator.state.text1.c_str(), calculator.state.txtEorM.c_str(), flags,
                     messages_.c_str(), marked.c_str(), title.c_str(), practice.c_str());
    flags_ = 0;
    messages_.clear();
  }

  void join(const RestPanel& rest) { rest_ = rest; }
  // A key of the panel, through the rest's desks once they are here.
  void press(Calculator& calculator, Key key) const {
    if (rest_) return rest_->press(key);
    vardel::press(calculator, key);
  }
  void type(Calculator& calculator, std::int16_t code) const {
    if (rest_) return rest_->type(code);
    Form_KeyPress(calculator, code);
  }

 private:
  std::optional<RestPanel> rest_;
  int flags_ = 0;
  std::string messages_;
  std::uint32_t drawnShows_ = 0;
};

PagePanel thePanel;
std::optional<Calculator> theCalculator;
std::string copied;

}  // namespace

Calculator* calculator() { return theCalculator ? &*theCalculator : nullptr; }

void drawPage() {
  if (theCalculator) thePanel.draw(*theCalculator);
}

void joinRest(const RestPanel& rest) { thePanel.join(rest); }

void tellPage(const std::string& message) {
  if (!message.empty()) thePanel.showMessage(message, {});
}

std::string takenText(char* text) {
  std::string out = text != nullptr ? text : "";
  std::free(text);
  return out;
}

}  // namespace vardel::web

using vardel::web::theCalculator;
using vardel::web::thePanel;

extern "C" {

// Creates the calculator, runs the window's load step and reads the
// department values kept; the page calls it once, when the panel's markup
// stands. Returns 0 when the rest must start before the first key: a file
// is kept that only the full reader can read or refuse.
EMSCRIPTEN_KEEPALIVE int vardel_start() {
  theCalculator.emplace(thePanel);
  vardel::Form_Load(*theCalculator);
  const bool settled = vardel::web::startKeptValues(*theCalculator);
  thePanel.draw(*theCalculator);
  return settled ? 1 : 0;
}

// A click on the key of layout row `row`; rows that are no key, and keys not
// enabled, do nothing.
EMSCRIPTEN_KEEPALIVE void vardel_click(int row) {
  const auto rows = vardel::panel::panelControls();
  if (!theCalculator || row < 0 || static_cast<std::size_t>(row) >= rows.size()) return;
  const auto& control = rows[static_cast<std::size_t>(row)];
  if (!control.key || !control.visible || !vardel::panel::isEnabled(control, *theCalculator)) {
    return;
  }
  thePanel.press(*theCalculator, *control.key);
  thePanel.draw(*theCalculator);
}

// A typed character (its code; Enter is 13). Returns 1 when the window's
// character handler takes it, so that the page keeps the browser from acting
// on it too; the blank and control characters stay the browser's.
EMSCRIPTEN_KEEPALIVE int vardel_type(int code) {
  if (!theCalculator || !vardel::takesCharacter(code)) return 0;
  thePanel.type(*theCalculator, static_cast<std::int16_t>(code));
  thePanel.draw(*theCalculator);
  return 1;
}

// The engine's rest could not be fetched: the site cannot be reached, and
// this device has not kept it yet. What needed it is not done.
EMSCRIPTEN_KEEPALIVE void vardel_rest_missing() {
  vardel::web::tellPage(
      "This part of the program has not reached this device yet, and the site cannot be "
      "reached: the menus' boxes open, and department values kept on this device apply, once "
      "it can.");
  vardel::web::drawPage();
}

// What Ctrl+C copies from the display.
EMSCRIPTEN_KEEPALIVE const char* vardel_copy_text() {
  if (!theCalculator) return "";
  vardel::web::copied = std::string(vardel::copiedText(theCalculator->display()));
  return vardel::web::copied.c_str();
}

}  // extern "C"
