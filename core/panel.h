#pragma once

#include <string>

#include "core/key.h"

namespace vardel {

// What the logic asks of the panel that shows it. Abstract so that the logic
// runs without a window in tests; the real implementation is the Qt window.
class Panel {
 public:
  virtual ~Panel() = default;

  virtual void setDisplayText(const std::string& text) = 0;
  virtual void setIndicatorText(const std::string& text) = 0;
  virtual void enableKey(Key key) = 0;
  // Makes cmdEnter the key that the keyboard's Enter presses.
  virtual void makeEnterDefault() = 0;
  virtual void focusEnter() = 0;
  // The caption of the key Command1(index); the digit action appends it.
  virtual std::string digitCaption(int index) const = 0;
  // A modal box with one OK button. An empty title means the program's title.
  virtual void showMessage(const std::string& text, const std::string& title) = 0;
  // Closes the main window, which ends the program.
  virtual void closeWindow() = 0;
};

}  // namespace vardel
