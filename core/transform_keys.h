#pragma once

#include "core/calculator.h"

// The four keys that transform the number on the display. They write only the
// display, in plain format, change no other field and leave the focus alone.
// A display that is not one number (the brand text, a prompt, a lone point)
// is left as it is: the key does nothing.
namespace vardel {

void cmdSqRoot_Click(Calculator& calculator);
void cmdSquared_Click(Calculator& calculator);
// Percent of the accumulator under the pending operator, or the display / 100
// when the accumulator is 0.
void cmdPercent_Click(Calculator& calculator);
// Inside a guided calculation, negates the number after the first blank, so
// "GPM 185" turns into -185.
void cmdPosNeq_Click(Calculator& calculator);

}  // namespace vardel
