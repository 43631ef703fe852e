#pragma once

#include <cstdint>
#include <string>

#include "core/calculator_state.h"
#include "core/panel.h"

namespace vardel {

// The calculator state together with the panel that raises its events: what
// every action works on. Texts go to the display only through show(), which
// counts them, so that a front end can tell a new text, the same one again
// included, from none.
struct Calculator {
  explicit Calculator(Panel& panel_) : panel(panel_) {}

  void show(std::string text);
  void showIndicator(std::string text);
  const std::string& display() const { return state.text1; }

  CalculatorState state;
  Panel& panel;
  std::uint32_t displayShows = 0;  // texts the display has been given, wrapping round

  // Set by start-up, and never undone: the keys that start-up enables are
  // enabled, and Enter is the key that the keyboard's Enter presses.
  bool functionKeysEnabled = false;
  bool enterIsDefault = false;
};

}  // namespace vardel
