#include "core/clear_keys.h"

namespace vardel {

void cmdAllClear_Click(Calculator& calculator) {
  CalculatorState& s = calculator.state;
  s.bolCalculation = s.bolEnginePressure = s.bolFrictionLoss = kFalse;
  s.bolFRStraightTip = s.bolFRFogNozzle = s.bolRFStraightTip = kFalse;
  s.bolRFFogNozzle = s.bolAppRate = s.bolReview = s.bolMeasurementChange = kFalse;
  s.bolPromptShown = kFalse;
  s.dblHoseCoefficient = 0;
  s.strHoseSize = "0";
  s.working = {};
  s.dblAccumulator = 0;
  s.intDecimalPoint = 0;
  s.intEntryStarted = 0;
  s.intOperator = 0;
  s.intOperatorKeyed = 0;
  s.intStep = 0;
  calculator.show("VORNA");
}

void cmdClearDisplay_Click(Calculator& calculator) {
  calculator.state.intDecimalPoint = 0;
  calculator.show("0");
}

void clearKeypad(Calculator& calculator) {
  CalculatorState& s = calculator.state;
  s.dblAccumulator = 0;
  s.intDecimalPoint = 0;
  s.intEntryStarted = 0;
  s.intOperator = 0;
  s.intOperatorKeyed = 0;
  calculator.show(" 0");
}

void clearDisplayTyped(Calculator& calculator) {
  calculator.state.intDecimalPoint = 0;
  calculator.show(" 0");
}

}  // namespace vardel
