#pragma once

#include <string>
#include <string_view>

namespace vardel {

// value rounded to a whole number, an exact half going to the even
// neighbour (184.5 -> 184, 185.5 -> 186, -2.5 -> -2). Independent of the
// floating-point rounding mode.
double roundHalfEven(double value);

// The display text of a result: the unit word ("GPM ", "kPa ", ...) and the
// rounded result in plain format, never "-0".
std::string resultText(std::string_view unitWord, double result);

}  // namespace vardel
