#pragma once

#include <cstdint>
#include <optional>

#include "calc/department_values.h"
#include "core/calculator_state.h"

// The figures the calculations use, in the unit system in force: a
// department's own where its values are in force and it set one, else the
// published ones.
namespace vardel {

struct Figure {
  double value = 0;
  bool department = false;  // the department's own figure, not the published one
};

// The department's figure `pair` in the units in force where its values are
// in force and it set one, else `published`.
Figure departmentOr(const CalculatorState& state, UnitPair DepartmentValues::*pair,
                    double published);
// The department's figure `pair` in the units in force, or none.
std::optional<double> departmentFigure(const CalculatorState& state,
                                       UnitPair DepartmentValues::*pair);

// The friction-loss coefficient of the hose in `row` of the hose table.
Figure hoseCoefficient(const CalculatorState& state, std::int16_t row);
// The elevation pressure of one floor: 4.3 psi or 29.65 kPa published.
Figure perFloor(const CalculatorState& state);
// The pump pressure above which an engine pressure is flagged; none published.
std::optional<double> pumpLimit(const CalculatorState& state);

}  // namespace vardel
