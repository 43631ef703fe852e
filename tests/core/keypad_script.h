#pragma once

#include <sstream>
#include <string>
#include <string_view>

#include "core/calculator.h"
#include "core/clear_keys.h"
#include "core/keyboard.h"
#include "core/keypad.h"
#include "core/transform_keys.h"

namespace vardel::testing {

// Works the keypad the way a user does. Words separated by blanks: SQRT, SQR,
// PCT, NEG, AC (ALL CLEAR), CLR (CLEAR DISPLAY); anything else is typed one
// character at a time, as the keyboard does ("12.5", "+", "c", "d").
inline void keys(Calculator& calculator, std::string_view script) {
  std::istringstream words{std::string(script)};
  for (std::string word; words >> word;) {
    if (word == "SQRT") { cmdSqRoot_Click(calculator); continue; }
    if (word == "SQR") { cmdSquared_Click(calculator); continue; }
    if (word == "PCT") { cmdPercent_Click(calculator); continue; }
    if (word == "NEG") { cmdPosNeq_Click(calculator); continue; }
    if (word == "AC") { cmdAllClear_Click(calculator); continue; }
    if (word == "CLR") { cmdClearDisplay_Click(calculator); continue; }
    for (const char c : word) {
      const auto key = keyForCharacter(static_cast<std::int16_t>(c));
      if (!key) continue;
      switch (key->kind) {
        case KeyKind::Digit: Command1_Click(calculator, key->index); break;
        case KeyKind::Operator: command2_Click(calculator, key->index); break;
        case KeyKind::TypedClear: clearKeypad(calculator); break;
        case KeyKind::TypedClearDisplay: clearDisplayTyped(calculator); break;
        default: break;
      }
    }
  }
}

}  // namespace vardel::testing
