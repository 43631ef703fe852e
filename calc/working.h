#pragma once

#include <string>
#include <vector>

#include "core/calculator_state.h"

// The working of a result: how the number on the display came about, as an
// instructor writes it on the board. Written by the engine from the values
// the result used and with the formula's own terms (calc/formula_terms.h),
// so it cannot disagree with the display.
namespace vardel {

// Whether the display shows a result whose working can be shown.
bool canShowWorking(const CalculatorState& state);

// The working, line by line: the calculation and its unit system; every
// input with its unit, the coefficient and the floor figure with where they
// came from; each formula written out, then with its numbers put in, each
// intermediate term, the exact value and, last, the text on the display.
// Empty when no result is on the display.
std::vector<std::string> working(const CalculatorState& state);

}  // namespace vardel
