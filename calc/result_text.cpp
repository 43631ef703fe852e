#include "calc/result_text.h"

#include <cmath>

#include "core/number_text.h"

namespace vardel {

double roundHalfEven(double value) {
  // x - trunc(x) is exact for every double, so a half is recognised exactly.
  if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
  return std::round(value);
}

std::string resultText(std::string_view unitWord, double result) {
  // formatPlain writes a negative zero (-0.4 rounded) as "0".
  return std::string(unitWord) + formatPlain(roundHalfEven(result));
}

}  // namespace vardel
