#pragma once

#include <string_view>

#include "panel/control.h"

namespace vardel::panel {

// "Working", as designed: the working of the result on the display, as
// text to read, select and copy; Copy and Close. What its text shows comes
// from panel/working_desk.h.
const Dialog& workingBox();

namespace working_box {
inline constexpr std::string_view kWorking = "txtWorking";
inline constexpr std::string_view kCopy = "cmdCopy";
inline constexpr std::string_view kClose = "cmdClose";
}  // namespace working_box

// The characters beyond ASCII that the engine's working and chart texts
// write (calc/working.cpp, department/pump_chart.cpp): the web panel's font
// subset carries them.
inline constexpr std::string_view kWorkingSymbols = "×÷√²→";

}  // namespace vardel::panel
