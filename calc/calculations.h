#pragma once

#include "core/calculator_state.h"

// The formula procedures of the five calculations. Each reads its own stored
// inputs and the unit system, writes its result field and returns true. When
// a step of the formula faults (square root of a negative number, division by
// zero, overflow, an invalid operation) it returns false and leaves the result
// field as it was; the Enter key then takes its failure path.
namespace vardel {

// coefficient x (flow / lines)^2 x length, flow and length in hundreds.
bool CalcFrictionLoss(CalculatorState& state);
// Nozzle pressure + friction loss of the lay + elevation pressure.
bool CalcEnginePressure(CalculatorState& state);
// d x d x 29.71 x sqrt(P) in gpm, or x 0.0667766 in lpm.
bool CalcFRStraightTip(CalculatorState& state);
// Rated flow / sqrt(rated pressure) x sqrt(pressure), in either unit system.
bool CalcFRFogNozzle(CalculatorState& state);
// d x d x 1.57 x P in pounds, or x 0.0015 in newtons.
bool CalcRFStraightTip(CalculatorState& state);
// Q x 0.0505 x sqrt(P) in pounds, or x 0.02259 in newtons.
bool CalcRFFogNozzle(CalculatorState& state);
// Width x length / 3 in gpm, or / 0.0737 in lpm.
bool CalcAppRate(CalculatorState& state);

}  // namespace vardel
