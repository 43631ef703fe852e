#include "calc/lay_figures.h"

#include "calc/department_values.h"

namespace vardel {

LayFigures layFigures(const DepartmentValues* department, bool metric) {
  // The calculator's figures depend on the units and the department alone.
  CalculatorState units;
  units.strEorM = metric ? kMetricUnits : kEnglishUnits;
  units.department = department;
  LayFigures f;
  f.metric = metric;
  for (std::size_t row = 0; row < kHoses.size(); ++row) {
    f.coefficients[row] = hoseCoefficient(units, static_cast<std::int16_t>(row));
  }
  f.perFloor = perFloor(units);
  f.perHeight = kWaterPerHeight.in(metric);
  f.appliances = applianceLosses(units);
  f.pumpLimit = pumpLimit(units);
  f.rating = pumpRating(units);
  f.departmentName = department != nullptr ? department->name : std::string();
  return f;
}

}  // namespace vardel
