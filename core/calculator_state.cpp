#include "core/calculator_state.h"

#include "core/key.h"

namespace vardel {

bool isEnglish(const CalculatorState& state) { return state.strEorM == kEnglishUnits; }

void restKeypad(CalculatorState& state) {
  state.dblAccumulator = 0;
  state.intDecimalPoint = 0;
  state.intEntryStarted = 0;
  state.intOperator = indexOf(Operator::Plus);
  state.intOperatorKeyed = 0;
}

void clearCalculationFlags(CalculatorState& state) {
  state.bolCalculation = state.bolEnginePressure = state.bolFrictionLoss = kFalse;
  state.bolFRStraightTip = state.bolFRFogNozzle = state.bolRFStraightTip = kFalse;
  state.bolRFFogNozzle = state.bolAppRate = state.bolReview = kFalse;
}

void clearSelectedHose(CalculatorState& state) {
  state.dblHoseCoefficient = 0;
  state.strHoseSize.assign(1, '0');
  state.selectedHose = -1;
}

void endEntry(CalculatorState& state) {
  state.intEntryStarted = 0;
  state.intDecimalPoint = 0;
}

}  // namespace vardel
