#pragma once

#include <string>

#include "core/calculator_state.h"

namespace vardel::panel {

// What the panel shows beside a result that a department's figures went
// into ("DEPT"), beside a pump pressure above the department's pump limit
// ("OVER LIMIT") and beside a lay that needs more than its pump gives ("OVER
// CAPACITY"), and what a screen reader says of it. Both are empty
// while no such result is on the display, and always in standard mode.
struct ResultMark {
  std::string shown, spoken;
};
ResultMark resultMark(const CalculatorState& state);
// The same for a result worked out elsewhere (a lay in its box, on the card).
ResultMark markOf(bool departmentUsed, const std::string& department, bool overLimit,
                  bool overCapacity);

}  // namespace vardel::panel
