#include "calc/figures.h"

#include <cstddef>

#include "calc/hose_table.h"

namespace vardel {
namespace {

inline constexpr double kPerFloorEnglish = 4.3;   // psi
inline constexpr double kPerFloorMetric = 29.65;  // kPa

}  // namespace

std::optional<double> departmentFigure(const CalculatorState& state,
                                       UnitPair DepartmentValues::*pair) {
  if (state.department == nullptr) return std::nullopt;
  return (state.department->*pair).in(!isEnglish(state));
}

Figure departmentOr(const CalculatorState& state, UnitPair DepartmentValues::*pair,
                    double published) {
  if (const std::optional<double> own = departmentFigure(state, pair)) return {*own, true};
  return {published, false};
}

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
  return departmentOr(state, &DepartmentValues::perFloor,
                      isEnglish(state) ? kPerFloorEnglish : kPerFloorMetric);
}

std::optional<double> pumpLimit(const CalculatorState& state) {
  return departmentFigure(state, &DepartmentValues::pumpLimit);
}

}  // namespace vardel
