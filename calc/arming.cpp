#include "calc/arming.h"

#include <string>

#include "calc/sequences.h"
#include "core/clear_keys.h"

namespace vardel {
namespace {

void arm(Calculator& calculator, const Sequence& sequence) {
  cmdAllClear_Click(calculator);
  CalculatorState& s = calculator.state;
  s.bolCalculation = kTrue;
  s.*sequence.flag = kTrue;
  calculator.show(std::string(sequence.firstPrompt.in(s)));
  calculator.panel.focusEnter();
  s.bolPromptShown = kTrue;
  s.intStep = 0;
  s.bolMeasurementChange = kFalse;
}

}  // namespace

void cmdStraightTipFR_Click(Calculator& c) { arm(c, sequences::kFRStraightTip); }
void cmdfognozzleFR_Click(Calculator& c) { arm(c, sequences::kFRFogNozzle); }
void cmdStraightTipRF_Click(Calculator& c) { arm(c, sequences::kRFStraightTip); }
void cmdFogNozzleRF_Click(Calculator& c) { arm(c, sequences::kRFFogNozzle); }
void cmdApplicRate_Click(Calculator& c) { arm(c, sequences::kAppRate); }
void cmdFrictionLoss_Click(Calculator& c) { arm(c, sequences::kFrictionLoss); }
void cmdEnginePressure_Click(Calculator& c) { arm(c, sequences::kEnginePressure); }

}  // namespace vardel
