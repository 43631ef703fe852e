#pragma once

#include <string>

#include "calc/lay.h"
#include "core/calculator.h"

namespace vardel {

// Puts the pump pressure of `lay` on the display as a result ("PSI 170"),
// worked out with the figures in force for the calculator, and keeps its
// marks and its working for the panel and F3. The calculator switches to
// the lay's units first, as a saved line's recall does, and clears as a
// function key does; a digit then starts a new number. No calculation is
// armed, so Enter and F2 do nothing on it. A lay that gives no result
// changes nothing, and the text says why; else it is empty.
std::string showLay(Calculator& calculator, const Lay& lay);

}  // namespace vardel
