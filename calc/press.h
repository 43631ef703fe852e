#pragma once

#include <cstdint>

#include "core/calculator.h"
#include "core/key.h"

namespace vardel {

// Runs the action of one key of the panel: the one entry point through which
// the window, the keyboard and the tests reach the calculator.
void press(Calculator& calculator, Key key);

// The window's character handler: runs the key that a typed character stands
// for (Enter, digits, point, operators, C and D); other characters do nothing.
// The code is never changed.
void Form_KeyPress(Calculator& calculator, std::int16_t& KeyAscii);

}  // namespace vardel
