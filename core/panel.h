#pragma once

#include <string>

namespace vardel {

// The events that the logic raises on the panel that shows it, in the middle
// of an action. What the state holds (the display, the indicator, the keys
// enabled) is no event: a front end draws it from the state once the action
// is done. Abstract so that the logic runs without a window in tests; the
// real implementations are the Qt window and the web page.
class Panel {
 public:
  virtual ~Panel() = default;

  // The keyboard focus moves to cmdEnter.
  virtual void focusEnter() = 0;
  // A modal box with one OK button. An empty title means the program's title.
  virtual void showMessage(const std::string& text, const std::string& title) = 0;
  // Closes the main window, which ends the program.
  virtual void closeWindow() = 0;
};

}  // namespace vardel
