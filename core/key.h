#pragma once

#include <cstdint>

namespace vardel {

// What a key of the panel (or a typed character) asks the calculator to do.
// The window emits these, never captions; the logic dispatches on them.
enum class KeyKind : std::uint8_t {
  Digit,     // Command1(index): digits 0 to 9, the point at index 10
  Operator,  // command2(index): 0 "+", 1 "-", 2 "/", 3 "*", 4 "="
  SqRoot,
  Squared,
  Percent,
  PosNeg,
  AllClear,
  ClearDisplay,
  Off,
  On,
  EnglishMetric,
  Enter,
  StraightTipFR,
  FogNozzleFR,
  StraightTipRF,
  FogNozzleRF,
  ApplicRate,
  FrictionLoss,
  EnginePressure,
  Hose,               // index into the hose table
  TypedClear,         // the typed "C": clears the keypad; no key on the panel
  TypedClearDisplay,  // the typed "D": clears the display only; no key on the panel
  Review,             // F2 or the display's menu: walk the inputs of the result shown
};

struct Key {
  KeyKind kind;
  std::int16_t index = 0;

  bool operator==(const Key&) const = default;
};

inline constexpr std::int16_t kPointIndex = 10;
inline constexpr std::int16_t kEqualsIndex = 4;

}  // namespace vardel
