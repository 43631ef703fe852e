#pragma once

#include <array>
#include <optional>
#include <string>

#include "calc/appliance_losses.h"
#include "calc/figures.h"
#include "calc/formula_terms.h"
#include "calc/hose_table.h"
#include "calc/pump_capacity.h"

// The figures a lay is worked out with, in its unit system: the same as the
// calculator's (a department's where its values are in force and it set one)
// and the lay's own, the appliance losses and the pump's rating.
namespace vardel {

// The pressure of a column of water as the driver/operator courses teach it:
// 0.434 psi per foot, 9.81 kPa per metre.
inline constexpr formula::Constant kWaterPerHeight{0.434, 9.81};

struct LayFigures {
  bool metric = false;
  std::array<Figure, kHoses.size()> coefficients{};  // by row of the hose table
  Figure perFloor{};
  double perHeight = 0;  // psi per ft or kPa per m
  ApplianceLosses appliances{};
  std::optional<double> pumpLimit;
  std::optional<PumpRating> rating;  // where the department set it
  std::string departmentName;        // whose the department's figures are
};

// The figures in force with `department`'s values (none: the published ones)
// for a lay in metric or English units.
LayFigures layFigures(const DepartmentValues* department, bool metric);

}  // namespace vardel
