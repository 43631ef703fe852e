#include "core/power_keys.h"

#include <array>

namespace vardel {
namespace {

// The keys that the panel designs disabled and start-up (and ON) enables:
// the seven calculation keys and ENGLISH METRIC.
constexpr std::array kKeysEnabledAtStartUp = {
    KeyKind::EnginePressure, KeyKind::FrictionLoss, KeyKind::StraightTipFR, KeyKind::FogNozzleFR,
    KeyKind::StraightTipRF,  KeyKind::FogNozzleRF,  KeyKind::ApplicRate,    KeyKind::EnglishMetric,
};

}  // namespace

bool enabledByStartUp(KeyKind kind) {
  for (const KeyKind enabled : kKeysEnabledAtStartUp) {
    if (kind == enabled) return true;
  }
  return false;
}

void Form_Load(Calculator& calculator) {
  CalculatorState& s = calculator.state;
  restKeypad(s);
  clearCalculationFlags(s);  // bolMeasurementChange is left as it is
  s.working = {};
  s.strEorM = kEnglishUnits;
  clearSelectedHose(s);
  s.bolPromptShown = kFalse;
  calculator.functionKeysEnabled = true;
  calculator.enterIsDefault = true;
}

void CmdOn_Click(Calculator& calculator) { calculator.functionKeysEnabled = true; }

void cmdOff_Click(Calculator& calculator) { calculator.panel.closeWindow(); }

}  // namespace vardel
