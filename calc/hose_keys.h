#pragma once

#include <cstdint>

#include "core/calculator.h"

namespace vardel {

// The hose key kHoses[index]: records the hose's friction-loss coefficient in
// the units in force and shows its size; the Enter that answers "HOSE SIZE"
// takes it over. With no calculation armed it only shows "ERROR". Either way
// Enter gets the focus. An index outside the table does nothing.
void cmdHose_Click(Calculator& calculator, std::int16_t index);

}  // namespace vardel
