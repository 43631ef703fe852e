#include "core/clear_keys.h"

namespace vardel {

void cmdAllClear_Click(Calculator& calculator) {
  CalculatorState& s = calculator.state;
  clearCalculationFlags(s);
  s.bolMeasurementChange = kFalse;
  s.bolPromptShown = kFalse;
  clearSelectedHose(s);
  s.working = {};
  restKeypad(s);
  s.intStep = 0;
  calculator.show("VORNA");
}

void cmdClearDisplay_Click(Calculator& calculator) {
  calculator.state.intDecimalPoint = 0;
  calculator.show("0");
}

void clearKeypad(Calculator& calculator) {
  restKeypad(calculator.state);
  calculator.show(" 0");
}

void clearDisplayTyped(Calculator& calculator) {
  calculator.state.intDecimalPoint = 0;
  calculator.show(" 0");
}

}  // namespace vardel
