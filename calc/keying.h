#pragma once

#include <functional>
#include <string_view>

#include "calc/department_values.h"
#include "core/calculator.h"

// Keying values on the calculator as an operator keys them, for what keys
// its texts on a calculator of its own: a saved line recalled, a pump
// chart's cell, a practice problem's answer.
namespace vardel {

// A number as the keypad keys it: its digits and point, then the sign key
// for a leading "-".
void keyNumber(Calculator& calculator, std::string_view text);

// Runs `keys` on a calculator of its own, fresh from start-up on a panel
// that shows nothing, with `department`'s values in force (none: the
// published figures), and returns the state they leave.
CalculatorState keyedOnItsOwn(const DepartmentValues* department,
                              const std::function<void(Calculator&)>& keys);

}  // namespace vardel
