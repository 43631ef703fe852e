#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/department_values.h"
#include "calc/lay.h"
#include "calc/pump_capacity.h"

// A pump panel card: what a department tapes to its pump panel. Every saved
// line and lay with the pump pressure to set, and the gate of each other
// line of a lay, worked out with the figures in force.
namespace vardel {

struct CardEntry {
  std::string name;
  std::string pumpPressure;  // "170 psi", rounded as the display rounds; or why there is none
  bool departmentUsed = false, overLimit = false, overCapacity = false;
  std::vector<std::string> rows;  // a line's values, or a lay's discharges and gates
};

struct PumpCard {
  std::string title;                // "Pump panel card", and the department's name
  std::vector<CardEntry> entries;   // the saved lines, then the lays, each in its order
  std::vector<std::string> footer;  // whose figures, the program and the date
};

// The card of `lines` and `lays` with `department`'s values in force (none:
// the published figures), the pump's rating if known; `date` stands in the
// footer. A saved line shows what recalling it shows.
PumpCard pumpCard(const DepartmentValues* department, const std::vector<SavedLine>& lines,
                  const std::vector<Lay>& lays, std::optional<PumpRating> rating,
                  std::string_view date);

}  // namespace vardel
