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

void enableStartUpKeys(Panel& panel) {
  for (const KeyKind kind : kKeysEnabledAtStartUp) panel.enableKey(Key{kind});
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
  enableStartUpKeys(calculator.panel);
  calculator.panel.makeEnterDefault();
}

void CmdOn_Click(Calculator& calculator) { enableStartUpKeys(calculator.panel); }

void cmdOff_Click(Calculator& calculator) { calculator.panel.closeWindow(); }

}  // namespace vardel
