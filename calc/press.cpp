#include "calc/press.h"

#include <optional>

#include "calc/arming.h"
#include "calc/enter_sequence.h"
#include "calc/hose_keys.h"
#include "core/clear_keys.h"
#include "core/keyboard.h"
#include "core/keypad.h"
#include "core/power_keys.h"
#include "core/transform_keys.h"
#include "core/unit_switch.h"

namespace vardel {
namespace {

bool inRange(std::int16_t index, std::int16_t last) { return index >= 0 && index <= last; }

}  // namespace

// clang-format off
void press(Calculator& c, Key key) {
  switch (key.kind) {
    case KeyKind::Digit:
      if (inRange(key.index, kPointIndex)) Command1_Click(c, key.index);
      break;
    case KeyKind::Operator:
      if (inRange(key.index, indexOf(Operator::Equals))) command2_Click(c, key.index);
      break;
    case KeyKind::SqRoot: cmdSqRoot_Click(c); break;
    case KeyKind::Squared: cmdSquared_Click(c); break;
    case KeyKind::Percent: cmdPercent_Click(c); break;
    case KeyKind::PosNeg: cmdPosNeq_Click(c); break;
    case KeyKind::AllClear: cmdAllClear_Click(c); break;
    case KeyKind::ClearDisplay: cmdClearDisplay_Click(c); break;
    case KeyKind::Off: cmdOff_Click(c); break;
    case KeyKind::On: CmdOn_Click(c); break;
    case KeyKind::EnglishMetric: cmdEnglishMetric_Click(c); break;
    case KeyKind::Enter: cmdEnter_Click(c); break;
    case KeyKind::StraightTipFR: cmdStraightTipFR_Click(c); break;
    case KeyKind::FogNozzleFR: cmdfognozzleFR_Click(c); break;
    case KeyKind::StraightTipRF: cmdStraightTipRF_Click(c); break;
    case KeyKind::FogNozzleRF: cmdFogNozzleRF_Click(c); break;
    case KeyKind::ApplicRate: cmdApplicRate_Click(c); break;
    case KeyKind::FrictionLoss: cmdFrictionLoss_Click(c); break;
    case KeyKind::EnginePressure: cmdEnginePressure_Click(c); break;
    case KeyKind::Hose: cmdHose_Click(c, key.index); break;  // checks the index itself
    case KeyKind::TypedClear: clearKeypad(c); break;
    case KeyKind::TypedClearDisplay: clearDisplayTyped(c); break;
  }
}
// clang-format on

void Form_KeyPress(Calculator& c, std::int16_t& KeyAscii) {
  if (const std::optional<Key> key = keyForCharacter(KeyAscii)) press(c, *key);
}

}  // namespace vardel
