#pragma once

#include "core/calculator.h"

// The seven function keys. Each clears the calculator (ALL CLEAR), arms its
// own calculation, shows the first prompt in the units in force and gives
// Enter the focus. Pressed in the middle of a sequence, a key starts afresh.
namespace vardel {

void cmdStraightTipFR_Click(Calculator& calculator);
void cmdfognozzleFR_Click(Calculator& calculator);
void cmdStraightTipRF_Click(Calculator& calculator);
void cmdFogNozzleRF_Click(Calculator& calculator);
void cmdApplicRate_Click(Calculator& calculator);
void cmdFrictionLoss_Click(Calculator& calculator);
void cmdEnginePressure_Click(Calculator& calculator);

}  // namespace vardel
