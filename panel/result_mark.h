#pragma once

#include <string>

#include "core/calculator_state.h"

namespace vardel::panel {

// What the panel shows beside a result that a department's figures went
// into ("DEPT"), and beside an engine pressure above the department's pump
// limit ("OVER LIMIT"), and what a screen reader says of it. Both are empty
// while no such result is on the display, and always in standard mode.
struct ResultMark {
  std::string shown, spoken;
};
ResultMark resultMark(const CalculatorState& state);

}  // namespace vardel::panel
