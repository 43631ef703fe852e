#include "core/keyboard.h"

#include <gtest/gtest.h>

#include <map>

namespace vardel {
namespace {

// The keyboard table as the design lists it, with the keys' indexes written
// out as numbers; every 16-bit code is tried.
TEST(Keyboard, MapsTheCalculatorsCharacters) {
  const std::map<int, Key> table = {
      {13, {KeyKind::Enter}},
      {'.', {KeyKind::Digit, 10}},
      {'+', {KeyKind::Operator, 0}},
      {'-', {KeyKind::Operator, 1}},
      {'/', {KeyKind::Operator, 2}},
      {'*', {KeyKind::Operator, 3}},
      {'=', {KeyKind::Operator, 4}},
      {'C', {KeyKind::TypedClear}},
      {'c', {KeyKind::TypedClear}},
      {'D', {KeyKind::TypedClearDisplay}},
      {'d', {KeyKind::TypedClearDisplay}},
  };
  for (int code = -32768; code <= 32767; ++code) {
    const auto key = keyForCharacter(static_cast<std::int16_t>(code));
    const bool digit = code >= '0' && code <= '9';
    if (digit) {
      ASSERT_EQ(key, (Key{KeyKind::Digit, static_cast<std::int16_t>(code - '0')})) << code;
    } else if (const auto row = table.find(code); row != table.end()) {
      ASSERT_EQ(key, row->second) << code;
    } else {
      ASSERT_EQ(key, std::nullopt) << code;  // letters, Backspace, Escape, ...
    }
  }
}

}  // namespace
}  // namespace vardel
