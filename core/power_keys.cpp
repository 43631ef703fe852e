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
  restKeypad(s);
  clearCalculationFlags(s);  // bolMeasurementChange is left as it is
  s.working = {};
  s.strEorM = kEnglishUnits;
  clearSelectedHose(s);
  s.bolPromptShown = kFalse;
  enableFunctionKeys(calculator.panel);
  calculator.panel.makeEnterDefault();
}

void CmdOn_Click(Calculator& calculator) { enableFunctionKeys(calculator.panel); }

void cmdOff_Click(Calculator& calculator) { calculator.panel.closeWindow(); }

}  // namespace vardel
