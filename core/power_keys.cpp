#include "core/power_keys.h"

#include <array>

namespace vardel {
namespace {

// The keys that the panel designs disabled and start-up enables.
constexpr std::array kFunctionKeys = {
    KeyKind::EnginePressure, KeyKind::FrictionLoss,  KeyKind::StraightTipFR,
    KeyKind::FogNozzleFR,    KeyKind::StraightTipRF, KeyKind::FogNozzleRF,
    KeyKind::ApplicRate,     KeyKind::EnglishMetric,
};

void enableFunctionKeys(Panel& panel) {
  for (const KeyKind kind : kFunctionKeys) panel.enableKey(Key{kind});
}

}  // namespace

void Form_Load(Calculator& calculator) {
  CalculatorState& s = calculator.state;
  s.intDecimalPoint = 0;
  s.dblAccumulator = 0;
  s.intEntryStarted = 0;
  s.intOperator = 0;
  s.intOperatorKeyed = 0;
  // Every public flag but bolMeasurementChange, which start-up leaves alone.
  s.bolCalculation = s.bolEnginePressure = s.bolFrictionLoss = kFalse;
  s.bolFRStraightTip = s.bolFRFogNozzle = s.bolRFStraightTip = kFalse;
  s.bolRFFogNozzle = s.bolAppRate = s.bolReview = kFalse;
  s.working = {};
  s.strEorM = "E";
  s.dblHoseCoefficient = 0;
  s.strHoseSize = "0";
  s.bolPromptShown = kFalse;
  enableFunctionKeys(calculator.panel);
  calculator.panel.makeEnterDefault();
}

void CmdOn_Click(Calculator& calculator) { enableFunctionKeys(calculator.panel); }

void cmdOff_Click(Calculator& calculator) { calculator.panel.closeWindow(); }

}  // namespace vardel
