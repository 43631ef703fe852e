#pragma once

#include <string>
#include <vector>

#include "calc/lay.h"
#include "calc/lay_result.h"

// A lay's result in a few lines, as the Lays box lists it, a screen reader
// reads it and the pump panel card prints it: one line per discharge and
// per branch, each with its flow and the pressure to set or gate it to, the
// figures rounded as the display rounds a result.
namespace vardel {

// "A: 200 ft of 1 3/4\", fog 150 gpm at 100 psi; 150 gpm; sets the pump
// pressure, 170 psi", "B: ...; gate to 85 psi", "A2: ...; gate at the wye to
// 141 psi", and last the total flow. Empty for a refused lay.
std::vector<std::string> laySummary(const Lay& lay, const LayResult& result);

}  // namespace vardel
