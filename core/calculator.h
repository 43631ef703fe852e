#pragma once

#include <string>

#include "core/calculator_state.h"
#include "core/panel.h"

namespace vardel {

// The calculator state together with the panel that shows it: what every
// action works on. Texts go to the display only through show(), so the state
// and the window never disagree.
struct Calculator {
  explicit Calculator(Panel& panel_) : panel(panel_) {}

  void show(std::string text);
  void showIndicator(std::string text);
  const std::string& display() const { return state.text1; }

  CalculatorState state;
  Panel& panel;
};

}  // namespace vardel
