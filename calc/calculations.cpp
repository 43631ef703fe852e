#include "calc/calculations.h"

#include <cmath>

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
  const double q = w.dblFrictionLossFlow / w.dblFrictionLossLines;
  return store(w.dblFrictionLossResult,
               q * q * w.dblFrictionLossCoefficient * w.dblFrictionLossLength);
}

bool CalcEnginePressure(CalculatorState& state) {
  WorkingValues& w = state.working;
  if (w.dblEnginePressureLines == 0) return false;
  const double q = w.dblEnginePressureFlow / w.dblEnginePressureLines;
  const double frictionLoss = q * q * w.dblEnginePressureCoefficient * w.dblEnginePressureLength;
  if (!std::isfinite(frictionLoss)) return false;
  return store(w.dblEnginePressureResult,
               frictionLoss + w.dblEnginePressureNozzlePressure + w.dblEnginePressureElevation);
}

bool CalcFRStraightTip(CalculatorState& state) {
  WorkingValues& w = state.working;
  const double coefficient = isEnglish(state) ? 29.71 : 0.0667766;
  const double d = w.dblFRStraightTipDiameter;
  return store(w.dblFRStraightTipResult,
               d * d * coefficient * std::sqrt(w.dblFRStraightTipPressure));
}

bool CalcFRFogNozzle(CalculatorState& state) {
  WorkingValues& w = state.working;
  const double ratedRoot = std::sqrt(w.dblFRFogNozzleRatedPressure);
  if (ratedRoot == 0) return false;
  return store(w.dblFRFogNozzleResult,
               w.dblFRFogNozzleRatedFlow / ratedRoot * std::sqrt(w.dblFRFogNozzlePressure));
}

bool CalcRFStraightTip(CalculatorState& state) {
  WorkingValues& w = state.working;
  const double coefficient = isEnglish(state) ? 1.57 : 0.0015;
  const double d = w.dblRFStraightTipDiameter;
  return store(w.dblRFStraightTipResult, d * d * coefficient * w.dblRFStraightTipPressure);
}

bool CalcRFFogNozzle(CalculatorState& state) {
  WorkingValues& w = state.working;
  const double coefficient = isEnglish(state) ? 0.0505 : 0.02259;
  const double root = std::sqrt(w.dblRFFogNozzlePressure);
  return store(w.dblRFFogNozzleResult, w.dblRFFogNozzleFlow * coefficient * root);
}

bool CalcAppRate(CalculatorState& state) {
  WorkingValues& w = state.working;
  const double areaPerUnitFlow = isEnglish(state) ? 3 : 0.0737;
  return store(w.dblAppRateResult, w.dblAppRateWidth * w.dblAppRateLength / areaPerUnitFlow);
}

}  // namespace vardel
