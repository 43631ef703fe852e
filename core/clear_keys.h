#pragma once

#include "core/calculator.h"

namespace vardel {

// ALL CLEAR: every flag, working value, the hose and the keypad back to rest,
// the step counter to 0 and "VORNA" on the display. The unit system stays.
void cmdAllClear_Click(Calculator& calculator);

// CLEAR DISPLAY: "0" on the display. The chain and any guided calculation go
// on. The point flag is cleared with the number that held the point, so that
// the corrected number may take a point again.
void cmdClearDisplay_Click(Calculator& calculator);

// The typed "C": clears the keypad (accumulator, pending operator, entry) and
// shows " 0"; a guided calculation and the unit system carry on.
void clearKeypad(Calculator& calculator);

// The typed "D": shows " 0" and clears the point flag, like CLEAR DISPLAY.
void clearDisplayTyped(Calculator& calculator);

}  // namespace vardel
