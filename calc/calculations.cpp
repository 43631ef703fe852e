#include "calc/calculations.h"

#include <cmath>

#include "calc/formula_terms.h"

namespace vardel {
namespace {

// Every stored input is a finite number, and no formula below divides by a
// quantity that could have become infinite on the way. So a fault at any step
// (an overflow to infinity, the NaN of an invalid operation or of the square
// root of a negative number) carries through to the final value, and checking
// that one value catches every fault. Divisions by zero are refused before
// they happen.
bool store(double& field, double value) {
  if (!std::isfinite(value)) return false;
  field = value;
  return true;
}

}  // namespace

bool CalcFrictionLoss(CalculatorState& state) {
  WorkingValues& w = state.working;
  if (w.dblFrictionLossLines == 0) return false;
  return store(w.dblFrictionLossResult,
               formula::layLoss(w.dblFrictionLossFlow, w.dblFrictionLossLines,
                                w.dblFrictionLossCoefficient, w.dblFrictionLossLength)
                   .loss);
}

bool CalcEnginePressure(CalculatorState& state) {
  WorkingValues& w = state.working;
  if (w.dblEnginePressureLines == 0) return false;
  const double loss = formula::layLoss(w.dblEnginePressureFlow, w.dblEnginePressureLines,
                                       w.dblEnginePressureCoefficient, w.dblEnginePressureLength)
                          .loss;
  if (!std::isfinite(loss)) return false;
  return store(w.dblEnginePressureResult,
               formula::enginePressure(loss, w.dblEnginePressureNozzlePressure,
                                       w.dblEnginePressureElevation));
}

bool CalcFRStraightTip(CalculatorState& state) {
  WorkingValues& w = state.working;
  return store(w.dblFRStraightTipResult,
               formula::straightTipFlow(w.dblFRStraightTipDiameter, w.dblFRStraightTipPressure,
                                        formula::kTipFlow.in(!isEnglish(state)))
                   .result);
}

bool CalcFRFogNozzle(CalculatorState& state) {
  WorkingValues& w = state.working;
  if (std::sqrt(w.dblFRFogNozzleRatedPressure) == 0) return false;
  return store(w.dblFRFogNozzleResult,
               formula::fogFlow(w.dblFRFogNozzleRatedFlow, w.dblFRFogNozzleRatedPressure,
                                w.dblFRFogNozzlePressure)
                   .result);
}

bool CalcRFStraightTip(CalculatorState& state) {
  WorkingValues& w = state.working;
  return store(w.dblRFStraightTipResult,
               formula::straightTipReaction(w.dblRFStraightTipDiameter, w.dblRFStraightTipPressure,
                                            formula::kTipReaction.in(!isEnglish(state)))
                   .result);
}

bool CalcRFFogNozzle(CalculatorState& state) {
  WorkingValues& w = state.working;
  return store(w.dblRFFogNozzleResult,
               formula::fogReaction(w.dblRFFogNozzleFlow, w.dblRFFogNozzlePressure,
                                    formula::kFogReaction.in(!isEnglish(state)))
                   .result);
}

bool CalcAppRate(CalculatorState& state) {
  WorkingValues& w = state.working;
  return store(w.dblAppRateResult, formula::appRate(w.dblAppRateLength, w.dblAppRateWidth,
                                                    formula::kAreaPerFlow.in(!isEnglish(state)))
                                       .result);
}

}  // namespace vardel
