#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/department_values.h"
#include "calc/lay_summary.h"

// A pump panel card: what a department tapes to its pump panel. Every saved
// line and lay with the pump pressure to set, and the gate of each other
// line of a lay, worked out with the figures in force.
namespace vardel {

struct CardEntry {
  std::string name;
  bool lay = false;          // a lay, else a saved line
  std::string pumpPressure;  // "170 psi", rounded as the display rounds; or why there is none
  bool departmentUsed = false, overLimit = false, overCapacity = false;
  // A line's values in one row; a lay's discharges, branches and total flow.
  std::vector<SummaryRow> rows;
};

struct PumpCard {
  std::string title;                // "Pump panel card", and the department's name
  std::vector<CardEntry> entries;   // the saved lines, then the lays, each in its order
  std::vector<std::string> footer;  // whose figures, the program and the date
};

// The card of `values`' saved lines and lays, worked out with the figures
// of `inForce` (none: the published ones); `date` stands in the footer. A
// saved line shows what recalling it shows.
PumpCard pumpCard(const DepartmentValues& values, const DepartmentValues* inForce,
                  std::string_view date);

}  // namespace vardel
