#pragma once

#include <cstdint>

#include "core/calculator.h"

namespace vardel {

// A digit or the point, Command1(index): builds the number being keyed as
// display text, a blank followed by the keyed characters: the key's caption
// is what it appends.
void Command1_Click(Calculator& calculator, std::int16_t index);

// An operator, command2(index): applies the pending operator to the
// accumulator, left to right without precedence, and shows the running result.
void command2_Click(Calculator& calculator, std::int16_t index);

}  // namespace vardel
