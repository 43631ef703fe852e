#pragma once

#include <string>
#include <string_view>

#include "panel/control.h"

namespace vardel::panel {

// What a screen reader calls a control: its accessible name, and for a hose
// key the metric size of its label too ("One inch hose, 25 millimetres").
std::string spokenName(const Control& row);

// What is said when the unit indicator changes: "Unit system M, metric".
std::string spokenUnits(std::string_view code);

}  // namespace vardel::panel
