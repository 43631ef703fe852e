#include "panel/field_text.h"

#include <cmath>

#include "core/number_text.h"

namespace vardel::panel {

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string fieldText(double value) {
  if (value == 0 || !std::isfinite(value)) return formatPlain(value);
  const double scale = std::pow(10.0, 4 - std::floor(std::log10(std::fabs(value))));
  return formatPlain(std::round(value * scale) / scale);
}

}  // namespace vardel::panel
