#pragma once

#include <string>

#include "core/calculator_state.h"

namespace vardel::panel {

// The main window's title: empty as designed, or while a department's
// values are in force, "Department values: " and their name.
std::string windowTitle(const CalculatorState& state);

}  // namespace vardel::panel
