#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vardel {

// What a key of the panel (or a typed character) asks the calculator to do.
// The window emits these, never captions; the logic dispatches on them.
enum class KeyKind : std::uint8_t {
  Digit,     // Command1(index): digits 0 to 9, the point at index 10
  Operator,  // command2(index), the index an Operator
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
};

struct Key {
  KeyKind kind;
  std::int16_t index = 0;

  bool operator==(const Key&) const = default;
};

// The keys command2(0) to command2(4), by their index; intOperator holds
// the index of the pending one.
enum class Operator : std::int16_t { Plus = 0, Minus = 1, Divide = 2, Times = 3, Equals = 4 };

inline constexpr std::array kOperators = {Operator::Plus, Operator::Minus, Operator::Divide,
                                          Operator::Times, Operator::Equals};

constexpr std::int16_t indexOf(Operator op) { return static_cast<std::int16_t>(op); }
constexpr Key keyOf(Operator op) { return Key{KeyKind::Operator, indexOf(op)}; }

// An operator's caption, which is also the character that types it.
constexpr std::string_view captionOf(Operator op) {
  constexpr std::array<std::string_view, kOperators.size()> kCaptions = {"+", "-", "/", "*", "="};
  return kCaptions[static_cast<std::size_t>(op)];
}

// Command1(0) to Command1(9) are the digits, Command1(10) the point; each
// key's caption is what it appends to the display.
inline constexpr std::int16_t kPointIndex = 10;
inline constexpr std::array<std::string_view, kPointIndex + 1> kDigitCaptions = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "."};

constexpr Key digitKey(std::int16_t index) { return Key{KeyKind::Digit, index}; }

}  // namespace vardel
