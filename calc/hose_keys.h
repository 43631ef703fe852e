#pragma once

#include <cstdint>
#include <string_view>

#include "core/calculator.h"

namespace vardel {

// The hose key kHoses[index]: records the hose's friction-loss coefficient in
// the units in force and shows its size; the Enter that answers "HOSE SIZE"
// takes it over. With no calculation armed it only shows "ERROR", and the
// next digit starts a new number. Either way Enter gets the focus. An index
// outside the table does nothing.
void cmdHose_Click(Calculator& calculator, std::int16_t index);

// Makes the hose in `row` the selected one: its coefficient in the units in
// force (calc/figures.h), its size text and its row.
void selectHose(CalculatorState& state, std::int16_t row);

// Whether `text` names the hose in `row`: its size text, or what its key
// shows in either unit system.
bool namesHose(std::string_view text, std::int16_t row);

}  // namespace vardel
