#include "calc/figures.h"

#include <cstddef>

#include "calc/department_values.h"
#include "calc/hose_table.h"

namespace vardel {
namespace {

inline constexpr double kPerFloorEnglish = 4.3;   // psi
inline constexpr double kPerFloorMetric = 29.65;  // kPa

// The department's figure from `pair` in the units in force, if it is in
// force and set one.
std::optional<double> departments(const CalculatorState& state, UnitPair DepartmentValues::*pair) {
  if (state.department == nullptr) return std::nullopt;
  return (state.department->*pair).in(!isEnglish(state));
}

}  // namespace

Figure hoseCoefficient(const CalculatorState& state, std::int16_t row) {
  if (!isHoseRow(row)) return {};
  const auto at = static_cast<std::size_t>(row);
  if (state.department != nullptr) {
    if (const std::optional<double> own = state.department->hoses[at].in(!isEnglish(state))) {
      return {*own, true};
    }
  }
  return {isEnglish(state) ? kHoses[at].englishCoefficient : kHoses[at].metricCoefficient, false};
}

Figure perFloor(const CalculatorState& state) {
  if (const std::optional<double> own = departments(state, &DepartmentValues::perFloor)) {
    return {*own, true};
  }
  return {isEnglish(state) ? kPerFloorEnglish : kPerFloorMetric, false};
}

std::optional<double> pumpLimit(const CalculatorState& state) {
  return departments(state, &DepartmentValues::pumpLimit);
}

}  // namespace vardel
