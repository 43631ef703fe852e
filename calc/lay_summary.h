#pragma once

#include <string>
#include <vector>

#include "calc/lay.h"
#include "calc/lay_result.h"

// A lay's result in a few lines, as the Lays box lists it, a screen reader
// reads it and the pump panel card prints it: one row per discharge and per
// branch, each with its flow and the pressure to set or gate it to, the
// figures rounded as the display rounds a result; then the total flow.
namespace vardel {

struct SummaryRow {
  std::string label;        // "A", "A2", or "Total" for the total flow
  std::string description;  // "200 ft of 1 3/4\", fog 150 gpm at 100 psi"
  std::string flow;         // "150 gpm"
  std::string setting;      // "sets the pump pressure, 170 psi", "gate to 85 psi"

  // "A: 200 ft of 1 3/4\", fog 150 gpm at 100 psi; 150 gpm; sets the pump
  // pressure, 170 psi", or "Total flow 511 gpm".
  std::string text() const;
};

// Behind an appliance a branch reads "152 psi at the wye", the lower of
// unequal branches "gate at the wye to 141 psi". Empty for a refused lay.
std::vector<SummaryRow> laySummary(const Lay& lay, const LayResult& result);

// The rows' texts, one a line.
std::vector<std::string> summaryLines(const std::vector<SummaryRow>& rows);

}  // namespace vardel
