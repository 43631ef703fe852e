#pragma once

#include <string_view>

#include "panel/control.h"

namespace vardel::panel {

// The boxes that show the numbers behind a result, as designed, one row per
// control: what their texts, lists and grid show comes from
// panel/working_desk.h.

// "Working": the working of the result on the display, as text to read,
// select and copy; Copy and Close.
const Dialog& workingBox();

// "Pump chart": the lay (a saved line or typed in: units, hose, nozzle
// pressure, lines, floors, the flows and the lengths), the paper, the
// chart's heading and its grid; Copy, Print, Save PDF and Close.
const Dialog& chartBox();

// The characters beyond ASCII that the engine's working and chart texts
// write (calc/working.cpp, department/pump_chart.cpp): the web panel's font
// subset carries them.
inline constexpr std::string_view kWorkingSymbols = "×÷√²→";

}  // namespace vardel::panel
